#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The reduced-system tables of tablas.bin: a text file of tables, each three header lines
// (N, the count of numbers the player chooses; G, the prize the system ensures; B, the
// count of bets) followed by B bet lines of six two-character positions 1..N into the
// chosen numbers in ascending order.
namespace tablas {

inline constexpr int kMinNumeros = 6;
inline constexpr int kMaxNumeros = 20;   // the chosen numbers a peña record keeps
inline constexpr int kMaxApuestas = 205; // the bets a peña record holds

struct Cabecera {
    int n = 0;
    int g = 0;
    int b = 0;
};

struct Tabla {
    Cabecera cabecera;
    QList<std::array<int, 6>> apuestas; // positions 1..N
};

enum class Fallo {
    Ninguno,
    NoSeLee,              // the file cannot be opened
    NoExiste,             // there is no table with that number
    Incompleta,           // the file ends inside the table
    NumerosFueraDeRango,  // N outside 6..20
    ApuestasFueraDeRango, // B outside 1..205
    PosicionNoValida,     // a position outside 1..N, or repeated within a bet
};

struct Lectura {
    Tabla tabla;
    Fallo fallo = Fallo::Ninguno;
};

// The headers of every table in file order. A file that ends inside a table still lists
// that table last. Empty when the file cannot be read.
QList<Cabecera> cabeceras(const QString& ruta);

// Table number `numero` (from 0, in file order) with its bets, checked so that every
// position indexes the chosen numbers.
Lectura lee(const QString& ruta, int numero);

// Same, from the file's bytes.
QList<Cabecera> cabecerasDe(const QByteArray& contenido);
Lectura leeDe(const QByteArray& contenido, int numero);

// The entry of the chooser's list: "8 números al 4, 12 apuestas."
QString textoCombo(const Cabecera& c);

// Numeric value of a header line or of a two-character field.
int valorEntero(const QString& texto);

} // namespace tablas
