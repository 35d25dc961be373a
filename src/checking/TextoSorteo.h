#pragma once

#include <QString>

struct RegSorteo;

// Texts of a draw shared by the results lists and the printed listing.
namespace textosorteo {

// The draw date in short form: "05/12/2026".
QString fechaCorta(double fecha);
// "05/12/2026 Sábado": the date row of a results list.
QString lineaFecha(double fecha);
// "5-12-23-30-41-47  C:9  R:3": the draw's numbers, complementario and reintegro.
QString numeros(const RegSorteo& s);

} // namespace textosorteo
