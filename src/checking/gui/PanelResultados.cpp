#include "checking/gui/PanelResultados.h"

#include "core/Session.h"
#include "platform/gui/Accesible.h"
#include "platform/gui/Etiqueta.h"
#include "platform/gui/ImageList1.h"
#include "platform/gui/QtPrinter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kSencilla = QStringLiteral("S E N C &I L L A");
const QString kMultiple = QStringLiteral("&M Ú L T I P L E");
// While a button blinks its letter stays: each list's button keeps the one both its texts share.
const QString kPremio[2] = {QStringLiteral("P R E M &I O"), QStringLiteral("P R E &M I O")};
const QColor kRojo(255, 0, 0);
// Pictures of the main window's picture list.
constexpr int kLogo = 12;
constexpr int kImprimir = 13;
constexpr int kImprimirEncima = 14;

} // namespace

PanelResultados::PanelResultados(Session& s, QScrollBar* hScroll1, QLineEdit* text3, QCheckBox* check1,
                                 QCheckBox* check2, QWidget* parent)
    : QWidget(parent), m_s(s), m_comprobacion(std::make_unique<Comprobacion>(s, *this)), m_hScroll1(hScroll1),
      m_text3(text3), m_check1(check1), m_check2(check2) {
    setObjectName(QStringLiteral("PanelResultados"));
    instalarAccesibilidad();
    soloHijosVisibles(this); // the list switched away is not on view
    setAccessibleName(QStringLiteral("Comprobación de peñas"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* barra = new QHBoxLayout;
    QFont comic(QStringLiteral("Comic Sans MS"));
    comic.setBold(true);
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(i == 0 ? kSencilla : kMultiple, this);
        b->setObjectName(QStringLiteral("Command1_%1").arg(i));
        b->setFont(comic);
        b->setAutoFillBackground(true);
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        m_command1[static_cast<size_t>(i)] = b;
        barra->addWidget(b);
    }
    m_combo2 = new QComboBox(this);
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    m_combo2->setMinimumContentsLength(22);
    // With nothing chosen the chooser reads as the first entry would.
    m_combo2->setPlaceholderText(QStringLiteral("TODAS LAS PEÑAS"));
    // ...and looks like it, not greyed as a disabled entry would be.
    QPalette paleta = m_combo2->palette();
    paleta.setColor(QPalette::PlaceholderText, paleta.color(QPalette::ButtonText));
    m_combo2->setPalette(paleta);
    m_combo2->addItem(QStringLiteral("TODAS LAS PEÑAS"));
    m_combo2->setCurrentIndex(-1);
    m_combo2->setAccessibleName(QStringLiteral("Peñas a comprobar"));
    connect(m_combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    barra->addWidget(m_combo2, 1);
    auto* image5 = new Etiqueta(this);
    connect(image5, &Etiqueta::clicked, this, &PanelResultados::Image5_Click);
    m_image5 = image5;
    m_image5->setObjectName(QStringLiteral("Image5"));
    m_image5->setToolTip(QStringLiteral("Imprime listado"));
    m_image5->setAccessibleName(m_image5->toolTip());
    ImageList1::show(m_image5, kImprimir);
    m_image5->setCursor(Qt::PointingHandCursor);
    m_image5->installEventFilter(this);
    barra->addWidget(m_image5);
    layout->addLayout(barra);

    m_listas[0] = crearLista(m_comprobacion->modelo2(), QStringLiteral("ListView2"), 6);
    m_listas[1] = crearLista(m_comprobacion->modelo4(), QStringLiteral("ListView4"), 11);
    m_listas[0]->setAccessibleName(QStringLiteral("Resultados de peñas sencillas y reducidas"));
    m_listas[1]->setAccessibleName(QStringLiteral("Resultados de peñas múltiples"));
    layout->addWidget(m_listas[0], 1);
    layout->addWidget(m_listas[1], 1);
    m_listas[1]->hide();

    m_progressBar2 = new QProgressBar(this);
    m_progressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    m_progressBar2->setTextVisible(false);
    m_progressBar2->setAccessibleName(QStringLiteral("Progreso de la comprobación"));
    m_progressBar2->setMaximumHeight(10);
    m_progressBar2->setValue(0);
    layout->addWidget(m_progressBar2);

    m_timer3.setObjectName(QStringLiteral("Timer3"));
    m_timer3.setInterval(800);
    connect(&m_timer3, &QTimer::timeout, this, &PanelResultados::Timer3_Timer);

    // The scroll bar refreshes when it is released or set, and only shows its value while dragged.
    m_check1->setToolTip(QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    m_hScroll1->setTracking(false);
    connect(m_hScroll1, &QScrollBar::sliderMoved, this,
            [this](int v) { m_text3->setText(QString::number(v)); });
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &PanelResultados::HScroll1_Change);
    // A box changed by the program refreshes like a click, as the menu entries rely on.
    connect(m_check1, &QCheckBox::toggled, this, &PanelResultados::Check1_Click);
    connect(m_check2, &QCheckBox::toggled, this, &PanelResultados::Check2_Click);
}

PanelResultados::~PanelResultados() = default;

QTableView* PanelResultados::crearLista(ModeloResultados& modelo, const QString& nombre,
                                        int columnasNumeros) {
    // A table view needs no record per row, so lists of millions of rows stay small.
    auto* v = new QTableView(this);
    v->setObjectName(nombre);
    v->setModel(&modelo);
    v->setFont(QFont(QStringLiteral("Arial"), 9));
    v->setShowGrid(false);
    v->setWordWrap(false);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list; the arrows move inside it.
    v->setTabKeyNavigation(false);
    v->verticalHeader()->hide();
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(QFontMetrics(v->font()).height() + 4);
    v->horizontalHeader()->setHighlightSections(false);
    // Aligned as the cells are, so each header stands over its numbers.
    v->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    v->horizontalHeader()->setStretchLastSection(true);
    v->setColumnWidth(0, 12);
    for (int c = 1; c <= columnasNumeros; ++c)
        v->setColumnWidth(c, 30);
    v->setMouseTracking(true);
    v->viewport()->installEventFilter(this);
    return v;
}

void PanelResultados::usarControlesDescarga(QLabel* label59, QProgressBar* progressBar1) {
    m_label59 = label59;
    m_progressBar1 = progressBar1;
}

void PanelResultados::usarImpresora(PrintService* servicio) {
    m_impresion = servicio;
}

void PanelResultados::agregarMenus(QMenu* general, QAction* antes, QTabWidget* sstab1) {
    struct Entrada {
        const char* nombre;
        const char* texto;
        int check2, check1; // -1: left as it is
    };
    const Entrada sencillas[] = {
        {"sencillas", "&Todos los resultados", -1, -1},
        {"verpremio", "Sólo si hay &premio", 1, 0},
        {"verhisto", "&Histórico (resultados sorteos anteriores a la fecha de creación de las peñas)", 0, 1},
        {"verprehi", "Sólo si hay premios + hi&stórico", 1, 1}};
    const Entrada multiples[] = {
        {"Multiples", "&Todos los resultados", -1, -1},
        {"verpremiom", "Sólo si hay &premio", 1, 0},
        {"verhistom", "&Histórico (resultados sorteos anteriores a la fecha de creacón de las peñas)", 0, 1},
        {"verpreim", "Sólo si hay premios + hi&stórico", 1, 1}};
    for (int lista = 0; lista < 2; ++lista) {
        auto* menu =
            new QMenu(lista == 0 ? QStringLiteral("Se&ncillas") : QStringLiteral("&Múltiples"), general);
        menu->setObjectName(lista == 0 ? QStringLiteral("sen") : QStringLiteral("Mult"));
        for (const Entrada& e : lista == 0 ? sencillas : multiples) {
            QAction* a = menu->addAction(QString::fromUtf8(e.texto));
            a->setObjectName(QString::fromLatin1(e.nombre));
            connect(a, &QAction::triggered, this, [this, sstab1, lista, e] {
                if (sstab1)
                    sstab1->setCurrentIndex(0);
                Command1_Click(lista);
                if (e.check2 >= 0)
                    m_check2->setChecked(e.check2 == 1);
                if (e.check1 >= 0)
                    m_check1->setChecked(e.check1 == 1);
            });
        }
        general->insertMenu(antes, menu);
    }
}

void PanelResultados::llenarCombo2(const QStringList& entradas) {
    m_combo2->clear();
    m_combo2->addItems(entradas);
    m_combo2->setCurrentIndex(-1);
}

int PanelResultados::combo2ListIndex() const {
    return m_combo2->currentIndex();
}
QString PanelResultados::combo2Texto() const {
    return m_combo2->currentIndex() >= 0 ? m_combo2->currentText() : QString();
}
bool PanelResultados::historico() const {
    return m_check1->isChecked();
}
bool PanelResultados::soloPremio() const {
    return m_check2->isChecked();
}
bool PanelResultados::avisoDescarga() const {
    return m_label59 && !m_label59->text().isEmpty();
}
bool PanelResultados::listaVisible(int cual) const {
    return !m_listas[static_cast<size_t>(cual)]->isHidden();
}

void PanelResultados::progreso(int valor, int maximo) {
    m_progressBar2->setMaximum(std::max(maximo, 1));
    m_progressBar2->setValue(std::min(valor, std::max(maximo, 1)));
    // Repainting on every draw of a long check would cost more than the check itself.
    const int paso = maximo > 0 ? valor * 100 / maximo : 0;
    if (paso != m_ultimoPintado) {
        m_ultimoPintado = paso;
        m_progressBar2->repaint();
    }
}

void PanelResultados::refrescar() {
    listasencillas(m_hScroll1->value());
    emit estadisticasPedidas();
}

void PanelResultados::listasencillas(int numSorteos) {
    m_comprobacion->listasencillas(numSorteos);
}

void PanelResultados::listamulti(int numSorteos) {
    m_comprobacion->listamulti(numSorteos);
}

void PanelResultados::refrescarUltimoSorteo() {
    if (m_hScroll1->value() == 1) {
        listasencillas(1);
        listamulti(1);
    } else {
        m_hScroll1->setValue(1); // its change refreshes
    }
}

void PanelResultados::Command1_Click(int index) {
    paraparpadeo();
    const int otra = 1 - index;
    if (index < 0 || index > 1 || listaVisible(index))
        return;
    m_listas[static_cast<size_t>(otra)]->hide();
    m_listas[static_cast<size_t>(index)]->show();
}

void PanelResultados::ponerBoton(int i, bool rojo) {
    QPushButton* b = m_command1[static_cast<size_t>(i)];
    b->setText(rojo ? kPremio[i] : (i == 0 ? kSencilla : kMultiple));
    QPalette p = b->palette();
    p.setColor(QPalette::Button, rojo ? kRojo : palette().color(QPalette::Button));
    b->setPalette(p);
    b->setProperty("rojo", rojo);
}

void PanelResultados::Timer3_Timer() {
    const int cp = m_comprobacion->conpremio;
    if (cp == 3) {
        const bool rojo = m_command1[0]->property("rojo").toBool();
        ponerBoton(0, !rojo);
        ponerBoton(1, !rojo);
    } else if (cp == 1 || cp == 2) {
        const int i = cp - 1;
        ponerBoton(i, !m_command1[static_cast<size_t>(i)]->property("rojo").toBool());
    }
}

void PanelResultados::paraparpadeo() {
    if (!m_timer3.isActive())
        return;
    m_timer3.stop();
    limpiarLabel59();
    ponerBoton(0, false);
    ponerBoton(1, false);
}

void PanelResultados::limpiarLabel59() {
    if (m_label59)
        m_label59->clear();
}

QImage PanelResultados::logo() const {
    return ImageList1::image(kLogo, QSize(1600, 600));
}

void PanelResultados::Image5_Click() {
    ImageList1::show(m_image5, kImprimir);
    if (!m_impresion) {
        m_impresionPropia = std::make_unique<QtPrintService>();
        m_impresion = m_impresionPropia.get();
    }
    std::shared_ptr<Printer> impresora = m_impresion->showPrinter();
    // The dialog is gone: draw the window again before the listing keeps the thread busy.
    window()->repaint();
    m_comprobacion->imprimirListado(std::move(impresora), logo(), m_hScroll1->value());
}

void PanelResultados::Combo2_Click() {
    m_combo2->repaint();
    m_comprobacion->penaelegida = 1;
    listasencillas(m_hScroll1->value());
}

void PanelResultados::Check1_Click() {
    m_check1->repaint();
    limpiarLabel59();
    refrescar();
}

void PanelResultados::Check2_Click() {
    m_check2->repaint();
    refrescar();
}

void PanelResultados::HScroll1_Change() {
    m_text3->setText(QString::number(m_hScroll1->value()));
    m_text3->repaint();
    if (m_progressBar1 && m_progressBar1->value() == 3)
        return;
    refrescar();
}

bool PanelResultados::eventFilter(QObject* o, QEvent* e) {
    if (o == m_image5) {
        if (e->type() == QEvent::Enter)
            ImageList1::show(m_image5, kImprimirEncima);
        else if (e->type() == QEvent::Leave)
            ImageList1::show(m_image5, kImprimir);
    } else if (e->type() == QEvent::MouseMove && ImageList1::shows(m_image5, kImprimirEncima)) {
        ImageList1::show(m_image5, kImprimir);
    }
    return QWidget::eventFilter(o, e);
}
