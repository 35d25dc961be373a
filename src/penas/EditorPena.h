#pragma once

#include "core/Records.h"
#include "penas/TablasReducidas.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

struct Session;

// The peña editor's state in create mode: the 49-number grid, the bets entered, the
// buttons' states and the saving of the new peña. The window only renders this state and
// forwards the user's actions; tests drive it directly.
class EditorPena {
  public:
    // `aleatorio` gives uniform values in [0, 1); by default a generator seeded from the clock.
    explicit EditorPena(Session& s, std::function<double()> aleatorio = {});

    // (Re)initialises for a new peña of the kind in codMultiple. False when the chosen
    // reduced table cannot be used: a message was shown and the editor must close.
    bool Form_Load();

    void Image1_Click(int indice); // number indice + 1
    void Command3_Click();         // "Aleatorio"
    void Command1_Click();         // "Grabar"
    void Command2_Click();         // "Borrar"
    // The name box changed: returns the text the box must hold afterwards.
    QString Text1_Change(const QString& texto);
    // Typed characters are turned to upper case.
    static QString Text1_KeyPress(const QString& texto);
    // The draw-day option 1..5 ("Sólo jueves" .. "Todos (L+J+S)").
    void setOpcionDias(int opcion) { m_opcionDias = qBound(1, opcion, 5); }
    // Label5: the window closes.
    void cerrar();

    // What the window shows.
    bool marcado(int indice) const { return m_marcas.at(static_cast<size_t>(indice)); }
    int marcados() const { return m_marcados; }
    const QStringList& lista() const { return m_lista; }
    QString label3() const { return QString::number(m_contLabel3); }
    QString label4() const;
    QString nombre() const { return m_nombre; }
    int opcionDias() const { return m_opcionDias; }
    bool grabarHabilitado() const { return m_grabar; }
    bool borrarHabilitado() const { return m_borrar; }
    bool aleatorioHabilitado() const { return m_aleatorio; }
    int porApuesta() const { return m_porApuesta; }
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

    Session& m_s;
    std::function<double()> m_rnd;

    std::array<bool, 49> m_marcas{};
    int m_marcados = 0;
    int m_nombreFalta = 0;
    int m_porApuesta = 6;
    int m_apuestasTabla = 0;
    int m_maxApuestas = 0;
    int m_requeridos = 0;
    int m_limite = 0;
    int m_contLabel3 = 0;
    tablas::Tabla m_tabla;
    RegPena m_penaEdit;

    QStringList m_lista;
    QString m_nombre;
    int m_opcionDias = 5;
    bool m_grabar = false;
    bool m_borrar = false;
    bool m_aleatorio = true;
};
