#include "download/gui/UltimoSorteoTab.h"

#include "download/Escrutinio.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QPlainTextEdit>
#include <QVBoxLayout>

UltimoSorteoTab::UltimoSorteoTab(Escrutinio& escrutinio, QWidget* parent)
    : QWidget(parent), m_escrutinio(escrutinio) {
    setObjectName(QStringLiteral("SSTab1_1"));
    auto* layout = new QVBoxLayout(this);

    m_label8 = new QLabel(this);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setTextFormat(Qt::PlainText); // its date comes from the network reply
    m_label8->setAutoFillBackground(true);
    m_label8->setStyleSheet(QStringLiteral("font-weight: bold;"));
    fondoLabel8("#E0E0E0");
    layout->addWidget(m_label8);

    auto* premios = new QGroupBox(QStringLiteral("Premios por categoría"), this);
    premios->setObjectName(QStringLiteral("FramePremios"));
    auto* grid = new QGridLayout(premios);
    // The amounts come in the order of the operator's reply, and so do their captions.
    const QString categorias[6] = {
        QStringLiteral("Especial (6 Aciertos + R):"), QStringLiteral("1ª (6 Aciertos):"),
        QStringLiteral("2ª (5 Aciertos + C):"),       QStringLiteral("3ª (5 Aciertos):"),
        QStringLiteral("4ª (4 Aciertos):"),           QStringLiteral("5ª (3 Aciertos):")};
    for (int k = 0; k < 6; ++k) {
        auto* rotulo = new QLabel(categorias[k], premios);
        grid->addWidget(rotulo, k / 3, (k % 3) * 2);
        auto* importe = new QLabel(premios);
        importe->setObjectName(QStringLiteral("Label10_%1").arg(k));
        importe->setTextFormat(Qt::PlainText); // reply text is data, never markup
        importe->setTextInteractionFlags(Qt::TextSelectableByMouse);
        importe->setMinimumWidth(110);
        rotulo->setBuddy(importe);
        importe->setAccessibleName(categorias[k].chopped(1));
        m_label10[size_t(k)] = importe;
        grid->addWidget(importe, k / 3, (k % 3) * 2 + 1);
    }
    layout->addWidget(premios);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setAccessibleName(QStringLiteral("Aviso del informe"));
    m_text1->viewport()->installEventFilter(this);
    layout->addWidget(m_text1, 1);

    m_doc = new QPdfDocument(this);
    m_view = new QPdfView(this);
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->setDocument(m_doc);
    m_view->setAccessibleName(QStringLiteral("Informe del sorteo"));
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_view->setVisible(false);
    layout->addWidget(m_view, 1);

    connect(&m_escrutinio, &Escrutinio::cambiado, this, &UltimoSorteoTab::refrescar);
    connect(&m_escrutinio, &Escrutinio::mostrarInforme, this, &UltimoSorteoTab::mostrarInforme);
    refrescar();
}

void UltimoSorteoTab::refrescar() {
    m_label8->setText(m_escrutinio.label8());
    for (int k = 0; k < 6; ++k)
        m_label10[size_t(k)]->setText(m_escrutinio.label10(k));
    if (m_text1->toPlainText() != m_escrutinio.text1())
        m_text1->setPlainText(m_escrutinio.text1());
    m_text1->setVisible(m_escrutinio.text1Visible());
    m_view->setVisible(m_escrutinio.informeVisible());
}

void UltimoSorteoTab::mostrarInforme(const QString& ruta) {
    m_doc->close();
    if (m_doc->load(ruta) != QPdfDocument::Error::None || m_doc->pageCount() < 1) {
        m_doc->close();
        m_escrutinio.WebBrowser1_NavigateError();
    }
}

void UltimoSorteoTab::fondoLabel8(const char* color) {
    QPalette p = m_label8->palette();
    p.setColor(QPalette::Window, QColor(QLatin1String(color)));
    m_label8->setPalette(p);
}

void UltimoSorteoTab::alEntrar() {
    if (!m_escrutinio.text1Visible())
        return;
    m_label8->setText(QStringLiteral("Un momento. Actualizando información..."));
    fondoLabel8("#FF8000");
    if (QWidget* w = window())
        w->repaint();
    m_escrutinio.leeescrutinio(1);
    fondoLabel8("#E0E0E0");
}

bool UltimoSorteoTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_escrutinio.Text1_Click();
    return QWidget::eventFilter(watched, event);
}
