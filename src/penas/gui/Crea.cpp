#include "penas/gui/Crea.h"

#include "core/Session.h"
#include "platform/Dialogs.h"
#include "platform/gui/Etiqueta.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

namespace {
constexpr int kTwipsPorPixel = 15;
} // namespace

CasillaNumero::CasillaNumero(int numero, QWidget* parent) : QCheckBox(parent), m_numero(numero) {
    setObjectName(QStringLiteral("Image1_%1").arg(numero - 1));
    setAccessibleName(QString::number(numero));
    setCursor(Qt::PointingHandCursor);
    // One number of the grid stands in the Tab order (the last one focused); the arrow keys
    // reach the others.
    setFocusPolicy(numero == 1 ? Qt::StrongFocus : Qt::ClickFocus);
}

void CasillaNumero::focusInEvent(QFocusEvent* e) {
    for (CasillaNumero* c : parentWidget()->findChildren<CasillaNumero*>(Qt::FindDirectChildrenOnly))
        c->setFocusPolicy(c == this ? Qt::StrongFocus : Qt::ClickFocus);
    QCheckBox::focusInEvent(e);
}

// Rows hold the units digit (0 at the top), columns the tens, as on the paper ticket.
void CasillaNumero::keyPressEvent(QKeyEvent* e) {
    int destino;
    switch (e->key()) {
    case Qt::Key_Up:
        destino = m_numero % 10 != 0 ? m_numero - 1 : 0;
        break;
    case Qt::Key_Down:
        destino = m_numero % 10 != 9 ? m_numero + 1 : 0;
        break;
    case Qt::Key_Left:
        destino = m_numero - 10;
        break;
    case Qt::Key_Right:
        destino = m_numero + 10;
        break;
    default:
        QCheckBox::keyPressEvent(e);
        return;
    }
    if (destino >= 1 && destino <= 49)
        if (auto* c = parentWidget()->findChild<CasillaNumero*>(QStringLiteral("Image1_%1").arg(destino - 1),
                                                                Qt::FindDirectChildrenOnly))
            c->setFocus(Qt::OtherFocusReason);
    e->accept();
}

void CasillaNumero::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect().adjusted(1, 1, -2, -2);
    p.setPen(QColor(0xD0, 0x30, 0x30));
    p.setBrush(QColor(0xFF, 0xF4, 0xF0));
    p.drawRect(r);
    p.drawText(r, Qt::AlignCenter, QString::number(m_numero));
    if (isChecked()) {
        p.setPen(QPen(QColor(0x10, 0x20, 0xA0), 2.5));
        p.drawLine(r.topLeft() + QPoint(3, 3), r.bottomRight() - QPoint(3, 3));
        p.drawLine(r.topRight() + QPoint(-3, 3), r.bottomLeft() + QPoint(3, -3));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

Crea* Crea::abre(Session& s, const VentanasPenas& ventanas) {
    auto* abierto =
        ventanas.abierta ? qobject_cast<Crea*>(ventanas.abierta(QStringLiteral("Crea"))) : nullptr;
    if (abierto && abierto->isVisible() && !abierto->m_editor.puedeCerrarse(false)) {
        s.dialogs.message(
            QStringLiteral("El editor de peñas sigue abierto con apuestas sin grabar o sin completar, y se "
                           "muestra tal como estaba. Los números elegidos no se han pasado al editor: "
                           "grabe o complete esas apuestas, cierre el editor y vuelva a elegir."),
            QStringLiteral("Editor de peñas abierto"), Dialogs::Icon::Information);
        abierto->raise();
        abierto->activateWindow();
        return nullptr;
    }
    if (ventanas.descargar)
        ventanas.descargar(QStringLiteral("Crea"));
    // A new peña: the edit mode of an editor just closed does not carry over.
    s.modoEdicion = 0;
    Crea* editor = crear(s, ventanas);
    if (editor) {
        if (ventanas.mostrar)
            ventanas.mostrar(editor);
        else
            editor->show();
    }
    return editor;
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
    m_text1->setAccessibleName(QStringLiteral("Nombre de la Peña"));
    nombre->addWidget(m_text1, 1);
    auto* label5 = new Etiqueta(QStringLiteral("X"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setAccessibleName(QStringLiteral("Cerrar"));
    label5->setCursor(Qt::PointingHandCursor);
    nombre->addWidget(label5);
    layout->addLayout(nombre, 0, 0, 1, 2);

    m_label6 = new QLabel(QStringLiteral("Modo Edición"), this);
    m_label6->setObjectName(QStringLiteral("Label6"));
    QFont titulo = m_label6->font();
    titulo.setBold(true);
    titulo.setPointSizeF(titulo.pointSizeF() * 1.3);
    m_label6->setFont(titulo);
    m_label7 =
        new QLabel(QStringLiteral("¡ Los cambios que realice, serán grabados automáticamente !"), this);
    m_label7->setObjectName(QStringLiteral("Label7"));
    m_label7->setWordWrap(true);
    layout->addWidget(m_label6, 1, 0, 1, 2);
    layout->addWidget(m_label7, 2, 0, 1, 2);
    m_label6->hide();
    m_label7->hide();

    m_label4 = new QLabel(this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    layout->addWidget(m_label4, 3, 0, 1, 2);

    // The grid as on the paper ticket: five columns of ten rows, units digit 0 at the top,
    // the first column starting one row lower.
    auto* boleto = new QWidget(this);
    boleto->setObjectName(QStringLiteral("Picture1"));
    boleto->setAccessibleName(QStringLiteral("Boleto"));
    auto* rejilla = new QGridLayout(boleto);
    rejilla->setSpacing(2);
    for (int i = 0; i < 49; ++i) {
        const int numero = i + 1;
        auto* c = new CasillaNumero(numero, boleto);
        m_image1[static_cast<size_t>(i)] = c;
        rejilla->addWidget(c, numero % 10, numero / 10);
        connect(c, &QAbstractButton::clicked, this, [this, i] { m_editor.Image1_Click(i); });
    }
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(boleto);
    m_nota = new QLabel(this);
    m_nota->setObjectName(QStringLiteral("LabelNota"));
    m_nota->setWordWrap(true);
    m_nota->setStyleSheet(QStringLiteral("color: #B00000;"));
    m_nota->hide();
    izquierda->addWidget(m_nota);
    // The bet browser of the edit mode.
    auto* navegador = new QHBoxLayout;
    m_hScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll1->setAccessibleName(QStringLiteral("Apuesta mostrada"));
    m_hScroll1->setMinimum(1);
    m_hScroll1->setPageStep(1);
    // Reached by Tab; the right arrow goes to the next bet (scroll bars invert their keys).
    m_hScroll1->setFocusPolicy(Qt::StrongFocus);
    m_hScroll1->setInvertedControls(false);
    m_hScroll1->installEventFilter(this);
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setAccessibleName(QStringLiteral("Número de la apuesta mostrada"));
    m_text2->setReadOnly(true);
    m_text2->setMaximumWidth(48);
    m_text2->setAlignment(Qt::AlignCenter);
    navegador->addWidget(m_hScroll1, 1);
    navegador->addWidget(m_text2);
    izquierda->addLayout(navegador);
    auto* edicion = new QHBoxLayout;
    m_command4 = new QPushButton(QStringLiteral("Aña&dir apuesta"), this);
    m_command4->setObjectName(QStringLiteral("Command4"));
    m_command5 = new QPushButton(QStringLiteral("&Eliminar apuesta"), this);
    m_command5->setObjectName(QStringLiteral("Command5"));
    edicion->addWidget(m_command4);
    edicion->addWidget(m_command5);
    izquierda->addLayout(edicion);
    for (QWidget* w : std::initializer_list<QWidget*>{m_hScroll1, m_text2, m_command4, m_command5})
        w->hide();
    layout->addLayout(izquierda, 4, 0);

    auto* derecha = new QVBoxLayout;
    m_listView5 = new QTreeWidget(this);
    m_listView5->setObjectName(QStringLiteral("ListView5"));
    m_listView5->setAccessibleName(QStringLiteral("Apuestas de la peña"));
    m_listView5->setHeaderLabels({QStringLiteral("Apuestas")});
    m_listView5->setRootIsDecorated(false);
    m_listView5->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Long bets widen the column and the list scrolls sideways: every number stays readable.
    m_listView5->header()->setStretchLastSection(false);
    m_listView5->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_anchoColumna = 150;
    m_listView5->setColumnWidth(0, m_anchoColumna);
    derecha->addWidget(m_listView5, 1);
    auto* cuenta = new QHBoxLayout;
    m_rotuloApuestas = new QLabel(QStringLiteral("-Apuestas:"), this);
    cuenta->addWidget(m_rotuloApuestas);
    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    cuenta->addWidget(m_label3, 1);
    derecha->addLayout(cuenta);

    auto* dias = new QGroupBox(this);
    dias->setAccessibleName(QStringLiteral("Días a jugar"));
    auto* lDias = new QVBoxLayout(dias);
    const QString textos[5] = {QStringLiteral("Sólo &jueves"), QStringLiteral("Sólo &sábado"),
                               QStringLiteral("Jueves &y sábado"), QStringLiteral("Sólo &lunes"),
                               QStringLiteral("&Todos (L+J+S)")};
    for (int i = 0; i < 5; ++i) {
        auto* o = new QRadioButton(textos[i], dias);
        o->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        m_option[static_cast<size_t>(i)] = o;
        lDias->addWidget(o);
        connect(o, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !m_pintando)
                m_editor.setOpcionDias(i + 1);
        });
    }
    m_pintando = true;
    m_option[4]->setChecked(true);
    m_pintando = false;
    derecha->addWidget(dias);

    auto* botones = new QHBoxLayout;
    m_command1 = new QPushButton(QStringLiteral("&Grabar"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2 = new QPushButton(QStringLiteral("&Borrar"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command3 = new QPushButton(QStringLiteral("&Aleatorio"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    botones->addWidget(m_command1);
    botones->addWidget(m_command2);
    botones->addWidget(m_command3);
    derecha->addLayout(botones);

    layout->addLayout(derecha, 4, 1);

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
    connect(m_command4, &QPushButton::clicked, this, [this] { m_editor.Command4_Click(); });
    connect(m_command5, &QPushButton::clicked, this, [this] { m_editor.Command5_Click(); });
    connect(m_hScroll1, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_pintando)
            return;
        if (m_scrollPulsado && m_editor.rechazaMovimiento(v)) {
            // A box now would open while the button is held: the value goes back at once and
            // the message waits for the button to come up (see eventFilter).
            m_movimientoPendiente = v;
            pinta();
            return;
        }
        m_editor.HScroll1_Change(v);
    });
    connect(label5, &Etiqueta::clicked, this, &Crea::cierraPorUsuario);
    // The close mark stands beside the name but is reached last: Tab from the name goes on
    // to the ticket, and a Space meant for the next control cannot close the editor.
    setTabOrder(m_command3, label5);

    m_editor.alCambiar = [this] { pinta(); };
    m_editor.alCerrar = [this] { cierraPorUsuario(); };
}

void Crea::cierraPorUsuario() {
    m_porUsuario = true;
    close();
    m_porUsuario = false;
}

void Crea::pinta() {
    const QSignalBlocker bloqueo(m_hScroll1);
    m_pintando = true;
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
    const int pedido = m_anchoColumna + m_editor.anchoExtraColumna() / kTwipsPorPixel;
    m_listView5->resizeColumnToContents(0);
    m_listView5->setColumnWidth(0, qMax(pedido, m_listView5->columnWidth(0) + 8));
    m_label3->setText(m_editor.label3());
    m_label4->setText(m_editor.label4());
    m_command1->setEnabled(m_editor.grabarHabilitado());
    m_command2->setEnabled(m_editor.borrarHabilitado());
    m_command3->setEnabled(m_editor.aleatorioHabilitado());
    if (m_text1->text() != m_editor.nombre())
        m_text1->setText(m_editor.nombre());
    QRadioButton* opcion = m_option[static_cast<size_t>(m_editor.opcionDias() - 1)];
    if (!opcion->isChecked())
        opcion->setChecked(true);
    if (m_editor.edicion())
        pintaEdicion();
    m_pintando = false;
}

void Crea::pintaEdicion() {
    for (QWidget* w : std::initializer_list<QWidget*>{m_command1, m_command2, m_label3, m_rotuloApuestas})
        w->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_label6, m_label7, m_hScroll1, m_text2, m_command4, m_command5})
        w->show();
    m_hScroll1->setMaximum(m_editor.scrollMax());
    m_hScroll1->setValue(m_editor.scrollValor());
    m_text2->setText(m_editor.text2());
    m_command4->setEnabled(m_editor.anadirHabilitado());
    m_nota->setText(m_editor.nota());
    m_nota->setVisible(!m_editor.nota().isEmpty());
}

// A message box opened during a press on the bet browser would swallow the release and leave
// the scroll bar repeating its step, a new box after every answer. The message of a refused
// move is shown once the release has been handled: one per click.
bool Crea::eventFilter(QObject* o, QEvent* e) {
    if (o == m_hScroll1 && e->type() == QEvent::MouseButtonPress) {
        m_scrollPulsado = true;
    } else if (o == m_hScroll1 && e->type() == QEvent::MouseButtonRelease) {
        m_scrollPulsado = false;
        QTimer::singleShot(0, this, [this] {
            const int v = m_movimientoPendiente;
            m_movimientoPendiente = 0;
            if (v != 0 && !m_scrollPulsado)
                m_editor.HScroll1_Change(v);
        });
    }
    return QWidget::eventFilter(o, e);
}

// Escape asks the editor to close, under the same rules as its "X".
void Crea::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        cierraPorUsuario();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Crea::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (m_ventanas.alActivarEditor)
            m_ventanas.alActivarEditor();
        m_editor.Form_Activate();
    }
}

// The user's close, or the editor's own after a save, always goes; the main window's may be
// refused (see EditorPena::Form_QueryUnload).
void Crea::closeEvent(QCloseEvent* e) {
    if (!m_editor.Form_QueryUnload(m_porUsuario || e->spontaneous())) {
        e->ignore();
        return;
    }
    e->accept();
}
