#include "core/SharedRoutines.h"

#include "core/OleDate.h"

int16_t cuantos(int16_t son) {
    switch (son) {
    case 501: return 7;
    case 502: return 8;
    case 503: return 5;
    case 504: return 9;
    case 505: return 10;
    case 506: return 11;
    case 507: return 7;
    case 508: return 28;
    case 509: return 44;
    case 510: return 84;
    case 511: return 210;
    case 512: return 462;
    default: break;
    }
    // The subtraction stays in 16 bits: the lowest stored value cannot wrap around.
    if (son < 500)
        return son > INT16_MIN + 6 ? static_cast<int16_t>(son - 6) : INT16_MIN;
    return 0;
}

QString diasemana(double dime) {
    static const QString kNames[7] = {QStringLiteral("Sábado"),  QStringLiteral("Domingo"),
                                      QStringLiteral("Lunes"),   QStringLiteral("Martes"),
                                      QStringLiteral("Miércoles"), QStringLiteral("Jueves"),
                                      QStringLiteral("Viernes")};
    // Day 0 (30 December 1899) was a Saturday.
    const qint64 d = oledate::days(dime);
    return kNames[((d % 7) + 7) % 7];
}

double Factorial(int32_t n) {
    double r = 1.0;
    for (int32_t i = 1; i <= n; ++i)
        r *= i;
    return r;
}

bool diaDeJuego(const QString& dias, double fechaPena, double fechaSorteo) {
    if (oledate::days(fechaSorteo) < oledate::days(fechaPena))
        return false;
    const QString d = dias.trimmed();
    if (d == QStringLiteral("Todos (L+J+S)"))
        return true;
    const QString dia = diasemana(fechaSorteo);
    if (d == QStringLiteral("Jueves y Sábado"))
        return dia == QStringLiteral("Jueves") || dia == QStringLiteral("Sábado");
    return d == dia;
}
