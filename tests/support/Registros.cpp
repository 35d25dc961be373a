#include "support/Registros.h"

#include <algorithm>

RegSorteo registroSorteo(double fecha, const std::array<int, 6>& seis, int comp, int reint, double joker) {
    RegSorteo r;
    std::copy(seis.begin(), seis.end(), r.bolas.begin());
    r.bolas[6] = int16_t(comp);
    r.bolas[7] = int16_t(reint);
    r.fecha = fecha;
    r.numJoker = joker;
    return r;
}

RegPena registroPena(const QString& nombre, const QString& dias, double creada,
                     const std::vector<std::vector<int>>& apuestas, int numApuestas) {
    RegPena p;
    p.nombre = nombre;
    p.dias = dias;
    p.fecha = creada;
    for (size_t b = 0; b < apuestas.size(); ++b)
        std::copy(apuestas[b].begin(), apuestas[b].end(), p.apuestas.at(b).begin());
    p.numApuestas = int16_t(numApuestas >= 0 ? numApuestas : int(apuestas.size()));
    return p;
}

QByteArray sorteosAntiguos(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i) {
        RegSorteoAntiguo a;
        a.bolas = {int16_t(1 + i), 12, 23, 34, 45, 49, 48, 3};
        a.fecha = 30000 + 7 * i;
        out += a.encode();
    }
    return out;
}
