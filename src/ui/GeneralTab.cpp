#include "ui/GeneralTab.h"

#include "core/Resumen.h"
#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

GeneralTab::GeneralTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabGeneral"));
    auto* layout = new QVBoxLayout(this);

    auto* estado = new QGroupBox(this);
    estado->setObjectName(QStringLiteral("FrameEstado"));
    estado->setAccessibleName(QStringLiteral("Estado de peñas y sorteos"));
    auto* grid = new QGridLayout(estado);
    for (int i = 0; i < 8; ++i) {
        auto* l = new Etiqueta(estado);
        l->setRol(Etiqueta::Rol::Texto);
        l->setObjectName(QStringLiteral("Label9_%1").arg(i));
        connect(l, &Etiqueta::clicked, this, &GeneralTab::label9Pulsado);
        m_label9[static_cast<size_t>(i)] = l;
    }
    label9(0)->setText(QStringLiteral("- Peñas registradas a comprobar:"));
    label9(1)->setText(QStringLiteral("- Última actualización de sorteos:"));
    label9(4)->setText(QStringLiteral("- Próximo sorteo:"));
    label9(6)->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
    label9(6)->setVisible(false);
    // Blinking must not make the rows below jump.
    QSizePolicy keep = label9(6)->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    label9(6)->setSizePolicy(keep);
    grid->addWidget(label9(0), 0, 0);
    grid->addWidget(label9(2), 0, 1);
    grid->addWidget(label9(1), 1, 0);
    grid->addWidget(label9(3), 1, 1);
    grid->addWidget(label9(6), 2, 0, 1, 2);
    grid->addWidget(label9(4), 3, 0);
    grid->addWidget(label9(5), 3, 1);
    grid->addWidget(label9(7), 4, 1);
    layout->addWidget(estado);

    auto* contacto = new QHBoxLayout;
    m_command6 = new QPushButton(QStringLiteral("Ver m&ensaje"), this);
    m_command6->setObjectName(QStringLiteral("Command6"));
    auto* label5 = new Etiqueta(QStringLiteral("Aprieta y envíame un email"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setRol(Etiqueta::Rol::Enlace);
    label5->setCursor(Qt::PointingHandCursor);
    label5->setStyleSheet(QStringLiteral("color: #1b4f9c; text-decoration: underline;"));
    auto* picture1 = new Etiqueta(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAccessibleName(label5->text());
    picture1->setToolTip(label5->text());
    picture1->setCursor(Qt::PointingHandCursor);
    ImageList1::show(picture1, 20);
    m_label5 = label5;
    m_picture1 = picture1;
    contacto->addWidget(m_command6);
    contacto->addStretch(1);
    contacto->addWidget(picture1);
    contacto->addWidget(label5);
    layout->addLayout(contacto);
    connect(m_command6, &QPushButton::clicked, this, &GeneralTab::verMensaje);
    connect(label5, &Etiqueta::clicked, this, &GeneralTab::correoPulsado);
    connect(picture1, &Etiqueta::clicked, this, &GeneralTab::correoPulsado);

    auto* filtros = new QHBoxLayout;
    auto* rotulo = new QLabel(QStringLiteral("Nº. de sorteos a ver"), this);
    m_hScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll1->setRange(1, 1);
    m_hScroll1->setEnabled(false);
    // Arrows, Page Up/Down, Home and End move it as the mouse does: right and up for more.
    m_hScroll1->setFocusPolicy(Qt::StrongFocus);
    m_hScroll1->setInvertedControls(false);
    m_hScroll1->setAccessibleName(rotulo->text());
    m_text3 = new QLineEdit(QStringLiteral("1"), this);
    m_text3->setObjectName(QStringLiteral("Text3"));
    // A read-out of the scroll bar, not a box to type in.
    m_text3->setReadOnly(true);
    m_text3->setFocusPolicy(Qt::NoFocus);
    m_text3->setFrame(false);
    m_text3->setAlignment(Qt::AlignCenter);
    m_text3->setStyleSheet(QStringLiteral("background: transparent; font-weight: bold;"));
    m_text3->setAccessibleName(QStringLiteral("Sorteos a ver"));
    m_text3->setMaximumWidth(60);
    m_check1 = new QCheckBox(QStringLiteral("&Histórico"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check2 = new QCheckBox(QStringLiteral("Ver sólo si hay &premio"), this);
    m_check2->setObjectName(QStringLiteral("Check2"));
    filtros->addWidget(rotulo);
    filtros->addWidget(m_hScroll1, 1);
    filtros->addWidget(m_text3);
    filtros->addWidget(m_check1);
    filtros->addWidget(m_check2);
    layout->addLayout(filtros);
    connect(m_hScroll1, &QScrollBar::valueChanged, this,
            [this](int v) { m_text3->setText(QString::number(v)); });

    m_zonaResultados = new QVBoxLayout;
    layout->addLayout(m_zonaResultados, 1);

    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer2.setInterval(500);
    connect(&m_timer2, &QTimer::timeout, this, &GeneralTab::Timer2_Timer);
}

void GeneralTab::mostrarResumen(const ResumenVista& v) {
    label9(3)->setText(v.ultimaActualizacion);
    m_check1->setEnabled(v.hayDatos);
    m_check2->setEnabled(v.hayDatos);
    m_hScroll1->setEnabled(v.barraHabilitada);
    if (v.barraHabilitada)
        m_hScroll1->setMaximum(v.barraMaximo);
    label9(5)->setText(v.proximoSorteo);
    label9(7)->setText(v.faltan);
    if (v.recordatorio) {
        label9(6)->setText(v.recordatorioTexto);
        m_timer2.start();
    } else {
        m_timer2.stop();
        label9(6)->setVisible(false);
    }
}

void GeneralTab::Timer2_Timer() {
    label9(6)->setVisible(label9(6)->isHidden());
}
