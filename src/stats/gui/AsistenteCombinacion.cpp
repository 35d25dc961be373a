#include "stats/gui/AsistenteCombinacion.h"

#include "core/Session.h"
#include "penas/ListaTablas.h"
#include "penas/gui/Crea.h"
#include "platform/Dialogs.h"
#include "stats/Asistente.h"
#include "stats/AvisoBase.h"
#include "stats/BaseInforme.h"
#include "stats/gui/AsistenteIcono.h"
#include "stats/gui/InformeVentana.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// Picture numbers of the picture list.
constexpr int kInformeEncima = 3, kInforme = 4, kInformeApagado = 5;
constexpr int kEleccion = 6, kEleccionEncima = 7, kEleccionApagada = 8;
constexpr int kVolver = 9, kVolverEncima = 10, kVolverApagado = 11;

// The most numbers a reduced system keeps, the widest choice the wizard offers.
constexpr int kMaxNumeros = 20;

QLabel* etiqueta(const char* nombre, const QString& texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    if (nombre)
        l->setObjectName(QString::fromLatin1(nombre));
    l->setWordWrap(true);
    return l;
}

} // namespace

AsistenteCombinacion::AsistenteCombinacion(Session& s, VentanasPenas ventanas, QGroupBox* frame6,
                                           QGroupBox* frame7)
    : QObject(frame7), m_s(s), m_ventanas(std::move(ventanas)) {
    construyePaso2(frame6);
    construyePaso3(frame7);
    for (AsistenteIcono* i : m_image3)
        i->setEnabled(false);
    m_image4->setEnabled(false);
    m_image2->setEnabled(false);
    m_combo1->setEnabled(false);
}

void AsistenteCombinacion::construyePaso2(QGroupBox* frame6) {
    auto* layout = qobject_cast<QBoxLayout*>(frame6->layout());
    if (!layout)
        layout = new QVBoxLayout(frame6);
    auto* fila = new QHBoxLayout;
    QLabel* label22 =
        etiqueta("Label22", QStringLiteral("- Indique la cantidad de números a seleccionar:"), frame6);
    label22->setWordWrap(false);
    fila->addWidget(label22);
    m_slider2 = new QSlider(Qt::Horizontal, frame6);
    m_slider2->setObjectName(QStringLiteral("Slider2"));
    m_slider2->setAccessibleName(QStringLiteral("Cantidad de números"));
    m_slider2->setRange(0, kMaxNumeros);
    m_slider2->setPageStep(1);
    m_slider2->setTickPosition(QSlider::TicksBelow);
    m_slider2->setTickInterval(1);
    // Like a change event: a drag counts once, when the slider is let go.
    m_slider2->setTracking(false);
    fila->addWidget(m_slider2, 1);
    layout->addLayout(fila);
    m_label23 = etiqueta("Label23", QStringLiteral("Ha seleccionado 0 números."), frame6);
    layout->addWidget(m_label23);
    connect(m_slider2, &QSlider::valueChanged, this, &AsistenteCombinacion::Slider2_Change);
}

void AsistenteCombinacion::construyePaso3(QGroupBox* frame7) {
    m_frame7 = frame7;
    auto* layout = qobject_cast<QBoxLayout*>(frame7->layout());
    if (!layout)
        layout = new QVBoxLayout(frame7);
    frame7->installEventFilter(this);

    auto* elecciones = new QGridLayout;
    const struct {
        const char* objeto;
        QString titulo;
        QString pista;
    } opciones[3] = {
        {"Image3_0", QStringLiteral("Reducida:"), QString()},
        {"Image3_1", QStringLiteral("Sencilla:"), QStringLiteral("Sólo cuando se seleccionan 6 números.")},
        {"Image3_2", QStringLiteral("Múltiple:"), QStringLiteral("Sólo con 5, 7, 8, 9, 10 y 11 números.")},
    };
    for (int i = 0; i < 3; ++i) {
        const auto& o = opciones[i];
        auto* icono = new AsistenteIcono(QString::fromLatin1(o.objeto), o.titulo, kEleccion, kEleccionEncima,
                                         kEleccionApagada, frame7);
        m_image3[static_cast<size_t>(i)] = icono;
        auto* titulo = etiqueta(nullptr, o.titulo, frame7);
        titulo->setBuddy(icono);
        elecciones->addWidget(titulo, 0, i);
        elecciones->addWidget(icono, 1, i, Qt::AlignLeft);
        if (!o.pista.isEmpty())
            elecciones->addWidget(etiqueta(nullptr, o.pista, frame7), 2, i, Qt::AlignTop);
        connect(icono, &AsistenteIcono::clicked, this, [this, i] { Image3_Click(i); });
    }
    auto* reducida = new QVBoxLayout;
    m_combo1 = new QComboBox(frame7);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(QStringLiteral("Tablas disponibles"));
    m_combo1->setMinimumContentsLength(28);
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_label51 = etiqueta("Label51", QString(), frame7);
    reducida->addWidget(m_combo1);
    reducida->addWidget(m_label51);
    elecciones->addLayout(reducida, 2, 0, Qt::AlignTop);
    elecciones->setColumnStretch(0, 2);
    elecciones->setColumnStretch(1, 1);
    elecciones->setColumnStretch(2, 1);
    layout->addLayout(elecciones);
    connect(m_combo1, &QComboBox::activated, this, &AsistenteCombinacion::Combo1_Click);

    // The hint and the detail take turns in one place as tall as the detail, so that
    // choosing a table moves nothing on the page.
    m_hojaReducida = new QStackedWidget(frame7);
    m_frame9 = new QGroupBox(m_hojaReducida);
    m_frame9->setObjectName(QStringLiteral("Frame9"));
    m_frame9->setAccessibleName(QStringLiteral("REDUCIDA"));
    auto* l9 = new QVBoxLayout(m_frame9);
    l9->addWidget(etiqueta(nullptr, QStringLiteral("Seleccione una de las tablas disponibles de reducción."),
                           m_frame9));
    l9->addStretch(1);
    m_hojaReducida->addWidget(m_frame9);

    m_frame10 = new QGroupBox(QStringLiteral("REDUCIDA"), m_hojaReducida);
    m_frame10->setObjectName(QStringLiteral("Frame10"));
    auto* l10 = new QGridLayout(m_frame10);
    m_label43 = etiqueta("Label43", QString(), m_frame10);
    m_label48 = etiqueta("Label48", QString(), m_frame10);
    m_label47 = etiqueta("Label47", QString(), m_frame10);
    m_label49 = etiqueta("Label49", QString(), m_frame10);
    m_label50 = etiqueta("Label50", QString(), m_frame10);
    l10->addWidget(m_label43, 0, 0, 1, 2);
    l10->addWidget(etiqueta(nullptr, QStringLiteral("Asegura al 100% un premio de:"), m_frame10), 1, 0);
    l10->addWidget(m_label48, 1, 1);
    l10->addWidget(etiqueta(nullptr, QStringLiteral("Apuestas jugadas sobre el total:"), m_frame10), 2, 0);
    l10->addWidget(m_label47, 2, 1);
    l10->addWidget(m_label49, 3, 0);
    l10->addWidget(m_label50, 3, 1);
    l10->setColumnStretch(1, 1);
    // One line each whatever the table: their texts never change the frame's height.
    for (QLabel* l : m_hojaReducida->findChildren<QLabel*>()) {
        l->setWordWrap(false);
        l->setMinimumHeight(l->fontMetrics().height());
    }
    m_hojaReducida->addWidget(m_frame10);
    m_hojaReducida->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_hojaReducida);

    auto* pie = new QHBoxLayout;
    auto* label52 = etiqueta("Label52", QStringLiteral("-Volver al Paso 1:"), frame7);
    label52->setWordWrap(false);
    m_image4 = new AsistenteIcono(QStringLiteral("Image4"), QStringLiteral("Volver al Paso 1"), kVolver,
                                  kVolverEncima, kVolverApagado, frame7);
    label52->setBuddy(m_image4);
    m_image2 = new AsistenteIcono(QStringLiteral("Image2_0"), QStringLiteral("Informe de la combinación"),
                                  kInforme, kInformeEncima, kInformeApagado, frame7);
    pie->addWidget(label52);
    pie->addWidget(m_image4);
    pie->addStretch(1);
    pie->addWidget(etiqueta(nullptr, QStringLiteral("Informe:"), frame7));
    pie->addWidget(m_image2);
    layout->addLayout(pie);
    connect(m_image4, &AsistenteIcono::clicked, this, &AsistenteCombinacion::Image4_Click);
    connect(m_image2, &AsistenteIcono::clicked, this, &AsistenteCombinacion::Image2_Click);
}

void AsistenteCombinacion::habilitaPaso1(bool si) {
    m_paso1Habilitado = si;
    if (enlaces.habilitarPaso1)
        enlaces.habilitarPaso1(si);
}

void AsistenteCombinacion::muestraFicha(bool tabla) {
    if (!tabla)
        for (QLabel* l : {m_label43, m_label48, m_label47, m_label49, m_label50})
            l->clear();
    m_hojaReducida->setCurrentWidget(tabla ? static_cast<QWidget*>(m_frame10) : m_frame9);
}

void AsistenteCombinacion::ordena(int n) {
    m_vecesOrdenadas = enlaces.veces ? enlaces.veces() : ranking::Veces{};
    const QString base = m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo));
    const int error = ranking::rankfrecu(base, m_vecesOrdenadas, n, m_s.numerosAuto);
    if (error != 0)
        avisaErrorBase(m_s.dialogs, base, error);
    // Without a fresh ranking in the database the report stays off.
    m_image2->setEnabled(error == 0);
}

void AsistenteCombinacion::seleccionRecalculada() {
    const int n = m_slider2->value();
    if (n == 0)
        return;
    if (!enlaces.sorteossel || enlaces.sorteossel() == 0) {
        Image4_Click();
        return;
    }
    if (!enlaces.veces || enlaces.veces() != m_vecesOrdenadas)
        ordena(n);
}

void AsistenteCombinacion::Slider2_Change(int n) {
    if (n >= 1 && (!enlaces.sorteossel || enlaces.sorteossel() == 0)) {
        m_s.dialogs.message(
            QStringLiteral(
                "No has seleccionado sorteos. Por favor, selecciona más sorteos en el paso anterior."),
            QStringLiteral("Mal, mal, mal..."), Dialogs::Icon::Information);
        m_slider2->setValue(0);
        return;
    }
    for (AsistenteIcono* i : m_image3)
        i->setEnabled(false);
    m_image2->setEnabled(false);
    m_image4->setEnabled(true);
    // A table chosen for another count of numbers no longer applies.
    muestraFicha(false);
    m_label23->setText(QStringLiteral("Ha seleccionado %1 números.").arg(n));
    if (n == 0)
        return;

    ordena(n);
    m_combo1->setEnabled(true);
    listatablas(n);
    if (asistente::permiteSencilla(n))
        m_image3[1]->setEnabled(true);
    else if (asistente::permiteMultiple(n))
        m_image3[2]->setEnabled(true);
    habilitaPaso1(false);
}

void AsistenteCombinacion::listatablas(int n) {
    const listatablas::Lista l = listatablas::listatablas(m_s.ruta(QStringLiteral("tablas.bin")), n);
    m_combo1->setEnabled(true);
    m_combo1->clear();
    m_combo1->addItems(l.entradas);
    m_combo1->setCurrentIndex(-1);
    m_combo1->setPlaceholderText(l.texto);
    m_tablacombo = l.tablacombo;
    m_s.tablaElegida = 0;
    if (l.hayTablas())
        m_image3[0]->setEnabled(true);
    m_label51->setText(l.label51);
}

void AsistenteCombinacion::Combo1_Click(int posicion) {
    if (posicion < 0 || posicion >= m_tablacombo.size())
        return;
    muestraFicha(true);
    m_s.codMultiple = 7;
    m_s.delAsistente = 1;
    m_s.tablaElegida = m_tablacombo.at(posicion);
    const QList<tablas::Cabecera> cabeceras = tablas::cabeceras(m_s.ruta(QStringLiteral("tablas.bin")));
    // The file may have changed since the list was made: show the header actually read.
    const tablas::Cabecera c = cabeceras.value(m_s.tablaElegida);
    const listatablas::Ficha f = listatablas::ficha(c, m_slider2->value());
    m_label43->setText(f.label43);
    m_label48->setText(f.label48);
    m_label47->setText(f.label47);
    m_label49->setText(f.label49);
    m_label50->setText(f.label50);
}

void AsistenteCombinacion::Image3_Click(int indice) {
    switch (indice) {
    case 0:
        if (m_combo1->currentIndex() < 0) {
            m_s.dialogs.message(
                QStringLiteral("Elija primero una tabla de reducidas en el menú desplegable."),
                QStringLiteral("No tan deprisa!"), Dialogs::Icon::Information);
            return;
        }
        // Set again here: returning to the main window in between (from the report, say)
        // clears the hand-over that the table choice made.
        m_s.codMultiple = 7;
        m_s.delAsistente = 1;
        m_s.tablaElegida = m_tablacombo.value(m_combo1->currentIndex());
        break;
    case 1:
        m_s.codMultiple = 0;
        break;
    case 2:
        m_s.codMultiple = asistente::codigoMultiple(m_slider2->value());
        break;
    default:
        return;
    }
    if (indice != 0) {
        m_s.delAsistente = 1;
        m_s.tablaElegida = 0;
    }
    Image4_Click();
    abreEditor();
}

void AsistenteCombinacion::abreEditor() {
    Crea::abre(m_s, m_ventanas);
}

void AsistenteCombinacion::Image4_Click() {
    for (AsistenteIcono* i : m_image3)
        i->setEnabled(false);
    m_slider2->setValue(0);
    m_image4->setEnabled(false);
    m_image2->setEnabled(false);
    m_combo1->setEnabled(false);
    muestraFicha(false);
    habilitaPaso1(true);
}

void AsistenteCombinacion::Image2_Click() {
    InformeVentana::Image2_Click(m_s, 0, m_ventanas);
}

void AsistenteCombinacion::alEntrarPestana() {
    Image4_Click();
    m_image2->setEnabled(false);
    listatablas(0);
}

// The pointer over "Paso 3" but off its icons puts back their normal pictures.
bool AsistenteCombinacion::eventFilter(QObject* o, QEvent* e) {
    if (o == m_frame7 && (e->type() == QEvent::Enter || e->type() == QEvent::HoverMove)) {
        m_image2->vuelveNormal();
        m_image4->vuelveNormal();
        for (AsistenteIcono* i : m_image3)
            i->vuelveNormal();
    }
    return QObject::eventFilter(o, e);
}
