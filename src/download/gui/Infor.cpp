#include "download/gui/Infor.h"

#include "core/CheckedRead.h"
#include "core/Cp1252.h"
#include "download/Aviso.h"
#include "download/EnlacesWeb.h"
#include "download/Trae.h"
#include "platform/UrlOpener.h"
#include "platform/gui/Accesible.h"
#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QScreen>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {
constexpr int kLogo = 12;
constexpr int kMarqueeIzquierda = 16;
constexpr int kMarqueeDerecha = 254;
constexpr qsizetype kRicoMaximo = 64 * 1024;
constexpr int kMarcasMaximas = 3000;
constexpr int kTablasAnidadas = 3;
constexpr qsizetype kPalabraMaxima = 1000;
} // namespace

VisorAviso::VisorAviso(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

// An empty picture in place of every image keeps the layout without a broken-image mark.
QVariant VisorAviso::loadResource(int type, const QUrl&) {
    if (type != QTextDocument::ImageResource)
        return {};
    QImage vacia(1, 1, QImage::Format_ARGB32_Premultiplied);
    vacia.fill(Qt::transparent);
    return vacia;
}

QString VisorAviso::texto(const QByteArray& pagina) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8.decode(pagina);
    if (!utf8.hasError())
        return t;
    return cp1252::decode(pagina);
}

bool VisorAviso::enRicoSinEspera(const QString& pagina) {
    if (pagina.size() > kRicoMaximo)
        return false;
    int profundidad = 0, marcas = 0;
    qsizetype palabra = 0;
    for (qsizetype i = 0; i < pagina.size(); ++i) {
        const QChar c = pagina.at(i);
        palabra = c.isSpace() ? 0 : palabra + 1;
        if (palabra > kPalabraMaxima)
            return false;
        if (c != u'<')
            continue;
        if (++marcas > kMarcasMaximas)
            return false;
        const QStringView resto = QStringView(pagina).mid(i + 1, 6);
        if (resto.startsWith(u"table", Qt::CaseInsensitive) && ++profundidad > kTablasAnidadas)
            return false;
        if (resto.startsWith(u"/table", Qt::CaseInsensitive) && profundidad > 0)
            --profundidad;
    }
    return true;
}

void VisorAviso::mostrar(const QString& pagina) {
    if (enRicoSinEspera(pagina)) {
        setHtml(pagina);
        return;
    }
    QString t;
    t.reserve(pagina.size());
    bool enMarca = false;
    for (const QChar c : pagina) {
        if (c == u'<')
            enMarca = true;
        else if (c == u'>' && enMarca)
            enMarca = false, t += u' ';
        else if (!enMarca)
            t += c;
    }
    // Long runs without a blank break anywhere, or their layout takes minutes.
    setWordWrapMode(QTextOption::WrapAnywhere);
    setPlainText(t);
}

Infor::Infor(const QString& rutaInforme, UrlOpener& urls, QWidget* parent) : QWidget(parent), m_urls(urls) {
    setObjectName(QStringLiteral("Infor"));
    setWindowTitle(QStringLiteral("Noticias del jefe..."));
    // A dialog of its owner, the main window: the window manager keeps it over that window and
    // not over the windows the user opens after it.
    setWindowFlags(Qt::Dialog);
    resize(640, 480);

    auto* layout = new QVBoxLayout(this);
    auto* cabecera = new QHBoxLayout;
    auto* picture = new QLabel(this);
    marcarDecorativa(picture);
    picture->setPixmap(ImageList1::picture(kLogo).scaledToHeight(48, Qt::SmoothTransformation));
    cabecera->addWidget(picture);
    cabecera->addStretch(1);
    auto* label3 = new Etiqueta(QStringLiteral("X"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setAccessibleName(QStringLiteral("Cerrar"));
    label3->setToolTip(QStringLiteral("Cerrar"));
    label3->setCursor(Qt::PointingHandCursor);
    QFont negrita = label3->font();
    negrita.setBold(true);
    negrita.setPointSize(14);
    label3->setFont(negrita);
    cabecera->addWidget(label3, 0, Qt::AlignTop);
    layout->addLayout(cabecera);

    m_webBrowser1 = new VisorAviso(this);
    m_webBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    m_webBrowser1->setAccessibleName(QStringLiteral("Noticias"));
    layout->addWidget(m_webBrowser1, 1);

    // The address moves freely inside its strip; no layout places it.
    auto* franja = new QWidget(this);
    franja->setAccessibleName(QStringLiteral("Contacto"));
    m_label1 = new Etiqueta(QLatin1String(kCorreoContacto), franja);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setRol(Etiqueta::Rol::Enlace);
    m_label1->setAccessibleName(QLatin1String(kCorreoContacto));
    m_label1->setToolTip(QStringLiteral("Escríbeme un email"));
    m_label1->setCursor(Qt::PointingHandCursor);
    m_label1->setStyleSheet(QStringLiteral("color: #1b4f9c; text-decoration: underline;"));
    m_label1->adjustSize();
    m_label1->move(kMarqueeIzquierda, 2);
    franja->setMinimumSize(kMarqueeDerecha + m_label1->width() + 20, m_label1->height() + 4);
    layout->addWidget(franja);

    connect(label3, &Etiqueta::clicked, this, &Infor::Label3_Click);
    connect(m_label1, &Etiqueta::clicked, this, &Infor::Label1_Click);
    connect(m_webBrowser1, &QTextBrowser::anchorClicked, this, &Infor::abrirEnlace);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &Infor::Timer1_Timer);

    Form_Load(rutaInforme);
}

void Infor::Form_Load(const QString& rutaInforme) {
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().topLeft());
    m_paso = 1;
    const QByteArray pagina = checkedread::read(rutaInforme, Aviso::kMaximo).data;
    if (pagina.size() > kMinimoPagina)
        m_webBrowser1->mostrar(VisorAviso::texto(pagina));
    else
        m_webBrowser1->hide();
    m_timer1.start();
}

void Infor::Timer1_Timer() {
    m_label1->move(m_label1->x() + m_paso, m_label1->y());
    if (m_label1->x() > kMarqueeDerecha)
        m_paso = -10;
    if (m_label1->x() < kMarqueeIzquierda)
        m_paso = 10;
}

void Infor::Label1_Click() {
    m_urls.open(enlaces::correo());
    close();
}

void Infor::Label3_Click() {
    close();
}

// Links of the page open in the user's browser or mail program; other kinds of address
// (local files, program schemes) are not followed.
void Infor::abrirEnlace(const QUrl& url) {
    const QString esquema = url.scheme().toLower();
    if (esquema == u"http" || esquema == u"https" || esquema == u"mailto")
        m_urls.open(url.toString());
}
