#include "penas/gui/GestorTab.h"

#include "core/OleDate.h"
#include "core/Session.h"
#include "penas/ComandosPena.h"
#include "penas/gui/Crea.h"
#include "penas/gui/GraficoPremios.h"
#include "penas/gui/Imprimir.h"
#include "platform/Dialogs.h"
#include "platform/gui/ListaArbol.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int kTwipsPorPixel = 15;
constexpr int kAlturaMinimaApuestas = 90; // pixels: about five bets

QLabel* etiqueta(const QString& nombre, const QString& texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    return l;
}

void ponValor(QLabel* valor, const QString& texto) {
    valor->setText(texto);
    valor->setAccessibleName(valor->property("rotulo").toString() + QStringLiteral(": ") + texto);
}

// A value shown beside its caption. The caption comes first (for the screen reader's order
// too) and is the value's buddy; the value is announced as caption and value.
QLabel* rotulado(QLabel* rotulo, const QString& nombre, const QString& texto, QWidget* padre) {
    QLabel* valor = etiqueta(nombre, QString(), padre);
    rotulo->setBuddy(valor);
    QString leido = rotulo->text().simplified();
    while (leido.startsWith(u'-'))
        leido.remove(0, 1);
    while (leido.endsWith(u':'))
        leido.chop(1);
    valor->setProperty("rotulo", leido.trimmed());
    ponValor(valor, texto);
    return valor;
}

} // namespace

GestorTab::GestorTab(Session& s, VentanasPenas ventanas, QWidget* parent)
    : QWidget(parent), m_s(s), m_ventanas(std::move(ventanas)), m_gestor(s) {
    setObjectName(QStringLiteral("SSTab1_2"));
    auto* layout = new QGridLayout(this);

    m_listView1 = new ListaArbol(this);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Apuestas"),
                                  QStringLiteral("Fecha creación"), QStringLiteral("Días a jugar")});
    m_listView1->setRootIsDecorated(false);
    m_listView1->setUniformRowHeights(true);
    m_listView1->setColumnWidth(0, 220);
    m_listView1->setAccessibleName(QStringLiteral("Peñas"));
    // Room for a few peñas at the smallest; the list takes its share of a taller window.
    m_listView1->setMinimumHeight(5 * m_listView1->fontMetrics().height() + 8);
    // What is highlighted is what the buttons act on: moving the current row with the
    // keyboard (or Tab into the list, which makes the first row current) acts as a click on
    // the row it reaches, so Space finds it chosen; the current row is always the selected
    // one (a Ctrl+Space cannot take the selection off it).
    connect(m_listView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_recargando && item)
            alPulsarFila(item);
    });
    connect(m_listView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QModelIndex actual = m_listView1->currentIndex();
        if (actual.isValid() && !m_listView1->selectionModel()->isSelected(actual))
            m_listView1->selectionModel()->select(actual, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
    });
    // A click (or Enter) on a new row was already handled as a change of the current row.
    const auto pulsada = [this](QTreeWidgetItem* item) {
        if (m_listView1->indexOfTopLevelItem(item) + 1 != m_filaMostrada)
            alPulsarFila(item);
    };
    connect(m_listView1, &QTreeWidget::itemClicked, this, pulsada);
    connect(m_listView1, &QTreeWidget::itemActivated, this, pulsada);
    layout->addWidget(m_listView1, 0, 0, 1, 2);

    auto* botones = new QHBoxLayout;
    m_command3 = new QPushButton(QStringLiteral("&Eliminar peña"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command2 = new QPushButton(QStringLiteral("&Imprimir boletos"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command7 = new QPushButton(QStringLiteral("Editar &Peña"), this);
    m_command7->setObjectName(QStringLiteral("Command7"));
    m_image2 = new QLabel(this);
    m_image2->setObjectName(QStringLiteral("Image2_1"));
    m_image2->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    m_image2->setToolTip(QStringLiteral("Informe de la peña"));
    m_image2->setAccessibleName(m_image2->toolTip());
    botones->addWidget(m_command3);
    botones->addWidget(m_command2);
    botones->addWidget(m_command7);
    botones->addStretch(1);
    botones->addWidget(m_image2);
    layout->addLayout(botones, 1, 0, 1, 2);
    connect(m_command3, &QPushButton::clicked, this, &GestorTab::Command3_Click);
    connect(m_command2, &QPushButton::clicked, this, &GestorTab::Command2_Click);
    connect(m_command7, &QPushButton::clicked, this, &GestorTab::Command7_Click);

    m_listView5 = new QTreeWidget(this);
    m_listView5->setObjectName(QStringLiteral("ListView5"));
    m_listView5->setHeaderLabels({QStringLiteral("Apuestas")});
    m_listView5->setAccessibleName(QStringLiteral("Apuestas de la peña"));
    m_listView5->setRootIsDecorated(false);
    m_listView5->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_listView5, 2, 0);

    auto* detalle = new QGridLayout;
    auto* desde = new QGroupBox(QStringLiteral("Desde la creación de la peña:"), this);
    auto* gDesde = new QGridLayout(desde);
    const QString rotulos[5] = {QStringLiteral("-Aciertos de 3: "), QStringLiteral("-Aciertos de 4: "),
                                QStringLiteral("-Aciertos de 5: "), QStringLiteral("-Aciertos de 6: "),
                                QStringLiteral("-Aciertos de 5+C: ")};
    // Top to bottom the rows read 3, 4, 5, 5+C, 6.
    const int filas[5] = {0, 1, 2, 4, 3};
    const auto fila = [&](int f, const QString& rotulo, const QString& nombre, const QString& texto) {
        auto* r = new QLabel(rotulo, desde);
        QLabel* valor = rotulado(r, nombre, texto, desde);
        gDesde->addWidget(r, f, 0);
        gDesde->addWidget(valor, f, 1);
        return valor;
    };
    for (int i = 0; i < 5; ++i)
        m_label3[static_cast<size_t>(i)] =
            fila(filas[i], rotulos[i], QStringLiteral("Label3_%1").arg(i), QStringLiteral("0"));
    m_label17 = fila(5, QStringLiteral("Sorteos\nparticipados:"), QStringLiteral("Label17"), QString());
    m_label16 = fila(6, QStringLiteral("Aciertos"), QStringLiteral("Label16"), QString());
    detalle->addWidget(desde, 0, 0);

    auto* frame4 = new QGroupBox(this);
    frame4->setObjectName(QStringLiteral("Frame4"));
    frame4->setAccessibleName(QStringLiteral("Aciertos de la peña"));
    auto* lFrame4 = new QVBoxLayout(frame4);
    m_chart3 = new GraficoPremios(QStringLiteral("MSChart3"), frame4);
    m_chart3->setAccessibleName(QStringLiteral("Gráfico de aciertos de la peña"));
    lFrame4->addWidget(m_chart3);
    detalle->addWidget(frame4, 0, 1);

    auto* tipo = new QGroupBox(QStringLiteral("Tipo de Peña:"), this);
    auto* lTipo = new QVBoxLayout(tipo);
    m_label28 = etiqueta(QStringLiteral("Label28"), QStringLiteral("Sin datos"), tipo);
    m_label29 = etiqueta(QStringLiteral("Label29"), QStringLiteral("Sin datos"), tipo);
    m_label29->setWordWrap(true);
    lTipo->addWidget(m_label28);
    lTipo->addWidget(m_label29);
    auto* gasto = new QHBoxLayout;
    auto* rGasto = new QLabel(QStringLiteral("- Gasto semanal:"), tipo);
    m_label37 = rotulado(rGasto, QStringLiteral("Label37"), QStringLiteral("0 euros."), tipo);
    gasto->addWidget(rGasto);
    gasto->addWidget(m_label37, 1);
    lTipo->addLayout(gasto);
    detalle->addWidget(tipo, 1, 0, 1, 2);
    detalle->setRowStretch(2, 1);
    detalle->setColumnStretch(1, 1);
    layout->addLayout(detalle, 2, 1);

    auto* todas = new QGroupBox(this);
    todas->setAccessibleName(QStringLiteral("Todas las peñas"));
    auto* lTodas = new QGridLayout(todas);
    auto* rSuma = new QLabel(QStringLiteral("Suma aciertos peñas:"), todas);
    m_label13 = rotulado(rSuma, QStringLiteral("Label13"), QStringLiteral("0"), todas);
    lTodas->addWidget(rSuma, 0, 0);
    lTodas->addWidget(m_label13, 0, 1);
    m_text4 = new QLineEdit(todas);
    m_text4->setObjectName(QStringLiteral("Text4"));
    m_text4->setReadOnly(true);
    m_text4->setAccessibleName(QStringLiteral("Efectividad en premios"));
    m_text5 = new QLineEdit(todas);
    m_text5->setObjectName(QStringLiteral("Text5"));
    m_text5->setReadOnly(true);
    m_text5->setAccessibleName(QStringLiteral("Sorteos de la efectividad"));
    m_text4->setMinimumWidth(340);
    lTodas->addWidget(m_text4, 1, 0, 1, 2);
    lTodas->addWidget(m_text5, 2, 0, 1, 2);
    m_chart2 = new GraficoPremios(QStringLiteral("MSChart2"), todas);
    m_chart2->setAccessibleName(QStringLiteral("Gráfico de aciertos de todas las peñas"));
    lTodas->addWidget(m_chart2, 0, 2, 3, 1);
    layout->addWidget(todas, 3, 0, 1, 2);
    // Both lists grow with the window; the peña's bets get the larger share.
    layout->setRowStretch(0, 2);
    layout->setRowStretch(2, 3);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
}

void GestorTab::cargapenas(bool mantenerElegida) {
    const VistaLista v = m_gestor.cargapenas(mantenerElegida ? m_s.penaSel : 1);
    // The row the reload showed is highlighted without being shown a second time.
    m_recargando = true;
    m_filaMostrada = v.vacio ? 0 : v.fila;
    m_listView1->clear();
    for (const FilaLista& f : v.filas) {
        auto* item = new QTreeWidgetItem(m_listView1);
        item->setText(0, f.nombre);
        if (!v.vacio) {
            item->setText(1, QString::number(f.apuestas));
            item->setText(2, oledate::toQDate(f.fecha).toString(QStringLiteral("dd/MM/yyyy")));
            item->setText(3, f.dias);
        }
    }
    m_combo2 = v.combo2;
    if (alLlenarCombo2)
        alLlenarCombo2(m_combo2);
    if (alContarPenas)
        alContarPenas(v.label9_2);
    m_image2->setEnabled(v.botones);
    m_command3->setEnabled(v.botones);
    m_command2->setEnabled(v.botones);
    m_command7->setEnabled(v.botones);
    if (v.vacio)
        m_listView5->clear();
    else if (QTreeWidgetItem* fila = m_listView1->topLevelItem(v.fila - 1))
        m_listView1->setCurrentItem(fila);
    m_recargando = false;
    for (QLabel* l : m_label3)
        ponValor(l, QStringLiteral("0"));
    ponValor(m_label13, v.label13);
    m_text4->setText(v.text4);
    m_text5->setText(v.text5);
    m_chart2->muestra(v.chart2[0], v.chart2[1]);
    muestraDetalle(v.detalle, true);
}

void GestorTab::verpena(int n) {
    muestraDetalle(m_gestor.verpena(n), true);
}

void GestorTab::alPulsarFila(QTreeWidgetItem* item) {
    const int indice = m_listView1->indexOfTopLevelItem(item) + 1;
    if (indice < 1)
        return;
    m_filaMostrada = indice;
    muestraDetalle(m_gestor.ListView1_ItemClick(indice));
}

void GestorTab::muestraDetalle(const VistaPena& v, bool sinPedir) {
    if (v.listo) {
        m_listView5->clear();
        for (const QString& a : v.apuestas)
            new QTreeWidgetItem(m_listView5, QStringList{a});
        if (!m_gestor.vacio()) {
            // A short peña asks for little room; a long one scrolls in whatever the window gives.
            m_listView5->setMinimumHeight(std::min(v.alturaLista / kTwipsPorPixel, kAlturaMinimaApuestas) +
                                          m_listView5->header()->sizeHint().height());
            for (size_t i = 0; i < 5; ++i)
                ponValor(m_label3[i], v.label3[i]);
        }
        ponValor(m_label17, v.label17);
        ponValor(m_label16, v.label16);
        m_chart3->muestra(v.chart3[0], v.chart3[1]);
        m_label28->setText(v.label28);
        m_label29->setText(v.label29);
    }
    if (v.costeListo)
        ponValor(m_label37, v.label37);
    if (v.error == 0) {
        m_s.errorBaseAvisado = 0;
        return;
    }
    if (!sinPedir || v.salir || v.error != m_s.errorBaseAvisado)
        m_s.dialogs.message(v.mensaje, tituloErrorDetalle(v.error), Dialogs::Icon::Exclamation);
    m_s.errorBaseAvisado = v.error;
    if (v.salir && salir)
        salir();
}

void GestorTab::Command3_Click() {
    if (!comandospena::seleccionada(m_s))
        return;
    if (!comandospena::eliminaPena(m_s))
        return;
    if (resumen)
        resumen();
    if (refrescarResultados)
        refrescarResultados();
}

void GestorTab::muestra(QWidget* ventana) {
    if (m_ventanas.mostrar)
        m_ventanas.mostrar(ventana);
    else
        ventana->show();
}

void GestorTab::Command2_Click() {
    if (!comandospena::seleccionada(m_s))
        return;
    muestra(new Imprimir(m_s));
}

void GestorTab::Command7_Click() {
    if (!comandospena::seleccionada(m_s))
        return;
    // An editor still open (holding bets not yet saved) comes forward instead; its
    // hand-over values stay as they are.
    if (QWidget* abierto = m_ventanas.abierta ? m_ventanas.abierta(QStringLiteral("Crea")) : nullptr) {
        abierto->raise();
        abierto->activateWindow();
        return;
    }
    comandospena::preparaEdicion(m_s);
    if (Crea* editor = Crea::crear(m_s, m_ventanas))
        muestra(editor);
}
