#pragma once

#include <QString>
#include <cstdint>
#include <optional>

struct Config;

// The two settings a user edits by typing: the price of a bet and the months of the
// statistics period sliders. Numbers are read and shown in Spanish form (decimal comma).
namespace ajustes {

QString textoPrecio(float precio);
QString textoMeses(int16_t meses);

// The price box now reads `texto`. A number is stored in `precio`; an empty box changes
// nothing; any other text leaves `precio` as it was and gives the text to put back in the box.
std::optional<QString> cambiaPrecio(Config& cfg, const QString& texto);

// The months box now reads `texto`. A whole 16-bit number (decimals rounded half to even) is
// stored in `meses`, raised to 2 when below; text that does not convert gives the stored
// value's text to put back in the box; an empty box only raises a stored value below 2.
std::optional<QString> cambiaMeses(Config& cfg, const QString& texto);

} // namespace ajustes
