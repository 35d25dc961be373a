#include "support/HistoriaReal.h"

#include <QFile>

QByteArray bytesHistoriaReal() {
    QFile f(QStringLiteral(VELMORAT_TEST_DATA "/numeros-historia.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<RegSorteo> sorteosHistoriaReal() {
    const QByteArray todo = bytesHistoriaReal();
    std::vector<RegSorteo> out;
    for (qsizetype i = 0; i + RegSorteo::kSize <= todo.size(); i += RegSorteo::kSize)
        out.push_back(RegSorteo::decode(todo.mid(i, RegSorteo::kSize)));
    return out;
}

std::array<int, 49> vecesHistoriaReal() {
    std::array<int, 49> veces{};
    for (const RegSorteo& r : sorteosHistoriaReal())
        for (int k = 0; k < 6; ++k) {
            const int n = r.bolas[static_cast<size_t>(k)];
            if (n >= 1 && n <= 49)
                ++veces[static_cast<size_t>(n - 1)];
        }
    return veces;
}
