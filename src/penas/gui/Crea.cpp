#include "penas/gui/Crea.h"

#include "core/Session.h"
#include "platform/gui/Etiqueta.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace {
constexpr int kTwipsPorPixel = 15;
} // namespace

CasillaNumero::CasillaNumero(int numero, QWidget* parent) : QWidget(parent), m_numero(numero) {
    setObjectName(QStringLiteral("Image1_%1").arg(numero - 1));
    setCursor(Qt::PointingHandCursor);
}

void CasillaNumero::setMarcada(bool m) {
    if (m != m_marcada) {
        m_marcada = m;
        update();
    }
}

void CasillaNumero::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect().adjusted(1, 1, -2, -2);
    p.setPen(QColor(0xD0, 0x30, 0x30));
    p.setBrush(QColor(0xFF, 0xF4, 0xF0));
    p.drawRect(r);
    p.drawText(r, Qt::AlignCenter, QString::number(m_numero));
    if (m_marcada) {
        p.setPen(QPen(QColor(0x10, 0x20, 0xA0), 2.5));
        p.drawLine(r.topLeft() + QPoint(3, 3), r.bottomRight() - QPoint(3, 3));
        p.drawLine(r.topRight() + QPoint(-3, 3), r.bottomLeft() + QPoint(3, -3));
    }
}

void CasillaNumero::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

Crea* Crea::crear(Session& s, const VentanasPenas& ventanas, std::function<double()> aleatorio) {
    auto* w = new Crea(s, ventanas, std::move(aleatorio));
    if (!w->m_editor.Form_Load()) {
        delete w;
        return nullptr;
    }
    w->pinta();
    return w;
}

Crea::Crea(Session& s, const VentanasPenas& ventanas, std::function<double()> aleatorio)
    : m_s(s), m_ventanas(ventanas), m_editor(s, std::move(aleatorio)) {
    setObjectName(QStringLiteral("Crea"));
    setWindowTitle(QStringLiteral("Crear peña nueva..."));
    auto* layout = new QGridLayout(this);

    auto* nombre = new QHBoxLayout;
    nombre->addWidget(new QLabel(QStringLiteral("Nombre de la Peña:"), this));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    nombre->addWidget(m_text1, 1);
    auto* label5 = new Etiqueta(QStringLiteral("X"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setCursor(Qt::PointingHandCursor);
    nombre->addWidget(label5);
    layout->addLayout(nombre, 0, 0, 1, 2);

    m_label4 = new QLabel(this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    layout->addWidget(m_label4, 1, 0, 1, 2);

    // The grid as on the paper ticket: five columns of ten rows, units digit 0 at the top,
    // the first column starting one row lower.
    auto* boleto = new QWidget(this);
    boleto->setObjectName(QStringLiteral("Picture1"));
    auto* rejilla = new QGridLayout(boleto);
    rejilla->setSpacing(2);
    for (int i = 0; i < 49; ++i) {
        const int numero = i + 1;
        auto* c = new CasillaNumero(numero, boleto);
        m_image1[static_cast<size_t>(i)] = c;
        rejilla->addWidget(c, numero % 10, numero / 10);
        connect(c, &CasillaNumero::clicked, this, [this, i] { m_editor.Image1_Click(i); });
    }
    layout->addWidget(boleto, 2, 0);

    auto* derecha = new QVBoxLayout;
    m_listView5 = new QTreeWidget(this);
    m_listView5->setObjectName(QStringLiteral("ListView5"));
    m_listView5->setHeaderLabels({QStringLiteral("Apuestas")});
    m_listView5->setRootIsDecorated(false);
    m_listView5->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_anchoColumna = 150;
    m_listView5->setColumnWidth(0, m_anchoColumna);
    derecha->addWidget(m_listView5, 1);
    auto* cuenta = new QHBoxLayout;
    cuenta->addWidget(new QLabel(QStringLiteral("-Apuestas:"), this));
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    cuenta->addWidget(m_label3, 1);
    derecha->addLayout(cuenta);

    auto* dias = new QGroupBox(this);
    auto* lDias = new QVBoxLayout(dias);
    const QString textos[5] = {QStringLiteral("Sólo jueves"), QStringLiteral("Sólo sábado"),
                               QStringLiteral("Jueves y sábado"), QStringLiteral("Sólo lunes"),
                               QStringLiteral("Todos (L+J+S)")};
    for (int i = 0; i < 5; ++i) {
        auto* o = new QRadioButton(textos[i], dias);
        o->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        m_option[static_cast<size_t>(i)] = o;
        lDias->addWidget(o);
        connect(o, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                m_editor.setOpcionDias(i + 1);
        });
    }
    m_option[4]->setChecked(true);
    derecha->addWidget(dias);

    auto* botones = new QHBoxLayout;
    m_command1 = new QPushButton(QStringLiteral("Grabar"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2 = new QPushButton(QStringLiteral("Borrar"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command3 = new QPushButton(QStringLiteral("Aleatorio"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    botones->addWidget(m_command1);
    botones->addWidget(m_command2);
    botones->addWidget(m_command3);
    derecha->addLayout(botones);

    // The controls of the edit mode stay hidden while creating.
    const char* soloEdicion[] = {"Command4", "Command5", "Text2", "Label6", "Label7"};
    for (const char* n : soloEdicion) {
        QWidget* w = QString::fromLatin1(n).startsWith(u'C') ? static_cast<QWidget*>(new QPushButton(this))
                     : QString::fromLatin1(n) == QStringLiteral("Text2")
                         ? static_cast<QWidget*>(new QLineEdit(this))
                         : static_cast<QWidget*>(new QLabel(this));
        w->setObjectName(QString::fromLatin1(n));
        w->hide();
    }
    auto* hScroll1 = new QScrollBar(Qt::Horizontal, this);
    hScroll1->setObjectName(QStringLiteral("HScroll1"));
    hScroll1->hide();
    layout->addLayout(derecha, 2, 1);

    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString& t) {
        const int cursor = m_text1->cursorPosition();
        const QString mayusculas = EditorPena::Text1_KeyPress(t);
        const QString queda = m_editor.Text1_Change(mayusculas);
        if (queda != m_text1->text()) {
            m_text1->setText(queda);
            m_text1->setCursorPosition(qMin(cursor, int(queda.size())));
        }
    });
    connect(m_command1, &QPushButton::clicked, this, [this] { m_editor.Command1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { m_editor.Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { m_editor.Command3_Click(); });
    connect(label5, &Etiqueta::clicked, this, &QWidget::close);

    m_editor.alCambiar = [this] { pinta(); };
    m_editor.alCerrar = [this] {
        if (!m_cerrando)
            close();
    };
}

void Crea::pinta() {
    for (int i = 0; i < 49; ++i)
        m_image1[static_cast<size_t>(i)]->setMarcada(m_editor.marcado(i));
    const QStringList& lista = m_editor.lista();
    if (m_listaPintada != lista) {
        m_listaPintada = lista;
        m_listView5->clear();
        for (const QString& a : lista)
            new QTreeWidgetItem(m_listView5, QStringList{a});
        m_listView5->scrollToBottom();
    }
    m_listView5->setColumnWidth(0, m_anchoColumna + m_editor.anchoExtraColumna() / kTwipsPorPixel);
    m_label3->setText(m_editor.label3());
    m_label4->setText(m_editor.label4());
    m_command1->setEnabled(m_editor.grabarHabilitado());
    m_command2->setEnabled(m_editor.borrarHabilitado());
    m_command3->setEnabled(m_editor.aleatorioHabilitado());
    if (m_text1->text() != m_editor.nombre())
        m_text1->setText(m_editor.nombre());
}

void Crea::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && m_ventanas.alActivarEditor)
        m_ventanas.alActivarEditor();
}

void Crea::closeEvent(QCloseEvent* e) {
    if (!m_cerrando) {
        m_cerrando = true;
        m_editor.cerrar();
    }
    e->accept();
}
