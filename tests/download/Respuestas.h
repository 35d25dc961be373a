#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>

// Replies of the draw-search service built from real draws, in the service's shape: a JSON
// array, newest draw first, each draw's keys in the service's order.
namespace respuestas {

struct Sorteo {
    QDate fecha;
    std::array<int, 6> numeros{};
    int complementario = 0;
    int reintegro = 0;
    QString joker;       // seven digits; empty for a Joker object without a number
    QString combinacion; // when not empty, replaces the built combination text
    QString fechaTexto;  // when not empty, replaces the built "fecha_sorteo" value
};

// The draws of 2016 and 2017 kept in tests/data, oldest first.
QList<Sorteo> historia();
// The draws of `historia` from `desde` to `hasta`, both included, newest first.
QList<Sorteo> entre(const QDate& desde, const QDate& hasta);

// The six prize amounts written for a draw, in the reply's order: the special category, then 1ª to 5ª.
std::array<QString, 6> premios(const Sorteo& s);
// The report address written for a draw.
QString urlInforme(const Sorteo& s);

struct Opciones {
    bool recientes = true;  // numero, combinacion_acta and contenidosRelacionados
    bool escrutinio = true; // the prize table
};

// One draw object, and a whole reply of draws given newest first.
QString objeto(const Sorteo& s, const Opciones& o = {});
QString respuesta(const QList<Sorteo>& recientesPrimero, const Opciones& o = {});

// `respuesta` padded with blanks so that the date pass of the import stops right after
// the date of draw n (0-based, reply order): no further date is searched for.
QString rellenaTrasFecha(const QString& respuesta, int n);

} // namespace respuestas
