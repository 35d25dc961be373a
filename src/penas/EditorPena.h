#pragma once

#include "core/Records.h"
#include "penas/TablasReducidas.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

struct Session;

// The peña editor's state: the 49-number grid, the bets entered, the buttons' states and
// the saving of the peña. In create mode a new peña is built and written once, on "Grabar";
// in edit mode (the peña penaSel) one stored bet is shown at a time and every change is
// written at once. The window only renders this state and forwards the user's actions;
// tests drive it directly.
//
// The hand-over values (codMultiple, tablaElegida, delAsistente, modoEdicion, penaSel and
// the bet counter) are taken when the editor is built, so another editor opened meanwhile
// cannot change what this one does.
class EditorPena {
  public:
    // `aleatorio` gives uniform values in [0, 1); by default a generator seeded from the clock.
    explicit EditorPena(Session& s, std::function<double()> aleatorio = {});
    ~EditorPena();
    EditorPena(const EditorPena&) = delete;
    EditorPena& operator=(const EditorPena&) = delete;

    // The edit-mode editors of session `s` still open: each holds a record number that a
    // deletion of peñas would make point at another peña.
    static QList<EditorPena*> enEdicion(const Session& s);

    // (Re)initialises: for a new peña of the kind in codMultiple, or, in edit mode, for the
    // bet the scroll bar shows. False when the chosen reduced table cannot be used: a
    // message was shown and the editor must close.
    bool Form_Load();
    // The window became the active one (edit mode: the record is read again).
    void Form_Activate();
    // May the window close? `porUsuario`: the user closed it; otherwise the main window
    // asks. Refused in edit mode while the bet shown has a wrong count of numbers, and in
    // create mode, when the main window asks, while bets are entered but not saved.
    bool Form_QueryUnload(bool porUsuario);
    // What Form_QueryUnload would answer, without telling the user anything.
    bool puedeCerrarse(bool porUsuario) const;

    void Image1_Click(int indice);              // number indice + 1
    void Command3_Click();                      // "Aleatorio"
    void Command1_Click();                      // "Grabar"
    void Command2_Click();                      // "Borrar" (edit mode: delete the bet shown)
    void Command4_Click();                      // "Añadir apuesta"
    void Command5_Click() { Command2_Click(); } // "Eliminar apuesta"
    // The bet browser moved to `valor`.
    void HScroll1_Change(int valor);
    // Would that move be refused with a message (the bet shown has a wrong count)?
    bool rechazaMovimiento(int valor) const;
    // The name box changed: returns the text the box must hold afterwards.
    QString Text1_Change(const QString& texto);
    // Typed characters are turned to upper case.
    static QString Text1_KeyPress(const QString& texto);
    // The draw-day option 1..5 ("Sólo jueves" .. "Todos (L+J+S)") was chosen.
    void setOpcionDias(int opcion);
    // Label5: the window closes; the editor writes nothing more.
    void cerrar();

    // What the window shows.
    bool edicion() const { return m_edicion; }
    bool marcado(int indice) const { return m_marcas.at(static_cast<size_t>(indice)); }
    int marcados() const { return m_marcados; }
    int requeridos() const { return m_requeridos; }
    const QStringList& lista() const { return m_lista; }
    QString label3() const { return QString::number(m_contLabel3); }
    QString label4() const { return m_label4; }
    QString nombre() const { return m_nombre; }
    int opcionDias() const { return m_opcionDias; }
    bool grabarHabilitado() const { return m_grabar; }
    bool borrarHabilitado() const { return m_borrar; }
    bool aleatorioHabilitado() const { return m_aleatorio; }
    bool anadirHabilitado() const { return m_anadir; }
    int porApuesta() const { return m_porApuesta; }
    int scrollValor() const { return m_scrollValor; }
    int scrollMax() const { return m_scrollMax; }
    QString text2() const { return QString::number(m_text2); }
    // A short note when the stored bet shown cannot be drawn; empty otherwise.
    QString nota() const { return m_nota; }
    // Extra width of the bets column for long bets, twips.
    int anchoExtraColumna() const { return m_porApuesta > 12 ? (m_porApuesta - 12) * 20 : 0; }
    const RegPena& penaEdit() const { return m_penaEdit; }

    // Called after every change of state, and when the editor asks its window to close.
    std::function<void()> alCambiar;
    std::function<void()> alCerrar;

    static QString textoDias(int opcion);

  private:
    void numerosPorApuesta();
    void muestraApuesta(int modo);
    void marcaAutomatico();
    void grabaPena();
    void expandeReducida();
    void limpiaRejilla();
    void mensaje(const QString& texto, bool exclamacion);
    void cambiado();
    void setCont(int n);

    // Edit mode.
    void cargaEdicion();
    bool apuestaCompleta() const;
    void muestraApuestaElegida(int valor);
    void descartaApuestaNueva();
    void eliminaApuesta();
    static int opcionDe(const QString& dias);
    bool grabaRegistro(const std::function<void(RegPena&)>& cambio);
    RegPena leeRegistro();
    bool esLaPenaEditada(const RegPena& r) const;
    void pierdePena();

    Session& m_s;
    std::function<double()> m_rnd;

    // Hand-over values taken when the editor was built.
    int m_cod = 0;
    int m_tablaElegida = 0;
    int m_delAsistente = 0;
    bool m_edicion = false;
    int m_penaSel = 0;
    int m_cont = 0; // contApuestas

    std::array<bool, 49> m_marcas{};
    int m_marcados = 0;
    int m_nombreFalta = 0;
    int m_porApuesta = 6;
    int m_apuestasTabla = 0;
    int m_maxApuestas = 0;
    int m_requeridos = 0;
    int m_limite = 0;
    int m_aleatorioPendiente = 0;
    int m_contLabel3 = 0;
    tablas::Tabla m_tabla;
    RegPena m_penaEdit;

    // Edit mode. m_actual is the stored record as this editor last read or wrote it.
    RegPena m_actual;
    bool m_leido = false;
    int m_apuestaTocada = 0;
    int m_editable = 1;
    int m_apuestaNueva = 0;
    int m_entradasScroll = 0;
    int m_ultimoScroll = 1;
    int m_apuestaVista = 1;
    int m_scrollValor = 1;
    int m_scrollMax = 1;
    int m_text2 = 1;
    bool m_apuestaDanada = false; // the stored bet shown could not be drawn
    bool m_anadir = false;
    bool m_perdida = false; // record penaSel no longer holds the peña this editor read
    bool m_cerrado = false;
    QString m_nota;

    QStringList m_lista;
    QString m_nombre;
    QString m_label4;
    int m_opcionDias = 5;
    bool m_grabar = false;
    bool m_borrar = false;
    bool m_aleatorio = true;
};
