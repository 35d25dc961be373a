#pragma once

#include "penas/TablasReducidas.h"

#include <QList>
#include <QString>
#include <QStringList>

// The wizard's list of the reduced tables for the count of numbers it ranked, and the
// figures of the table the user picks.
namespace listatablas {

inline constexpr int kMaxEntradas = 51;

struct Lista {
    QStringList entradas;  // "8 números al 4, 12 apuestas."
    QList<int> tablacombo; // for each entry, its table's number in file order
    QString texto;         // "Tablas disponibles" or "No hay tablas reducidas de N nºs."
    QString label51;       // the range of counts for which tables exist
    bool hayTablas() const { return !entradas.isEmpty(); }
};

// The tables of `n` numbers (at most 51), from the headers of the tables file in file
// order. A short or damaged file gives a shorter or empty list.
Lista listatablas(const QList<tablas::Cabecera>& cabeceras, int n);
Lista listatablas(const QString& rutaTablas, int n);

// What the "REDUCIDA" frame shows for a table of `n` numbers.
struct Ficha {
    QString label43; // the condition
    QString label47; // bets played against the unreduced system, as a percentage
    QString label48; // what the system ensures
    QString label49;
    QString label50; // bets of the unreduced system
};

Ficha ficha(const tablas::Cabecera& c, int n);

// Simple bets that cover every six of `n` numbers: n! / (6! (n - 6)!).
double combinaciones(int n);

} // namespace listatablas
