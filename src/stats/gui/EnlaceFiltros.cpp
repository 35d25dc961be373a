#include "stats/gui/EnlaceFiltros.h"

#include "stats/SeleccionEstadisticas.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSlider>

EnlaceFiltros::EnlaceFiltros(SeleccionEstadisticas& seleccion, QObject* parent)
    : QObject(parent), m_seleccion(seleccion) {
    connect(&m_seleccion, &SeleccionEstadisticas::seleccionCambiada, this, &EnlaceFiltros::sincroniza);
}

QCheckBox* EnlaceFiltros::caja(int caja, const QString& texto, QWidget* parent) {
    auto* c = new QCheckBox(texto, parent);
    c->setObjectName(QStringLiteral("Check3_%1").arg(caja));
    // Only the user's clicks reach the selection; the program sets boxes without a signal.
    connect(c, &QCheckBox::clicked, this,
            [this, caja](bool marcada) { m_seleccion.Check3_Click(caja, marcada); });
    m_cajas.append({caja, c});
    return c;
}

QSlider* EnlaceFiltros::barra(int indice, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QStringLiteral("Slider1_%1").arg(indice));
    s->setAccessibleName(QStringLiteral("Meses de sorteos"));
    s->setMinimum(1);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    connect(s, &QSlider::valueChanged, this, [this](int meses) { m_seleccion.Slider1_Change(meses); });
    m_barras.append(s);
    return s;
}

void EnlaceFiltros::sincroniza() {
    const FiltrosEstadisticas& f = m_seleccion.filtros();
    for (const auto& [indice, c] : std::as_const(m_cajas)) {
        c->setChecked(f.marcada(indice));
        c->setEnabled(f.habilitada(indice));
        if (indice == FiltrosEstadisticas::UltimoMes || indice == FiltrosEstadisticas::UltimoMesPaso1) {
            // Alt+E whatever the count of months: the "e" of "mes" or "meses".
            QString texto = f.captionUltimoMes();
            texto.insert(texto.lastIndexOf(QStringLiteral("mes")) + 1, u'&');
            c->setText(texto);
        }
    }
    for (QSlider* s : std::as_const(m_barras)) {
        const QSignalBlocker bloqueo(s);
        s->setMaximum(f.maximoMeses());
        s->setValue(f.meses());
        s->setVisible(f.barrasVisibles());
    }
}
