#include "stats/gui/FiltrosPaso1.h"

#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/EnlaceFiltros.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

FiltrosPaso1::FiltrosPaso1(SeleccionEstadisticas& seleccion, QWidget* parent)
    : QWidget(parent), m_seleccion(seleccion), m_enlace(new EnlaceFiltros(seleccion, this)) {
    setObjectName(QStringLiteral("FiltrosPaso1"));
    using F = FiltrosEstadisticas;
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    auto* dias = new QHBoxLayout;
    dias->addWidget(m_enlace->caja(F::LunesPaso1, QStringLiteral("&Lunes"), this));
    dias->addWidget(m_enlace->caja(F::JuevesPaso1, QStringLiteral("&Jueves"), this));
    dias->addWidget(m_enlace->caja(F::SabadoPaso1, QStringLiteral("&Sábado"), this));
    dias->addStretch(1);
    columna->addLayout(dias);
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(m_enlace->caja(F::TodosPaso1, QStringLiteral("&Todos"), this));
    periodo->addWidget(m_enlace->caja(F::UltimoMesPaso1, QStringLiteral("Último m&es"), this));
    m_slider1 = m_enlace->barra(1, this);
    periodo->addWidget(m_slider1, 1);
    columna->addLayout(periodo);
    m_label21 = new QLabel(this);
    m_label21->setObjectName(QStringLiteral("Label21"));
    m_label21->setWordWrap(true);
    columna->addWidget(m_label21);
    m_label27 = new QLabel(this);
    m_label27->setObjectName(QStringLiteral("Label27"));
    m_label27->setWordWrap(true);
    columna->addWidget(m_label27);

    connect(&m_seleccion, &SeleccionEstadisticas::seleccionCambiada, this, &FiltrosPaso1::muestraResumen);
    m_enlace->sincroniza();
    muestraResumen();
}

QCheckBox* FiltrosPaso1::check3(int caja) const {
    return findChild<QCheckBox*>(QStringLiteral("Check3_%1").arg(caja));
}

void FiltrosPaso1::habilita(bool si) {
    m_habilitado = si;
    using F = FiltrosEstadisticas;
    for (int caja : {F::TodosPaso1, F::UltimoMesPaso1, F::JuevesPaso1, F::SabadoPaso1, F::LunesPaso1})
        if (QCheckBox* c = check3(caja))
            c->setEnabled(si);
    m_slider1->setEnabled(si);
}

void FiltrosPaso1::muestraResumen() {
    m_label21->setText(m_seleccion.label21());
    m_label27->setText(m_seleccion.label27());
    // The boxes were just redrawn from the selection, which knows nothing of the lock.
    if (!m_habilitado)
        habilita(false);
}
