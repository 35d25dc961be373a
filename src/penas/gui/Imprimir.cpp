#include "penas/gui/Imprimir.h"

#include "core/Session.h"
#include "platform/gui/QtPrinter.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

static void cargarRecursos() {
    Q_INIT_RESOURCE(penas);
}

namespace {

QLabel* rotulo(const QString& texto, QWidget* padre, bool negrita = false) {
    auto* l = new QLabel(texto, padre);
    if (negrita) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QLabel* lectura(const QString& nombre, const QString& texto, QWidget* padre) {
    auto* l = rotulo(texto, padre, true);
    l->setObjectName(nombre);
    return l;
}

} // namespace

Imprimir::Imprimir(Session& s, QWidget* parent) : QWidget(parent), m_s(s), m_boletos(s) {
    cargarRecursos();
    setObjectName(QStringLiteral("Imprimir"));
    setWindowTitle(QStringLiteral("Imprimir boletos"));
    auto* layout = new QGridLayout(this);

    auto* datos = new QGroupBox(this);
    datos->setAccessibleName(QStringLiteral("Impresión de los números de la peña"));
    auto* lDatos = new QGridLayout(datos);
    lDatos->addWidget(rotulo(QStringLiteral("IMPRESIÓN DE LOS NÚMEROS DE LA PEÑA:"), datos, true), 0, 0, 1,
                      2);
    lDatos->addWidget(lectura(QStringLiteral("Label10"), m_boletos.label10(), datos), 1, 0, 1, 2);
    const QString rotulos[3] = {QStringLiteral("-Total apuestas:"),
                                QStringLiteral("-Nº de boletos oficiales que necesita:"),
                                QStringLiteral("-Asegúrese que el papel sea para jugar los:")};
    for (int i = 0; i < 3; ++i) {
        lDatos->addWidget(rotulo(rotulos[i], datos), i + 2, 0);
        lDatos->addWidget(lectura(QStringLiteral("Label2_%1").arg(i), m_boletos.label2(i), datos), i + 2, 1);
    }
    auto* joker = new QHBoxLayout;
    joker->addWidget(rotulo(QStringLiteral("-Jugar al"), datos));
    m_check1 = new QCheckBox(QStringLiteral("&Joker"), datos);
    m_check1->setObjectName(QStringLiteral("Check1"));
    joker->addWidget(m_check1);
    joker->addStretch(1);
    lDatos->addLayout(joker, 5, 0, 1, 2);
    layout->addWidget(datos, 0, 0);

    auto* correccion = new QGroupBox(QStringLiteral("Corrección margen impresora:"), this);
    auto* lCorreccion = new QGridLayout(correccion);
    const QString ejes[2] = {QStringLiteral("X"), QStringLiteral("Y")};
    for (int i = 0; i < 2; ++i) {
        auto* caja = new QLineEdit(m_boletos.textoMargen(i), correccion);
        caja->setObjectName(QStringLiteral("Text1_%1").arg(i));
        caja->setAccessibleName(QStringLiteral("Corrección %1 en mm.").arg(ejes[i]));
        caja->setMaximumWidth(80);
        caja->installEventFilter(this);
        m_text1[static_cast<size_t>(i)] = caja;
        lCorreccion->addWidget(rotulo(ejes[i], correccion, true), i, 0);
        lCorreccion->addWidget(caja, i, 1);
        lCorreccion->addWidget(rotulo(QStringLiteral("mm."), correccion), i, 2);
        connect(caja, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            const std::array<QString, 2> cajas = m_boletos.Text1_Change(i, t);
            for (size_t k = 0; k < 2; ++k)
                if (m_text1[k]->text() != cajas[k])
                    m_text1[k]->setText(cajas[k]);
        });
    }
    layout->addWidget(correccion, 1, 0);

    auto* botones = new QVBoxLayout;
    auto* command1 = new QPushButton(QStringLiteral("Imprimir en papel &oficial"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setToolTip(
        QStringLiteral("Ajuste la X yla Y para que las \"x\" coincidan en las casillas. También "
                       "depende del papel oficial ya que aveces estan cortados irregularmente."));
    auto* command2 = new QPushButton(QStringLiteral("Imprimir en papel &normal"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setToolTip(
        QStringLiteral("Imprime en papel normal una participación compatible con el sistema oficial!"));
    botones->addWidget(command1);
    botones->addWidget(command2);
    botones->addStretch(1);
    layout->addLayout(botones, 2, 0);
    connect(command1, &QPushButton::clicked, this, &Imprimir::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Imprimir::Command2_Click);

    auto* instrucciones = new QGroupBox(this);
    instrucciones->setAccessibleName(QStringLiteral("Instrucciones para papel oficial"));
    auto* lInstr = new QVBoxLayout(instrucciones);
    lInstr->addWidget(rotulo(QStringLiteral("Instrucciones para papel oficial:"), instrucciones, true));
    auto* imagen = new QLabel(instrucciones);
    imagen->setPixmap(QIcon(QStringLiteral(":/penas/papel-oficial.svg")).pixmap(QSize(300, 220)));
    imagen->setObjectName(QStringLiteral("Image1"));
    imagen->setAccessibleName(QStringLiteral("Cómo insertar el papel oficial en la impresora"));
    lInstr->addWidget(imagen, 0, Qt::AlignHCenter);
    auto* texto = rotulo(
        QStringLiteral(
            "Inserte el papel oficial en la impresora de la forma indicada en la imagen. Tenga en cuenta "
            "que tendrá que modificar los valores X e Y, según modelo de impresora. X=Distancia horizontal "
            "al centro de la casilla Nº 1 - margen X por defecto de la impresora. Y= Distancia vertical al "
            "centro de la casilla Nº1 - margen Y por defecto de tu impresora."),
        instrucciones);
    texto->setWordWrap(true);
    lInstr->addWidget(texto);
    layout->addWidget(instrucciones, 0, 1, 3, 1);
    layout->setColumnStretch(1, 1);
}

Imprimir::~Imprimir() = default;

void Imprimir::Command1_Click() {
    imprime(ImpresionBoletos::PapelOficial);
}
void Imprimir::Command2_Click() {
    imprime(ImpresionBoletos::PapelNormal);
}

void Imprimir::imprime(ImpresionBoletos::Modo modo) {
    if (!m_servicio) {
        m_servicioPropio = std::make_unique<QtPrintService>();
        m_servicio = m_servicioPropio.get();
    }
    m_boletos.imprime(*m_servicio, modo, m_check1->isChecked());
}

bool Imprimir::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        for (size_t i = 0; i < 2; ++i)
            if (o == m_text1[i]) {
                const QString queda = m_boletos.Text1_LostFocus(int(i), m_text1[i]->text());
                if (queda != m_text1[i]->text())
                    m_text1[i]->setText(queda);
            }
    }
    return QWidget::eventFilter(o, e);
}
