#include "penas/ListaTablas.h"

#include "core/SharedRoutines.h"

#include <QLocale>
#include <cmath>

namespace listatablas {

Lista listatablas(const QList<tablas::Cabecera>& cabeceras, int n) {
    Lista l;
    for (int t = 0; t < cabeceras.size(); ++t) {
        const tablas::Cabecera& c = cabeceras.at(t);
        if (c.n == n && l.entradas.size() < kMaxEntradas) {
            l.tablacombo.append(t);
            l.entradas.append(tablas::textoCombo(c));
        }
    }
    l.texto = l.hayTablas() ? QStringLiteral("Tablas disponibles")
                            : QStringLiteral("No hay tablas reducidas de %1 nºs.").arg(n);
    // The file lists its tables by growing size: the first is the smallest, the last the largest.
    const int menor = cabeceras.isEmpty() ? 0 : cabeceras.first().n;
    const int mayor = cabeceras.isEmpty() ? 0 : cabeceras.last().n;
    l.label51 = QStringLiteral("(Para crear reducidas, se han de elegir entre %1 y %2 números)")
                    .arg(menor)
                    .arg(mayor);
    return l;
}

Lista listatablas(const QString& rutaTablas, int n) {
    return listatablas(tablas::cabeceras(rutaTablas), n);
}

double combinaciones(int n) {
    return Factorial(n) / (Factorial(6) * Factorial(n - 6));
}

Ficha ficha(const tablas::Cabecera& c, int n) {
    Ficha f;
    const double total = combinaciones(n);
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    f.label43 =
        QStringLiteral("Si entre los %1 números seleccionados, se encuentran los 6 ganadores:").arg(n);
    // The second header value is the count of hits the system ensures.
    f.label48 = QStringLiteral("%1 aciertos.").arg(c.g);
    const float porcentaje = static_cast<float>(100.0 * c.b / total);
    f.label47 = es.toString(static_cast<double>(porcentaje), 'f', 2) + u'%';
    f.label49 = QStringLiteral("Jugar a %1 números sin reducir, tendría que rellenar:").arg(n);
    f.label50 = QStringLiteral("%1 apuestas.").arg(QString::number(total, 'f', 0));
    return f;
}

} // namespace listatablas
