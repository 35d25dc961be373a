#include "ui/Configurar.h"

#include "core/Ajustes.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "platform/gui/Etiqueta.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

Configurar::Configurar(Session& s, std::function<void(int)> fijarMaximoPeriodo, QWidget* parent)
    : QWidget(parent), m_s(s), m_fijarMaximoPeriodo(std::move(fijarMaximoPeriodo)) {
    setObjectName(QStringLiteral("Configurar"));
    setWindowTitle(QStringLiteral("Configurar"));
    auto* grid = new QGridLayout(this);

    auto* titulo = new QLabel(QStringLiteral("CONFIGURACIÓN"), this);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    titulo->setFont(f);
    grid->addWidget(titulo, 0, 0, 1, 3);
    auto* label2 = new Etiqueta(QStringLiteral("X"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setAccessibleName(QStringLiteral("Cerrar"));
    label2->setToolTip(QStringLiteral("Cerrar"));
    label2->setCursor(Qt::PointingHandCursor);
    label2->setFont(f);
    grid->addWidget(label2, 0, 3, Qt::AlignRight | Qt::AlignTop);

    auto caja = [this](const char* nombre, const QString& rotulo) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nombre));
        e->setAccessibleName(rotulo);
        e->setMaximumWidth(80);
        return e;
    };
    const QString precio = QStringLiteral("-Precio por apuesta:");
    const QString meses = QStringLiteral("-Sorteo max. división:");
    m_text1 = caja("Text1", precio);
    m_text2 = caja("Text2", meses);
    grid->addWidget(new QLabel(precio, this), 1, 0);
    grid->addWidget(m_text1, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("euros."), this), 1, 2);
    grid->addWidget(new QLabel(meses, this), 2, 0);
    grid->addWidget(m_text2, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("meses,"), this), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("* Mínimo 2 meses"), this), 3, 1, 1, 3);

    m_text1->setFocus(); // the window opens on the price
    connect(label2, &Etiqueta::clicked, this, &Configurar::Label2_Click);
    connect(m_text1, &QLineEdit::textChanged, this, &Configurar::Text1_Change);
    connect(m_text2, &QLineEdit::textChanged, this, &Configurar::Text2_Change);
    // Filling the boxes runs their change handlers once: the record is written again and
    // the sliders take the month count.
    m_text1->setText(ajustes::textoPrecio(m_s.cfg.precio));
    m_text2->setText(ajustes::textoMeses(m_s.cfg.meses));
}

// A failed write is told once, not at every keystroke, until a write succeeds again.
void Configurar::grabar() {
    const bool grabado = m_s.files.numsIni.put(1, m_s.cfg);
    if (!grabado && !m_falloAvisado)
        errorEscritura(m_s.dialogs, {m_s.files.numsIni.path(), m_s.files.numsIni.error()});
    m_falloAvisado = !grabado;
}

void Configurar::Text1_Change() {
    if (const auto reponer = ajustes::cambiaPrecio(m_s.cfg, m_text1->text()))
        m_text1->setText(*reponer);
    grabar();
}

void Configurar::Text2_Change() {
    if (const auto reponer = ajustes::cambiaMeses(m_s.cfg, m_text2->text()))
        m_text2->setText(*reponer);
    if (m_fijarMaximoPeriodo)
        m_fijarMaximoPeriodo(m_s.cfg.meses);
    grabar();
}

void Configurar::Label2_Click() {
    close();
}
