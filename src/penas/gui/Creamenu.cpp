#include "penas/gui/Creamenu.h"

#include "core/Session.h"
#include "penas/gui/Crea.h"
#include "platform/gui/Etiqueta.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

namespace {
// The container of the decorative marks: an object without children and not shown.
class AdornosAccesibles : public QAccessibleWidget {
  public:
    explicit AdornosAccesibles(QWidget* w) : QAccessibleWidget(w) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::State state() const override {
        QAccessible::State e = QAccessibleWidget::state();
        e.invisible = true;
        return e;
    }
};

QAccessibleInterface* accesibleAdornos(const QString& clase, QObject* o) {
    if (clase == QLatin1String("QWidget") && o && o->objectName() == QLatin1String("Adornos") &&
        qobject_cast<Creamenu*>(o->parent()))
        return new AdornosAccesibles(static_cast<QWidget*>(o));
    return nullptr;
}

// A control that appears later keeps its place while hidden, so the others do not move then.
void guardaSitio(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}
} // namespace

const QStringList& Creamenu::multiples() {
    static const QStringList l = {
        QStringLiteral("7 números (7 apuestas)"),    QStringLiteral("8 números (28 apuestas)"),
        QStringLiteral("5 números (44 apuestas)"),   QStringLiteral("9 números (84 apuestas)"),
        QStringLiteral("10 números (210 apuestas)"), QStringLiteral("11 números (462 apuestas)")};
    return l;
}

Creamenu::Creamenu(Session& s, VentanasPenas ventanas, QWidget* parent)
    : QWidget(parent), m_s(s), m_ventanas(std::move(ventanas)) {
    setObjectName(QStringLiteral("Creamenu"));
    setWindowTitle(QStringLiteral("Menú creación"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE8, 0xF0, 0xFF));
    setPalette(pal);

    setMinimumSize(440, 160);
    auto* layout = new QGridLayout(this);
    auto* label2 = new QLabel(QStringLiteral("SELECCIONE UN MODO DE APUESTA:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(label2, 0, 0, 1, 3);
    auto* label3 = new Etiqueta(QStringLiteral("X"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setCursor(Qt::PointingHandCursor);
    label3->setAccessibleName(QStringLiteral("Cerrar"));
    layout->addWidget(label3, 0, 3, Qt::AlignRight);
    connect(label3, &Etiqueta::clicked, this, &QWidget::close);

    const QString textos[3] = {QStringLiteral("&Múltiple"), QStringLiteral("&Sencilla"),
                               QStringLiteral("&Reducida")};
    for (int i = 0; i < 3; ++i) {
        auto* o = new QRadioButton(textos[i], this);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_option1[static_cast<size_t>(i)] = o;
        layout->addWidget(o, 1, i);
        connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    // Not editable: a click anywhere on it, its text too, opens the list.
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setPlaceholderText(QStringLiteral("Tablas de reducciones"));
    m_combo1->setAccessibleName(QStringLiteral("Apuesta a crear"));
    guardaSitio(m_combo1);
    m_combo1->hide();
    layout->addWidget(m_combo1, 2, 0, 1, 4);
    connect(m_combo1, &QComboBox::activated, this, &Creamenu::Combo1_Click);
    setTabOrder(m_combo1, label3); // the close mark is reached last

    // A row of "x" marks that mean nothing: kept away from screen readers.
    static const bool fabrica = [] {
        QAccessible::installFactory(accesibleAdornos);
        return true;
    }();
    Q_UNUSED(fabrica);
    auto* fila = new QWidget(this);
    fila->setObjectName(QStringLiteral("Adornos"));
    auto* adornos = new QHBoxLayout(fila);
    adornos->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 18; ++i) {
        auto* l = new QLabel(QStringLiteral("x"), fila);
        l->setObjectName(QStringLiteral("Label1_%1").arg(i));
        guardaSitio(l);
        l->hide();
        m_label1[static_cast<size_t>(i)] = l;
        adornos->addWidget(l);
    }
    layout->addWidget(fila, 3, 0, 1, 4);

    // Placed by the main window's position: 3200 twips across and 2800 down, at the screen's
    // logical resolution (1440 twips an inch).
    if (m_ventanas.origenPrincipal) {
        const QScreen* pantalla = screen();
        const qreal dpiX = pantalla ? pantalla->logicalDotsPerInchX() : 96,
                    dpiY = pantalla ? pantalla->logicalDotsPerInchY() : 96;
        move(m_ventanas.origenPrincipal() + QPoint(qRound(3200 * dpiX / 1440), qRound(2800 * dpiY / 1440)));
    }
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(500);
    connect(&m_timer1, &QTimer::timeout, this, &Creamenu::Timer1_Timer);
    m_timer1.start();
}

void Creamenu::Timer1_Timer() {
    if (m_etiqueta < 18)
        m_label1[static_cast<size_t>(m_etiqueta)]->show();
    ++m_etiqueta;
    if (m_etiqueta >= 18)
        m_timer1.stop();
}

void Creamenu::Option1_Click(int indice) {
    m_option1[static_cast<size_t>(indice)]->setChecked(true);
    if (indice == 1) {
        m_s.codMultiple = 0;
        abreEditor();
        close();
    } else {
        llenacombo(indice == 2 ? 2 : 1);
    }
}

void Creamenu::llenacombo(int tipo) {
    m_llenando = true;
    m_combo1->clear();
    if (tipo == 2) {
        for (const tablas::Cabecera& c : tablas::cabeceras(m_s.ruta(QStringLiteral("tablas.bin"))))
            m_combo1->addItem(tablas::textoCombo(c));
        m_combo1->setCurrentIndex(-1);
        m_combo1->setPlaceholderText(QStringLiteral("Seleccione Reducción"));
    } else {
        m_combo1->addItems(multiples());
        m_combo1->setCurrentIndex(-1);
        m_combo1->setPlaceholderText(QStringLiteral("Seleccione Múltiple"));
    }
    m_combo1->show();
    m_llenando = false;
}

void Creamenu::Combo1_Click(int posicion) {
    if (m_llenando || posicion < 0)
        return;
    if (m_option1[0]->isChecked()) {
        m_s.codMultiple = posicion + 1;
    } else {
        m_s.codMultiple = 7;
        m_s.tablaElegida = posicion;
    }
    abreEditor();
}

void Creamenu::abreEditor() {
    // A peña entered by hand, not handed over by the wizard.
    m_s.delAsistente = 0;
    Crea::abre(m_s, m_ventanas);
}
