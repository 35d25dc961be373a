#include "ui/Presentacion.h"

#include "platform/gui/Accesible.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The pictures are compiled into a static library; make sure the linker keeps them.
static void cargarRecursos() { Q_INIT_RESOURCE(velmorat); }

Presentacion::Presentacion(QWidget* parent) : QWidget(parent) {
    cargarRecursos();
    setObjectName(QStringLiteral("Presentacion"));
    setWindowTitle(QStringLiteral("Presentación"));
    for (int i = 1; i <= 8; ++i)
        m_imageList1.append(QPixmap(QStringLiteral(":/pictures/presentacion%1.svg").arg(i)));

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture"));
    instalarAccesibilidad();
    marcarDecorativa(m_picture);
    m_picture->setPixmap(m_imageList1.first());
    m_picture->setFixedSize(m_imageList1.first().size());
    m_command1 = new QPushButton(QStringLiteral("&Entrar"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setVisible(false);
    m_command1->setAutoDefault(true); // Return presses it

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture);
    layout->addWidget(m_command1, 0, Qt::AlignHCenter);

    connect(m_command1, &QPushButton::clicked, this, &Presentacion::Command1_Click);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(150);
    connect(&m_timer1, &QTimer::timeout, this, &Presentacion::Timer1_Timer);
    m_timer1.start();
}

void Presentacion::Timer1_Timer() {
    if (m_fotograma < 9) {
        m_picture->setPixmap(m_imageList1.at(m_fotograma - 1));
        ++m_fotograma;
        if (m_fotograma == 9) {
            m_fotograma = 10;
            m_command1->setVisible(true);
            m_command1->setFocus();
        }
    }
    ++m_tiempo;
    if (m_tiempo == 60)
        Command1_Click();
}

void Presentacion::Command1_Click() {
    // Stopping first means the automatic entry can never follow a click, nor a second click
    // show the main window again.
    if (!m_timer1.isActive())
        return;
    m_timer1.stop();
    emit entrar();
}

QPixmap Presentacion::picture() const { return m_picture->pixmap(); }
