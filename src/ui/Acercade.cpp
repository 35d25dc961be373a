#include "ui/Acercade.h"

#include "core/Records.h"
#include "core/Version.h"
#include "core/VersionSistema.h"
#include "download/EnlacesWeb.h"
#include "download/Trae.h"
#include "platform/UrlOpener.h"
#include "platform/gui/Accesible.h"
#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"

#include <QVBoxLayout>

namespace {
constexpr int kLogo = 12;
} // namespace

Acercade::Acercade(const Config& cfg, UrlOpener& urls, QWidget* parent)
    : QWidget(parent), m_urls(urls), m_web(enlaces::web(cfg)) {
    setObjectName(QStringLiteral("Acercade"));
    setWindowTitle(nombreYVersion());
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    marcarDecorativa(picture);
    picture->setPixmap(ImageList1::picture(kLogo).scaledToWidth(320, Qt::SmoothTransformation));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    auto* version = new QLabel(nombreYVersion(), this);
    QFont f = version->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    version->setFont(f);
    layout->addWidget(version, 0, Qt::AlignHCenter);

    m_label4 = new QLabel(QStringLiteral("S.O: ") + VersionToName(NativeGetVersion()), this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    layout->addWidget(m_label4, 0, Qt::AlignHCenter);

    const QString enlace = QStringLiteral("color: #1b4f9c; text-decoration: underline;");
    auto* label2 = new Etiqueta(m_web, this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setRol(Etiqueta::Rol::Enlace);
    label2->setAccessibleName(m_web);
    label2->setCursor(Qt::PointingHandCursor);
    label2->setStyleSheet(enlace);
    auto* label3 = new Etiqueta(QLatin1String(kCorreoContacto), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setRol(Etiqueta::Rol::Enlace);
    label3->setAccessibleName(QLatin1String(kCorreoContacto));
    label3->setCursor(Qt::PointingHandCursor);
    label3->setStyleSheet(enlace);
    layout->addWidget(label2, 0, Qt::AlignHCenter);
    layout->addWidget(label3, 0, Qt::AlignHCenter);
    connect(label2, &Etiqueta::clicked, this, &Acercade::Label2_Click);
    connect(label3, &Etiqueta::clicked, this, &Acercade::Label3_Click);
}

void Acercade::Label2_Click() {
    m_urls.open(m_web);
}
void Acercade::Label3_Click() {
    m_urls.open(enlaces::correo());
}
