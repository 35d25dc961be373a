#pragma once

#include <QDate>
#include <QString>

// Writers of the two tables that describe the statistics selection: "Informe" (the newest
// draw) and "Sorteos" (the selection's dates, total and weekdays).
namespace informeseleccion {

// Overwrites the single row of "Informe". Returns 0 or the database error.
int escribeFrase(const QString& rutaBase, const QString& frase);

// What the selection writer read back from the row it had just written.
struct Guardado {
    int error = 0; // 0, or the database error (see BaseInforme::error)
    QDate dia1;
    QDate dia2;
};

// Overwrites the single row of "Sorteos": oldest and newest date, total, and the weekdays
// unless `diasajugar` is empty (the column then keeps what it held); reads the dates back.
Guardado guardaSorteos(const QString& rutaBase, const QDate& dia1, const QDate& dia2, int total,
                       const QString& diasajugar);

} // namespace informeseleccion
