#include "download/gui/DescargaStrip.h"

#include "download/Descarga.h"
#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

DescargaStrip::DescargaStrip(Descarga& descarga, QWidget* parent) : QWidget(parent), m_descarga(descarga) {
    setObjectName(QStringLiteral("FrameDescarga"));
    setAccessibleName(QStringLiteral("Descarga de sorteos"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* picture2 = new Etiqueta(this);
    connect(picture2, &Etiqueta::clicked, &m_descarga, &Descarga::Picture2_Click);
    m_picture2 = picture2;
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setFixedSize(116, 76);
    m_picture2->setCursor(Qt::PointingHandCursor);
    m_picture2->setToolTip(QStringLiteral("Bajar Sorteos nuevos"));
    m_picture2->setAccessibleName(m_picture2->toolTip());
    m_picture2->setMouseTracking(true);
    m_picture2->installEventFilter(this);
    layout->addWidget(m_picture2);

    auto* estado = new QVBoxLayout;
    m_label6 = new QLabel(this);
    m_label6->setObjectName(QStringLiteral("Label6"));
    m_label6->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 5);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Progreso de la descarga"));
    auto* cifras = new QHBoxLayout;
    m_label58 = new QLabel(this);
    m_label58->setObjectName(QStringLiteral("Label58"));
    m_label59 = new QLabel(this);
    m_label59->setObjectName(QStringLiteral("Label59"));
    m_label59->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    cifras->addWidget(m_label58);
    cifras->addStretch(1);
    cifras->addWidget(m_label59);
    estado->addWidget(m_label6);
    estado->addWidget(m_progress);
    estado->addLayout(cifras);
    layout->addLayout(estado, 1);

    connect(&m_descarga, &Descarga::cambiado, this, &DescargaStrip::refrescar);
    refrescar();
}

void DescargaStrip::refrescar() {
    if (m_imagenMostrada != m_descarga.imagen()) {
        m_imagenMostrada = m_descarga.imagen();
        ImageList1::show(m_picture2, m_imagenMostrada);
    }
    m_progress->setValue(m_descarga.progreso());
    m_label58->setText(m_descarga.fase == 0 ? QString() : QString::number(m_descarga.label58()));
    // The window thread stays busy during the fetch and the import: draw the texts now.
    if (m_label6->text() != m_descarga.label6()) {
        m_label6->setText(m_descarga.label6());
        m_label6->repaint();
    }
    if (m_label59->text() != m_descarga.label59()) {
        m_label59->setText(m_descarga.label59());
        m_label59->repaint();
    }
}

void DescargaStrip::Picture2_MouseMove(const QPoint& p) {
    const bool dentro = p.x() >= 6 && p.x() < 110 && p.y() >= 12 && p.y() < 70;
    m_descarga.setImagen(dentro ? 1 : 2);
}

bool DescargaStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture2) {
        switch (event->type()) {
        case QEvent::MouseMove:
            Picture2_MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::Leave:
            m_descarga.setImagen(2);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
