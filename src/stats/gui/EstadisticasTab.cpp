#include "stats/gui/EstadisticasTab.h"

#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/EnlaceFiltros.h"
#include "stats/gui/GraficaFrecuencias.h"
#include "stats/gui/ModeloSorteos.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTreeView>
#include <QVBoxLayout>

EstadisticasTab::EstadisticasTab(Session& s, SeleccionEstadisticas& seleccion, QWidget* parent)
    : QWidget(parent), m_seleccion(seleccion), m_mantenimiento(s),
      m_enlace(new EnlaceFiltros(seleccion, this)) {
    setObjectName(QStringLiteral("SSTab1_3"));
    using F = FiltrosEstadisticas;

    auto* frame11 = new QGroupBox(QStringLiteral("Filtrado de datos:"), this);
    frame11->setObjectName(QStringLiteral("Frame11"));
    auto* filtros = new QVBoxLayout(frame11);
    for (auto [caja, texto] : {std::pair{F::Lunes, "&Lunes"},
                               {F::Jueves, "&Jueves"},
                               {F::Sabado, "&Sábado"},
                               {F::Todos, "&Todos"},
                               {F::UltimoMes, "Último m&es"}})
        filtros->addWidget(m_enlace->caja(caja, QString::fromUtf8(texto), frame11));
    m_slider1 = m_enlace->barra(0, frame11);
    filtros->addWidget(m_slider1);

    m_frame5 = new QGroupBox(QStringLiteral("Leyenda"), this);
    m_frame5->setObjectName(QStringLiteral("Frame5"));
    auto* leyenda = new QVBoxLayout(m_frame5);
    const char* dias[] = {"Lunes", "Jueves", "Sábado"};
    for (size_t k = 0; k < 3; ++k) {
        auto* fila = new QHBoxLayout;
        auto* muestra = new QLabel(m_frame5);
        QPixmap color(14, 14);
        color.fill(GraficaFrecuencias::kColores[k]);
        muestra->setPixmap(color);
        fila->addWidget(muestra);
        fila->addWidget(new QLabel(QString::fromUtf8(dias[k]), m_frame5), 1);
        leyenda->addLayout(fila);
    }

    // Made here so that Tab reaches it after the filters and before the buttons below it.
    QCheckBox* comparativa = m_enlace->caja(F::Comparativa, QStringLiteral("&Comparativa"), this);
    m_label7 = new QLabel(this);
    m_label7->setObjectName(QStringLiteral("Label7"));
    auto* command5 = new QPushButton(QStringLiteral("&Borrar todos los sorteos"), this);
    command5->setObjectName(QStringLiteral("Command5"));
    auto* command8 = new QPushButton(QStringLiteral("&Añadir todos los sorteos"), this);
    command8->setObjectName(QStringLiteral("Command8"));

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(frame11);
    izquierda->addWidget(comparativa);
    izquierda->addWidget(m_frame5);
    izquierda->addWidget(m_label7);
    izquierda->addStretch(1);
    izquierda->addWidget(command5);
    izquierda->addWidget(command8);

    m_modelo = new ModeloSorteos(this);
    m_listView3 = new QTreeView(this);
    m_listView3->setObjectName(QStringLiteral("ListView3"));
    m_listView3->setAccessibleName(QStringLiteral("Sorteos seleccionados"));
    m_listView3->setModel(m_modelo);
    m_listView3->setRootIsDecorated(false);
    m_listView3->setUniformRowHeights(true);
    m_listView3->setAlternatingRowColors(true);
    m_listView3->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Columns sized once from the widest texts: measuring every row on each refill would
    // cost more than the statistics themselves. The rows' font takes what it leaves unset
    // (its size) from the list, as it does when the rows are drawn.
    const QFontMetrics medida(m_modelo->fuente().resolve(m_listView3->font()));
    m_listView3->header()->setStretchLastSection(true);
    m_listView3->header()->resizeSection(
        0, medida.horizontalAdvance(QStringLiteral("00-00-00-00-00-00  C: 00 R: 0")) + 8);
    m_listView3->header()->resizeSection(1, medida.horizontalAdvance(QStringLiteral("0000000")) + 8);
    const int fecha = medida.horizontalAdvance(QStringLiteral("00/00/0000  Sábado")) + 8;
    m_listView3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_listView3->setFixedWidth(m_listView3->header()->sectionSize(0) + m_listView3->header()->sectionSize(1) +
                               fecha + m_listView3->verticalScrollBar()->sizeHint().width() + 4);
    m_listView3->installEventFilter(this);

    m_msChart1 = new GraficaFrecuencias(this);
    m_msChart1->setObjectName(QStringLiteral("MSChart1"));
    m_msChart1->setAccessibleName(QStringLiteral("Gráfica de frecuencias"));
    m_hScroll2 = new QScrollBar(Qt::Horizontal, this);
    m_hScroll2->setObjectName(QStringLiteral("HScroll2"));
    m_hScroll2->setAccessibleName(QStringLiteral("Números de la gráfica"));
    m_hScroll2->setRange(1, 2);
    m_hScroll2->setPageStep(1);
    // Reached by Tab; the right arrow key turns to the second page as the thumb moves right.
    m_hScroll2->setFocusPolicy(Qt::StrongFocus);
    m_hScroll2->setInvertedControls(false);
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(m_msChart1, 1);
    derecha->addWidget(m_hScroll2);

    auto* fila = new QHBoxLayout(this);
    fila->addLayout(izquierda);
    fila->addWidget(m_listView3);
    fila->addLayout(derecha, 1);

    connect(command5, &QPushButton::clicked, this, &EstadisticasTab::Command5_Click);
    connect(command8, &QPushButton::clicked, this, &EstadisticasTab::Command8_Click);
    connect(m_hScroll2, &QScrollBar::valueChanged, this, &EstadisticasTab::HScroll2_Change);
    connect(m_listView3, &QTreeView::clicked, this,
            [this](const QModelIndex& i) { ListView3_ItemClick(i.row()); });
    connect(&m_seleccion, &SeleccionEstadisticas::calculadas, this, &EstadisticasTab::muestraEstadisticas);
    connect(&m_seleccion, &SeleccionEstadisticas::seleccionCambiada, this, &EstadisticasTab::muestraLeyenda);
    m_enlace->sincroniza();
    muestraLeyenda();
    muestraEstadisticas();
}

QCheckBox* EstadisticasTab::check3(int caja) const {
    return findChild<QCheckBox*>(QStringLiteral("Check3_%1").arg(caja));
}

void EstadisticasTab::muestraLeyenda() {
    m_frame5->setVisible(m_seleccion.filtros().leyendaVisible());
}

void EstadisticasTab::muestraEstadisticas() {
    const Estadisticas& e = m_seleccion.estadisticas();
    m_modelo->reemplazar(e.filas);
    m_label7->setText(m_seleccion.label7());
    HScroll2_Change();
}

void EstadisticasTab::HScroll2_Change() {
    const bool comparativa = m_seleccion.filtros().marcada(FiltrosEstadisticas::Comparativa);
    const int pagina = m_hScroll2->value() == 1 ? 1 : 2;
    m_msChart1->muestra(m_seleccion.estadisticas().datosGrafica(comparativa ? pagina + 2 : pagina),
                        comparativa);
}

void EstadisticasTab::Command5_Click() {
    m_mantenimiento.Command5_Click();
}

void EstadisticasTab::Command8_Click() {
    m_mantenimiento.Command8_Click();
}

void EstadisticasTab::ListView3_ItemClick(int fila) {
    const SorteoListado* f = m_modelo->sorteo(fila);
    if (!f)
        return;
    const SorteoListado copia = *f;
    if (m_mantenimiento.ListView3_ItemClick(copia.registro, copia.sorteo))
        m_modelo->quitar(fila);
}

// Enter or Space on the list acts as a click on the current row; moving the current row
// with the arrow keys only moves it.
bool EstadisticasTab::eventFilter(QObject* o, QEvent* e) {
    if (o == m_listView3 && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
            if (m_listView3->currentIndex().isValid())
                ListView3_ItemClick(m_listView3->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}
