#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// Writers of the two tables that describe the peña shown on the peñas tab.
namespace informepena {

// The summary row of table "Peña".
struct Resumen {
    QString diasajugar;
    float dinero = 0;
    QString nombre;
    QDate dia1;
    QDate dia2;
    QString aciertos;
    double sorteos = 0;
    std::array<int16_t, 5> premios{}; // columns 3, 4, 5, 5C, 6
};

// What the summary writer read back from the row it had just written.
struct Guardado {
    int error = 0; // 0, or the database error (see BaseInforme::error)
    QString diasajugar;
    float dinero = 0;
};

// Replaces every row of "Peñanums" by one row per bet text. Returns 0 or the error.
int escribeApuestas(const QString& rutaBase, const QStringList& apuestas);

// Overwrites the single row of "Peña" and reads back its days and weekly money.
Guardado guardaResumen(const QString& rutaBase, const Resumen& r);

// Date values are stored as ISO text ("2026-12-05").
QString textoFecha(const QDate& d);

} // namespace informepena
