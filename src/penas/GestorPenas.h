#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct RegPena;
struct Session;

// Bet text of the peña views: each number two characters wide (a blank before a single
// digit), joined by "-".
QString textoApuesta(const RegPena& p, int apuesta, int numeros);

// Numbers of each bet of a peña from its stored count or multiple code: 6 below 500, the
// multiple's count for 501..506; 0 for any other code.
int numerosPorApuestaDe(int numApuestas);

// Percentage as the views show it: rounded to one decimal (ties to even), decimal comma.
QString textoPorcentaje(float porcentaje);

// A single-precision value as the program writes it in its captions ("2,5", "20").
QString textoSimple(float v);

// The message of a failed peña detail for an error number, and whether the program must
// end after it (a file it needs is missing or damaged, or cannot be written). `base` is the
// report database, whose folder tells a full disk or a lack of permission apart.
QString mensajeErrorDetalle(int error, bool* salir, const QString& base = QString());
// The title over that message, matching it.
QString tituloErrorDetalle(int error);

// What the detail of one peña shows.
struct VistaPena {
    // The outcome: the detail is shown only when listo; the weekly cost only when
    // costeListo; a message is then shown, and the program ends when salir is set.
    bool listo = false;
    bool costeListo = false;
    int error = 0;
    QString mensaje;
    bool salir = false;

    QStringList apuestas; // ListView5
    int alturaLista = 0;  // height of the bets list, twips
    std::array<QString, 5> label3;
    QString label17, label16;
    std::array<double, 2> chart3{};
    QString label28, label29;
    QString label37; // weekly cost
};

struct FilaLista {
    QString nombre; // as stored, 20 characters
    int apuestas = 0;
    double fecha = 0;
    QString dias; // as stored, 15 characters
};

// What the peña list shows.
struct VistaLista {
    bool vacio = true;
    QList<FilaLista> filas;
    int fila = 1; // the row shown, highlighted and selected (none when vacio)
    QStringList combo2; // the peña chooser of the results panel; item k is record k
    QString label9_2;   // the peña count of the General tab
    QString label13;
    QString text4, text5;
    std::array<double, 2> chart2{};
    bool botones = false; // "Eliminar peña", "Imprimir boletos", "Editar Peña" and the report icon
    VistaPena detalle;    // peña 1, or the empty detail
};

// The logic of the peñas tab: the list, the detail of one peña and what it writes to the
// report database.
class GestorPenas {
  public:
    explicit GestorPenas(Session& s) : m_s(s) {}

    // Reloads the list from apuestas.dat, recounts sigPena and shows peña `fila` (1 when there
    // is no such peña), which becomes the selected one. Needs sorteosjugados counted first.
    VistaLista cargapenas(int fila = 1);
    // Shows peña n (from 1) and stores its bets and summary in the report database.
    VistaPena verpena(int n);
    // A click on row `indice` (from 1): shows it and selects it.
    VistaPena ListView1_ItemClick(int indice);

    bool vacio() const { return m_vacio; }

  private:
    void guardaEstadisticaPena(VistaPena& v);
    void fallo(VistaPena& v, int error) const;

    Session& m_s;
    bool m_vacio = true;
};
