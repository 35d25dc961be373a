#include "stats/Ranking.h"

#include "stats/BaseInforme.h"

#include <algorithm>

namespace ranking {

std::array<Fila, 49> ordena(const Veces& veces) {
    std::array<Fila, 49> filas;
    for (int i = 0; i < 49; ++i)
        filas[static_cast<size_t>(i)] = {i + 1, veces[static_cast<size_t>(i)]};
    std::stable_sort(filas.begin(), filas.end(),
                     [](const Fila& a, const Fila& b) { return a.veces > b.veces; });
    return filas;
}

int rankfrecu(const QString& rutaBase, const Veces& veces, int n, std::array<int16_t, 49>& numerosAuto) {
    const std::array<Fila, 49> filas = ordena(veces);
    for (size_t k = 0; k < filas.size(); ++k)
        numerosAuto[k] = static_cast<int16_t>(filas[k].numero);

    BaseInforme db;
    if (!db.abrir(rutaBase))
        return db.error();
    const int cuantas = std::clamp(n, 0, 49);
    bool ok = db.empieza() && db.ejecuta(QStringLiteral("DELETE FROM \"Numeros\""));
    for (int k = 0; ok && k < cuantas; ++k) {
        const Fila& f = filas[static_cast<size_t>(k)];
        ok = db.ejecuta(QStringLiteral("INSERT INTO \"Numeros\" (\"Numero\", \"Veces\") VALUES (?, ?)"),
                        {f.numero, f.veces});
    }
    ok = ok && db.confirma();
    return ok ? 0 : db.error();
}

} // namespace ranking
