#include "stats/gui/GraficaFrecuencias.h"

#include "platform/gui/Accesible.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QValueAxis>

#include <algorithm>

const std::array<QColor, 3> GraficaFrecuencias::kColores = {
    QColor(0xD0, 0x20, 0x20), QColor(0x20, 0x50, 0xD0), QColor(0x20, 0xA0, 0x30)};

namespace {
// The names of the three weekday series, in series order.
const QStringList& dias() {
    static const QStringList d = {QStringLiteral("Lunes"), QStringLiteral("Jueves"), QStringLiteral("Sábado")};
    return d;
}

QString veces(int n) {
    return n == 1 ? QStringLiteral("1 vez") : QStringLiteral("%1 veces").arg(n);
}

// What a screen reader reads of a page: each number with its count, or with its count on
// each weekday when the chart compares them.
QString textoValores(const PaginaGrafica& pagina, bool comparativa) {
    QStringList filas;
    for (const FilaGrafica& f : pagina) {
        QString fila = f.etiqueta.trimmed() + QStringLiteral(": ");
        if (comparativa) {
            QStringList porDia;
            for (size_t k = 0; k < 3; ++k)
                porDia.append(dias().at(int(k)) + u' ' + veces(f.veces[k]));
            fila += porDia.join(QStringLiteral(", "));
        } else {
            fila += veces(f.veces[0]);
        }
        filas.append(fila);
    }
    return filas.join(QStringLiteral("; ")) + u'.';
}
} // namespace

GraficaFrecuencias::GraficaFrecuencias(QWidget* parent) : QChartView(parent) {
    marcarGrafico(this);
    auto* chart = new QChart;
    chart->legend()->hide(); // the tab's own legend names the weekday series
    chart->setMargins(QMargins(0, 2, 0, 0));
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_serie = new QBarSeries(chart);
    chart->addSeries(m_serie);
    m_ejeX = new QBarCategoryAxis(chart);
    m_ejeY = new QValueAxis(chart);
    m_ejeY->setLabelFormat(QStringLiteral("%d"));
    // Upright numbers take a line's height each, so 25 of them stand apart on a chart
    // narrow enough to sit beside the draws list; the chart never gets narrower than that.
    QFont letra = m_ejeX->labelsFont();
    letra.setPointSizeF(7);
    m_ejeX->setLabelsFont(letra);
    m_ejeX->setLabelsAngle(-90);
    m_ejeX->setTruncateLabels(false);
    m_ejeY->setLabelsFont(letra);
    const QFontMetrics medida(letra);
    // A label takes its line's height and the margins of its text item.
    setMinimumWidth(25 * (medida.height() + 4) + medida.horizontalAdvance(QStringLiteral("0000")) + 8);
    chart->addAxis(m_ejeX, Qt::AlignBottom);
    chart->addAxis(m_ejeY, Qt::AlignLeft);
    m_serie->attachAxis(m_ejeX);
    m_serie->attachAxis(m_ejeY);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // nothing to do with the keys: Tab goes on to the page bar
    setMinimumHeight(200);
}

void GraficaFrecuencias::muestra(const PaginaGrafica& pagina, bool comparativa) {
    const int series = comparativa ? 3 : 1;
    if (m_serie->count() != series) {
        m_serie->clear();
        for (int k = 0; k < series; ++k) {
            auto* set = new QBarSet(comparativa ? dias().at(k) : QStringLiteral("Veces"));
            set->setColor(comparativa ? kColores[static_cast<size_t>(k)] : QColor(0x30, 0x60, 0xB0));
            set->setBorderColor(set->color().darker());
            set->append(QList<qreal>(int(pagina.size()), 0.0));
            m_serie->append(set);
        }
    }
    QStringList etiquetas;
    int maximo = 0;
    const QList<QBarSet*> sets = m_serie->barSets();
    for (int k = 0; k < sets.size(); ++k) {
        for (size_t r = 0; r < pagina.size(); ++r) {
            const int v = pagina[r].veces[static_cast<size_t>(k)];
            sets[k]->replace(int(r), v);
            maximo = std::max(maximo, v);
        }
    }
    for (const FilaGrafica& f : pagina)
        etiquetas.append(f.etiqueta.trimmed()); // the blank before a number only pads the grid
    if (m_ejeX->categories() != etiquetas) {
        m_ejeX->clear();
        m_ejeX->append(etiquetas);
    }
    m_ejeY->setRange(0, std::max(maximo, 1));
    m_ejeY->applyNiceNumbers();
    setAccessibleDescription(textoValores(pagina, comparativa));
}
