#include "penas/gui/CrearCombinacionTab.h"

#include "core/Session.h"
#include "penas/gui/Creamenu.h"
#include "platform/gui/Accesible.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CrearCombinacionTab::CrearCombinacionTab(Session& s, VentanasPenas ventanas, QWidget* parent)
    : QWidget(parent), m_s(s), m_ventanas(std::move(ventanas)) {
    setObjectName(QStringLiteral("SSTab1_4"));
    auto* layout = new QVBoxLayout(this);

    auto etiqueta = [this, layout](const char* nombre, const QString& texto) {
        auto* l = new QLabel(texto, this);
        l->setObjectName(QString::fromLatin1(nombre));
        l->setWordWrap(true);
        layout->addWidget(l);
        m_introduccion.append(l);
        return l;
    };
    QLabel* titulo = etiqueta("Label56", QStringLiteral("Creación de una Peña nueva"));
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    titulo->setFont(f);
    auto* image6 = new QLabel(this);
    image6->setObjectName(QStringLiteral("Image6"));
    marcarDecorativa(image6);
    image6->setPixmap(style()->standardIcon(QStyle::SP_FileDialogNewFolder).pixmap(48, 48));
    layout->addWidget(image6);
    m_introduccion.append(image6);
    etiqueta("Label54", QStringLiteral("- Seleccione el modo de creación de la peña:"));

    auto* command4 = new QPushButton(QStringLiteral("&Manual"), this);
    command4->setObjectName(QStringLiteral("Command4"));
    layout->addWidget(command4);
    m_introduccion.append(command4);
    etiqueta("Label33",
             QStringLiteral("Introduzca los números manualmente. Cree la peña Reducida, Múltiple o Sencilla, "
                            "con los números que usted desee."));
    auto* command9 = new QPushButton(QStringLiteral("&Automática"), this);
    command9->setObjectName(QStringLiteral("Command9"));
    layout->addWidget(command9);
    m_introduccion.append(command9);
    etiqueta("Label53",
             QStringLiteral("Deje que el ordenador confeccione las apuestas de su peña, a partir de los "
                            "números que más salen de la base de datos de los sorteos almacenados en el "
                            "programa."));
    etiqueta("Label55",
             QStringLiteral("Puede crear peñas Sencillas, Múltiples y Reducidas, así como ver o imprimir un "
                            "informe estadístico."));

    auto marco = [this, layout](const char* nombre, const QString& titulo) {
        auto* g = new QGroupBox(titulo, this);
        g->setObjectName(QString::fromLatin1(nombre));
        g->setLayout(new QVBoxLayout);
        g->hide();
        layout->addWidget(g, 1);
        return g;
    };
    m_frame12 = marco("Frame12", QStringLiteral("Paso 1"));
    m_frame6 = marco("Frame6", QStringLiteral("Paso 2"));
    m_frame7 = marco("Frame7", QStringLiteral("Paso 3"));
    layout->addStretch(1);

    connect(command4, &QPushButton::clicked, this, &CrearCombinacionTab::Command4_Click);
    connect(command9, &QPushButton::clicked, this, &CrearCombinacionTab::Command9_Click);
}

void CrearCombinacionTab::Command4_Click() {
    m_s.contApuestas = 0;
    if (m_ventanas.descargar)
        m_ventanas.descargar(QStringLiteral("Creamenu"));
    auto* menu = new Creamenu(m_s, m_ventanas);
    if (m_ventanas.mostrar)
        m_ventanas.mostrar(menu);
    else
        menu->show();
}

void CrearCombinacionTab::Command9_Click() {
    for (QWidget* w : std::as_const(m_introduccion))
        w->hide();
    m_frame12->show();
    m_frame6->show();
    m_frame7->show();
    // The wizard starts at step 1 (the frame hands the focus to its first box), also when
    // the button was pressed by its letter from elsewhere.
    m_frame12->setFocus();
}

void CrearCombinacionTab::restauraIntroduccion() {
    for (QWidget* w : std::as_const(m_introduccion))
        w->show();
    m_frame12->hide();
    m_frame6->hide();
    m_frame7->hide();
}
