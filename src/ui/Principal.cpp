#include "ui/Principal.h"

#include "core/Resumen.h"
#include "core/Session.h"
#include "core/Startup.h"
#include "penas/gui/CrearCombinacionTab.h"
#include "penas/gui/GestorTab.h"
#include "platform/Dialogs.h"
#include "ui/GeneralTab.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

Principal::Principal(Session& s, QWidget* parent) : QMainWindow(parent), m_s(s) {
    setObjectName(QStringLiteral("Principal"));
    setWindowTitle(QStringLiteral("Velmorat"));
    m_sstab1 = new QTabWidget(this);
    m_sstab1->setObjectName(QStringLiteral("SSTab1"));
    m_general = new GeneralTab(m_sstab1);
    m_sstab1->addTab(m_general, QStringLiteral("General"));
    const QStringList otras = {QStringLiteral("Último sorteo"), QStringLiteral("Gestor de peñas"),
                               QStringLiteral("Estadísticas"), QStringLiteral("Crear combinación")};
    for (int i = 0; i < otras.size(); ++i) {
        auto* pagina = new QWidget(m_sstab1);
        pagina->setObjectName(QStringLiteral("SSTab1_%1").arg(i + 1));
        m_sstab1->addTab(pagina, otras.at(i));
    }
    crearPaginasPenas();
    setCentralWidget(m_sstab1);
    crearMenus();
    resize(1000, 720);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Principal::alCambiarVentanaActiva);
}

Principal::~Principal() = default;

void Principal::crearMenus() {
    QMenu* general = menuBar()->addMenu(QStringLiteral("General"));
    general->setObjectName(QStringLiteral("MenuGeneral"));
    QAction* crearp = general->addAction(QStringLiteral("Crear peña nueva"));
    crearp->setObjectName(QStringLiteral("Crearp"));
    connect(crearp, &QAction::triggered, this, &Principal::Crearp_Click);
    QAction* salir = general->addAction(QStringLiteral("Salir"));
    salir->setObjectName(QStringLiteral("salir"));
    connect(salir, &QAction::triggered, this, &Principal::salir_Click);

    QMenu* ver = menuBar()->addMenu(QStringLiteral("Ver"));
    ver->setObjectName(QStringLiteral("MenuVer"));
    const struct {
        const char* texto;
        const char* nombre;
    } pestanas[] = {{"Pestaña General", "gene"},
                    {"Pestaña Último sorteo", "ultimo"},
                    {"Pestaña Gestor de peñas", "Gestor"},
                    {"Pestaña Estadísticas", "esta"},
                    {"Pestaña Crear Combinación", "comb"}};
    for (int i = 0; i < 5; ++i) {
        QAction* a = ver->addAction(QString::fromUtf8(pestanas[i].texto));
        a->setObjectName(QString::fromLatin1(pestanas[i].nombre));
        connect(a, &QAction::triggered, this, [this, i] { m_sstab1->setCurrentIndex(i); });
    }
}

bool Principal::Form_Load(QWidget* presentacion) {
    if (const QScreen* pantalla = screen()) {
        // 50 twips from the top and 25 from the left: a few pixels from the corner.
        const QRect zona = pantalla->availableGeometry();
        move(zona.left() + 2, zona.top() + 3);
    }
    if (presentacion)
        presentacion->close();

    if (!startup::abrirArchivos(m_s, QCoreApplication::applicationDirPath()))
        return false;
    startup::leeconfig(m_s);
    if (!startup::compruebanumeros(m_s))
        return false;
    resumen();
    m_cargada = true;
    return true;
}

void Principal::resumen() {
    m_general->mostrarResumen(::resumen(m_s));
    m_gestor->cargapenas();
}

// The "Gestor de peñas" and "Crear combinación" pages.
void Principal::crearPaginasPenas() {
    VentanasPenas ventanas;
    ventanas.mostrar = [this](QWidget* w) { mostrarVentana(w); };
    ventanas.descargar = [this](const QString& nombre) { descargarVentana(nombre); };
    ventanas.origenPrincipal = [this] { return pos(); };
    ventanas.alActivarEditor = [this] {
        descargarVentana(QStringLiteral("Creamenu"));
        if (m_general->hScroll1()->value() >= 21)
            m_general->hScroll1()->setValue(1);
    };
    auto reemplaza = [this](int indice, QWidget* pagina) {
        QWidget* vieja = m_sstab1->widget(indice);
        const QString titulo = m_sstab1->tabText(indice);
        m_sstab1->removeTab(indice);
        m_sstab1->insertTab(indice, pagina, titulo);
        delete vieja;
    };
    m_gestor = new GestorTab(m_s, ventanas, m_sstab1);
    reemplaza(2, m_gestor);
    m_gestor->alContarPenas = [this](const QString& n) { m_general->label9(2)->setText(n); };
    m_gestor->resumen = [this] { resumen(); };
    m_gestor->salir = [this] { QTimer::singleShot(0, this, &Principal::salir_Click); };
    m_crearCombinacion = new CrearCombinacionTab(m_s, ventanas, m_sstab1);
    reemplaza(4, m_crearCombinacion);
    connect(m_sstab1, &QTabWidget::currentChanged, this, [this](int actual) {
        if (m_pestanaAnterior == 4)
            m_crearCombinacion->restauraIntroduccion();
        m_pestanaAnterior = actual;
    });
}

void Principal::Crearp_Click() { m_crearCombinacion->Command4_Click(); }

void Principal::Form_Activate() {
    ++m_activaciones;
    if (m_activaciones == 1) {
        m_s.files.apuestas.read(1);
        if (m_s.files.apuestas.eof())
            m_s.dialogs.message(
                QStringLiteral("Bienvenido a Velmorat. Vaya a la pestaña 'Crear Combinación' y cree una peña. "
                               "Podrás comprobar tus resultados a partir de hoy. Instrucciones disponibles en "
                               "nuestra web, en la sección 'Tutorial' o en el programa, en el menú 'Ayuda'."),
                QStringLiteral("Fichero de peñas vacío"), Dialogs::Icon::Information);
    }
    if (m_s.modoEdicion == 1)
        m_s.penasCambiadas = 1;
    descargarVentana(QStringLiteral("Crea"));
    m_s.modoEdicion = 0;
    if (m_s.penasCambiadas == 1) {
        resumen();
        m_s.penasCambiadas = 0;
    }
    m_s.delAsistente = 0;
    for (const char* nombre : {"Creamenu", "Imprimir", "Acercade", "Configurar"})
        descargarVentana(QString::fromLatin1(nombre));
}

void Principal::salir_Click() { close(); }

void Principal::closeEvent(QCloseEvent* e) {
    m_s.files.cerrarTodos();
    for (const QPointer<QWidget>& w : std::as_const(m_secundarias))
        if (w)
            w->close();
    e->accept();
    QCoreApplication::quit();
}

void Principal::mostrarVentana(QWidget* v) {
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->setWindowFlag(Qt::Window);
    m_secundarias.removeAll(nullptr);
    if (!m_secundarias.contains(v))
        m_secundarias.append(v);
    v->show();
    v->raise();
    v->activateWindow();
}

QWidget* Principal::ventana(const QString& nombre) const {
    for (const QPointer<QWidget>& w : m_secundarias)
        if (w && w->objectName() == nombre)
            return w;
    return nullptr;
}

void Principal::descargarVentana(const QString& nombre) {
    if (QWidget* w = ventana(nombre)) {
        w->close();
        m_secundarias.removeAll(w);
    }
}

bool Principal::esSecundaria(QWindow* w) const {
    for (; w; w = w->transientParent())
        for (const QPointer<QWidget>& s : m_secundarias)
            if (s && s->windowHandle() == w)
                return true;
    return false;
}

// The main window counts as activated when it is first shown and when the user comes back
// to it from one of the program's own secondary windows; a message box or file dialog of
// its own, or another application, does not count.
void Principal::alCambiarVentanaActiva(QWindow* w) {
    if (!w || !m_cargada)
        return;
    if (w == windowHandle()) {
        if (m_vieneDeSecundaria && !m_activacionPendiente) {
            m_activacionPendiente = true;
            // Run after the focus change completes, so boxes shown there get a proper parent.
            QTimer::singleShot(0, this, [this] {
                m_activacionPendiente = false;
                Form_Activate();
            });
        }
        m_vieneDeSecundaria = false;
    } else {
        m_vieneDeSecundaria = esSecundaria(w);
    }
}
