#include "stats/gui/InformeVentana.h"

#include "core/Permiso.h"
#include "core/Session.h"
#include "platform/Dialogs.h"
#include "platform/gui/ModalDialog.h"
#include "stats/AvisoBase.h"
#include "stats/BaseInforme.h"
#include "stats/DocumentoInforme.h"
#include "stats/Informe.h"
#include "stats/gui/AsistenteIcono.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Keeps a widget's enabled state equal to another's.
class EspejoHabilitado : public QObject {
  public:
    EspejoHabilitado(QWidget* origen, QWidget* copia) : QObject(copia), m_copia(copia) {
        origen->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::EnabledChange)
            m_copia->setEnabled(static_cast<QWidget*>(o)->isEnabled());
        return false;
    }

  private:
    QWidget* m_copia;
};

void avisa(Session& s, int error) {
    s.dialogs.message(informe::mensajeError(error), QStringLiteral("Error"), Dialogs::Icon::Information);
}
} // namespace

InformeVentana::InformeVentana(Session& s, const QString& html, const QString& titulo, QWidget* parent)
    : QWidget(parent), m_s(s) {
    setObjectName(QStringLiteral("VentanaInforme"));
    m_documento = new DocumentoInforme(html, this);
    const QString tituloDocumento = m_documento->metaInformation(QTextDocument::DocumentTitle);
    setWindowTitle(tituloDocumento.isEmpty() ? titulo : tituloDocumento);

    auto* layout = new QVBoxLayout(this);
    auto* botones = new QHBoxLayout;
    auto* imprime = new QPushButton(QStringLiteral("&Imprimir..."), this);
    imprime->setObjectName(QStringLiteral("Imprimir"));
    auto* pdf = new QPushButton(QStringLiteral("&Guardar como PDF..."), this);
    pdf->setObjectName(QStringLiteral("GuardarPdf"));
    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("Cerrar"));
    botones->addWidget(imprime);
    botones->addWidget(pdf);
    botones->addStretch(1);
    botones->addWidget(cerrar);
    layout->addLayout(botones);

    m_vista = new QTextBrowser(this);
    m_vista->setObjectName(QStringLiteral("Vista"));
    m_vista->setAccessibleName(windowTitle());
    m_vista->setOpenLinks(false);
    m_vista->setTabChangesFocus(true);
    m_vista->setDocument(m_documento);
    layout->addWidget(m_vista, 1);
    resize(760, 640);

    connect(imprime, &QPushButton::clicked, this, &InformeVentana::imprimir);
    connect(pdf, &QPushButton::clicked, this, &InformeVentana::guardarPdf);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
    // The window's one Escape: the main window adds none to a window that has this one,
    // and two shortcuts on one key would both be ambiguous and fire neither.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("Escape"));
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    elegirImpresora = [](QPrinter& p) {
        ModalDialog<QPrintDialog> dialogo(&p, modaldialog::owner());
        return dialogo.exec() == QDialog::Accepted;
    };
    elegirPdf = [] {
        ModalDialog<QFileDialog> dialogo(modaldialog::owner(), QStringLiteral("Guardar como PDF"), QString(),
                                         QStringLiteral("PDF (*.pdf)"));
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
            return QString();
        return dialogo.selectedFiles().constFirst();
    };
}

void InformeVentana::imprimir() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    // A closed printer dialog ends the job silently.
    if (elegirImpresora && elegirImpresora(printer))
        m_documento->print(&printer);
}

void InformeVentana::guardarPdf() {
    QString ruta = elegirPdf ? elegirPdf() : QString();
    if (ruta.isEmpty())
        return;
    if (!ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        ruta += QStringLiteral(".pdf");
    FalloEscritura fallo;
    if (!m_documento->guardaPdf(ruta, fallo))
        errorEscritura(m_s.dialogs, fallo);
}

void InformeVentana::Image2_Click(Session& s, int indice, const VentanasPenas& ventanas) {
    const QString nombre = informe::definicion(indice);
    const QString base = s.ruta(QString::fromLatin1(BaseInforme::kArchivo));
    const informe::Resultado r =
        informe::ejecuta(s.ruta(nombre), base, QString::fromLatin1(BaseInforme::kClave));
    if (r.error == informe::kBaseNoAbre && !QFileInfo(base).isFile()) {
        avisaErrorBase(s.dialogs, base, r.error);
        return;
    }
    // A busy database was already run again once; any failure left, that one included,
    // is told with its number.
    if (r.error != informe::kNinguno) {
        avisa(s, r.error);
        return;
    }
    auto* ventana = new InformeVentana(s, r.html, nombre);
    if (ventanas.mostrar) {
        ventanas.mostrar(ventana);
    } else {
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->show();
    }
}

QWidget* InformeVentana::instalaIconoPena(QWidget* pagina, Session& s, const VentanasPenas& ventanas) {
    QWidget* viejo = pagina ? pagina->findChild<QWidget*>(QStringLiteral("Image2_1")) : nullptr;
    QWidget* padre = viejo ? viejo->parentWidget() : nullptr;
    if (!padre || !padre->layout())
        return nullptr;
    // The frame "Informe": its caption beside the icon, so the row keeps its height.
    auto* frame13 = new QWidget(padre);
    frame13->setObjectName(QStringLiteral("Frame13"));
    frame13->setAccessibleName(QStringLiteral("Informe"));
    auto* icono = new AsistenteIcono(QStringLiteral("Image2_1"), QStringLiteral("Informe de la peña"), 4, 3,
                                     5, frame13);
    auto* l = new QHBoxLayout(frame13);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Informe"), frame13));
    l->addWidget(icono);
    delete padre->layout()->replaceWidget(viejo, frame13);
    // The page keeps enabling its own picture as peñas come and go; the icon follows it.
    viejo->setObjectName(QStringLiteral("Image2_1_pagina"));
    viejo->hide();
    icono->setEnabled(viejo->isEnabled());
    new EspejoHabilitado(viejo, icono);
    connect(icono, &AsistenteIcono::clicked, icono, [&s, ventanas] { Image2_Click(s, 1, ventanas); });
    return icono;
}
