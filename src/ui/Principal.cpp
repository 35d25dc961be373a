#include "ui/Principal.h"

#include "checking/ListaMultiples.h"
#include "checking/gui/PanelResultados.h"
#include "core/Resumen.h"
#include "core/Session.h"
#include "core/Startup.h"
#include "download/Aviso.h"
#include "download/Descarga.h"
#include "download/EnlacesWeb.h"
#include "download/Escrutinio.h"
#include "download/gui/DescargaStrip.h"
#include "download/gui/EmbeddedPdfAvailability.h"
#include "download/gui/Infor.h"
#include "download/gui/UltimoSorteoTab.h"
#include "penas/gui/CrearCombinacionTab.h"
#include "penas/gui/GestorTab.h"
#include "platform/CurlHttpClient.h"
#include "platform/Dialogs.h"
#include "platform/UrlOpener.h"
#include "platform/gui/Accesible.h"
#include "platform/gui/ImageList1.h"
#include "stats/SeleccionEstadisticas.h"
#include "stats/gui/AsistenteCombinacion.h"
#include "stats/gui/AsistenteIcono.h"
#include "stats/gui/EstadisticasTab.h"
#include "stats/gui/FiltrosPaso1.h"
#include "stats/gui/InformeVentana.h"
#include "ui/Acercade.h"
#include "ui/Atajos.h"
#include "ui/Configurar.h"
#include "ui/EnPantalla.h"
#include "ui/GeneralTab.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

Principal::Principal(Session& s, const QString& carpetaPrograma, QWidget* parent)
    : QMainWindow(parent), m_s(s), m_carpetaPrograma(carpetaPrograma) {
    setObjectName(QStringLiteral("Principal"));
    setWindowTitle(QStringLiteral("Velmorat"));
    instalarAccesibilidad();
    m_sstab1 = new QTabWidget(this);
    m_sstab1->setObjectName(QStringLiteral("SSTab1"));
    m_sstab1->setAccessibleName(QStringLiteral("Pestañas"));
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
    auto* centro = new QWidget(this);
    centro->setAccessibleName(QStringLiteral("Contenido"));
    auto* columna = new QVBoxLayout(centro);
    columna->setContentsMargins(0, 0, 0, 0);
    m_atajos = new Atajos(centro);
    columna->addWidget(m_atajos);
    columna->addWidget(m_sstab1, 1);
    setCentralWidget(centro);
    connect(m_atajos, &Atajos::pulsado, this, &Principal::Image1_Click);
    m_resultados = new PanelResultados(m_s, m_general->hScroll1(), m_general->text3(), m_general->check1(),
                                       m_general->check2(), m_general);
    m_general->zonaResultados()->addWidget(m_resultados);
    crearDescarga();
    enlazarDescargaConResultados();
    enlazarPenasConResultados();
    crearEstadisticas();
    crearMenus();
    m_resultados->agregarMenus(menuBar()->findChild<QMenu*>(QStringLiteral("MenuGeneral")),
                               findChild<QAction*>(QStringLiteral("salir")), m_sstab1);
    crearMenusAyuda();
    enlazarAvisoYEnlaces();
    connect(m_sstab1, &QTabWidget::currentChanged, this, &Principal::SSTab1_Click);
    resize(1000, 720);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Principal::alCambiarVentanaActiva);
    sinTabEnListas(this);
    ordenTab();
    // The pages not on view, and their tables, are not there for a screen reader.
    for (int i = 0; i < m_sstab1->count(); ++i) {
        soloHijosVisibles(m_sstab1->widget(i));
        m_sstab1->widget(i)->setAccessibleName(m_sstab1->tabText(i).remove(u'&'));
    }
    // The dialogs of every part of the program (printer, file, message boxes) fit the screen.
    qApp->installEventFilter(this);
}

Principal::~Principal() = default;

void Principal::crearDescarga() {
    if (!m_s.http) {
        m_httpPropio = std::make_unique<CurlHttpClient>();
        m_s.http = m_httpPropio.get();
    }
    if (!m_s.pdf) {
        m_pdfPropio = std::make_unique<EmbeddedPdfAvailability>();
        m_s.pdf = m_pdfPropio.get();
    }
    if (!m_s.urls) {
        m_urlsPropio = std::make_unique<DesktopUrlOpener>();
        m_s.urls = m_urlsPropio.get();
    }
    m_escrutinio = new Escrutinio(m_s, *m_s.http, *m_s.pdf, *m_s.urls, this);
    m_descarga = new Descarga(m_s, *m_s.http, *m_escrutinio, this);
    m_aviso = std::make_unique<Aviso>(m_s, *m_s.http);

    m_ultimoSorteo = new UltimoSorteoTab(*m_escrutinio, m_sstab1);
    reemplazaPagina(1, m_ultimoSorteo);
    m_sstab1->setCurrentIndex(0);

    m_tiraDescarga = new DescargaStrip(*m_descarga, m_general);
    if (auto* columna = qobject_cast<QBoxLayout*>(m_general->layout()))
        columna->insertWidget(1, m_tiraDescarga);

    DescargaEnlaces& e = m_descarga->enlaces;
    e.avisoVisible = [this] {
        const QWidget* aviso = ventana(QStringLiteral("Infor"));
        return aviso && aviso->isVisible();
    };
    e.cerrarAviso = [this] { descargarVentana(QStringLiteral("Infor")); };
    e.fijarSorteosAVer = [this](int n) { m_general->hScroll1()->setValue(n); };
    e.resumen = [this] { resumen(); };
    e.seleccionarPestana = [this](int i) { m_sstab1->setCurrentIndex(i); };
}

// The peña list refills the results panel's chooser, and a deleted peña refreshes the
// results for the newest draw.
void Principal::enlazarPenasConResultados() {
    m_gestor->alLlenarCombo2 = [this](const QStringList& entradas) { m_resultados->llenarCombo2(entradas); };
    m_gestor->refrescarResultados = [this] { refrescarUltimoSorteo(); };
}

// The results panel learns of a download through its status text and progress bar; the
// download runs the results check over the draws it brought.
void Principal::enlazarDescargaConResultados() {
    m_resultados->usarControlesDescarga(m_tiraDescarga->label59(), m_tiraDescarga->progressBar1());
    DescargaEnlaces& e = m_descarga->enlaces;
    e.listasencillas = [this](int16_t n) {
        m_resultados->comprobacion().avisarFallosOtraVez(); // a download needs the write
        listasencillas(n);
    };
    e.paraparpadeo = [this] {
        paraparpadeo();
        m_resultados->setConpremio(0);
    };
    e.limpiarSelectorPena = [this] { m_resultados->combo2()->setCurrentIndex(-1); };
}

// The Estadísticas tab and the wizard's step-1 boxes show one selection; the results
// refresh and a download recompute it over the period the boxes show.
void Principal::crearEstadisticas() {
    m_seleccion = new SeleccionEstadisticas(m_s, this);
    m_estadisticas = new EstadisticasTab(m_s, *m_seleccion, m_sstab1);
    reemplazaPagina(3, m_estadisticas);
    m_filtrosPaso1 = new FiltrosPaso1(*m_seleccion, m_crearCombinacion->frame12());
    if (QLayout* paso1 = m_crearCombinacion->frame12()->layout())
        paso1->addWidget(m_filtrosPaso1);
    // The wizard ranks the counts of the selection and locks step 1 while it holds a ranking.
    EnlacesAsistente& a = m_asistente->enlaces;
    a.sorteossel = [this] { return m_seleccion->sorteossel(); };
    a.veces = [this] { return m_seleccion->frecuencias(); };
    a.habilitarPaso1 = [this](bool si) { m_filtrosPaso1->habilita(si); };
    connect(m_seleccion, &SeleccionEstadisticas::calculadas, m_asistente,
            &AsistenteCombinacion::seleccionRecalculada);
    m_sstab1->setCurrentIndex(0);

    connect(m_resultados, &PanelResultados::estadisticasPedidas, m_seleccion,
            &SeleccionEstadisticas::estadisticasSeleccion);
    DescargaEnlaces& d = m_descarga->enlaces;
    d.estadisticas = [this](double) { m_seleccion->estadisticasSeleccion(); };
    d.guardaSeleccion = [this] { m_seleccion->guardaSeleccion(); };

    MantenimientoSorteos::Enlaces& e = m_estadisticas->mantenimiento().enlaces;
    e.resumen = [this] { resumen(); };
    e.refrescar = [this] { refrescar(); };
    e.estadisticas = [this] { m_seleccion->estadisticasSeleccion(); };
    e.guardaSeleccion = [this] { m_seleccion->guardaSeleccion(); };
    e.penasReseteadas = [this] {
        m_general->hScroll1()->setValue(1);
        m_resultados->comprobacion().modelo4().reemplazar(std::make_unique<ListaMultiples>());
    };
}

void Principal::Baja_Click() {
    m_descarga->Picture2_Click();
}

// A tab change stops the prize alert and brings back the creation intro when leaving
// "Crear combinación". The "Último sorteo" page stays closed while a download runs;
// entered, it reloads the prize data when no report is on display.
void Principal::SSTab1_Click(int nueva) {
    const int anterior = m_pestanaAnterior;
    m_pestanaAnterior = nueva;
    paraparpadeo();
    if (anterior == 4) {
        m_crearCombinacion->restauraIntroduccion();
        m_asistente->Image4_Click();
    }
    if (nueva == 4)
        m_asistente->alEntrarPestana();
    if (nueva != 1)
        return;
    if (m_descarga->timer1().isActive()) {
        m_sstab1->setCurrentIndex(anterior);
        return;
    }
    m_ultimoSorteo->alEntrar();
}

void Principal::reemplazaPagina(int indice, QWidget* pagina) {
    QWidget* vieja = m_sstab1->widget(indice);
    const QString titulo = m_sstab1->tabText(indice);
    m_sstab1->removeTab(indice);
    m_sstab1->insertTab(indice, pagina, titulo);
    delete vieja;
}

void Principal::entrada(QMenu* menu, const QString& texto, const char* nombre, void (Principal::*accion)()) {
    QAction* a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nombre));
    // Queued, as a button's press: a screen reader's press on the entry returns at once, and
    // a box the entry opens comes after the menu has closed.
    connect(a, &QAction::triggered, this, accion, Qt::QueuedConnection);
}

void Principal::crearMenus() {
    QMenu* general = menuBar()->addMenu(QStringLiteral("&General"));
    general->setObjectName(QStringLiteral("MenuGeneral"));
    entrada(general, QStringLiteral("&Bajar Sorteos nuevos"), "Baja", &Principal::Baja_Click);
    entrada(general, QStringLiteral("&Crear peña nueva"), "Crearp", &Principal::Crearp_Click);
    entrada(general, QStringLiteral("B&orrar sorteos almacenados/Reset aciertos peñas"), "borrpe",
            &Principal::borrpe_Click);
    entrada(general, QStringLiteral("&Salir"), "salir", &Principal::salir_Click);

    QMenu* ver = menuBar()->addMenu(QStringLiteral("&Ver"));
    ver->setObjectName(QStringLiteral("MenuVer"));
    const struct {
        const char* texto;
        const char* nombre;
    } pestanas[] = {{"Pestaña &General", "gene"},
                    {"Pestaña Último &sorteo", "ultimo"},
                    {"Pestaña Gestor de &peñas", "Gestor"},
                    {"Pestaña &Estadísticas", "esta"},
                    {"Pestaña &Crear Combinación", "comb"}};
    // F10 opens the menu bar from the keyboard.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().value(0));
    });
    for (int i = 0; i < 5; ++i) {
        QAction* a = ver->addAction(QString::fromUtf8(pestanas[i].texto));
        a->setObjectName(QString::fromLatin1(pestanas[i].nombre));
        connect(a, &QAction::triggered, this, [this, i] { m_sstab1->setCurrentIndex(i); });
    }
}

bool Principal::Form_Load(QWidget* presentacion) {
    colocarEnPantalla();
    if (presentacion)
        presentacion->close();

    if (!startup::abrirArchivos(m_s, m_carpetaPrograma))
        return false;
    startup::leeconfig(m_s);
    m_seleccion->fijaMaximoMeses(m_s.cfg.meses);
    if (!startup::compruebanumeros(m_s))
        return false;
    resumen();
    refrescar();
    m_escrutinio->leeescrutinio(1);
    m_resultados->Command1_Click(0);
    m_aviso->miraaviso();
    m_seleccion->guardaSeleccion();
    m_cargada = true;
    return true;
}

void Principal::resumen(bool mantenerPena) {
    m_general->mostrarResumen(::resumen(m_s));
    m_gestor->cargapenas(mantenerPena);
}

// The "Gestor de peñas" and "Crear combinación" pages.
void Principal::crearPaginasPenas() {
    VentanasPenas ventanas;
    ventanas.mostrar = [this](QWidget* w) { mostrarVentana(w); };
    ventanas.descargar = [this](const QString& nombre) { descargarVentana(nombre); };
    ventanas.origenPrincipal = [this] { return pos(); };
    ventanas.abierta = [this](const QString& nombre) { return ventana(nombre); };
    ventanas.alActivarEditor = [this] {
        descargarVentana(QStringLiteral("Creamenu"));
        if (m_general->hScroll1()->value() >= 21)
            m_general->hScroll1()->setValue(1);
    };
    m_gestor = new GestorTab(m_s, ventanas, m_sstab1);
    reemplazaPagina(2, m_gestor);
    m_gestor->alContarPenas = [this](const QString& n) { m_general->label9(2)->setText(n); };
    m_gestor->resumen = [this] { resumen(); };
    m_gestor->salir = [this] { QTimer::singleShot(0, this, &Principal::salir_Click); };
    m_crearCombinacion = new CrearCombinacionTab(m_s, ventanas, m_sstab1);
    reemplazaPagina(4, m_crearCombinacion);
    m_asistente =
        new AsistenteCombinacion(m_s, ventanas, m_crearCombinacion->frame6(), m_crearCombinacion->frame7());
    InformeVentana::instalaIconoPena(m_gestor, m_s, ventanas);
}

void Principal::Crearp_Click() {
    m_crearCombinacion->Command4_Click();
}
void Principal::borrpe_Click() {
    Command5_Click();
}

void Principal::crearMenusAyuda() {
    QMenu* opciones = menuBar()->addMenu(QStringLiteral("&Opciones"));
    opciones->setObjectName(QStringLiteral("MenuOpciones"));
    entrada(opciones, QStringLiteral("&Configuración"), "confi", &Principal::confi_Click);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->setObjectName(QStringLiteral("MenuAyuda"));
    const struct {
        const char* texto;
        const char* nombre;
        void (Principal::*accion)();
    } entradas[] = {{"&Instrucciones", "instrucciones", &Principal::instrucciones_Click},
                    {"&Leer mensaje del Jefe", "Leer", &Principal::Leer_Click},
                    {"&Web del programa", "web", &Principal::web_Click},
                    {"&Acerca de...", "acerca", &Principal::acerca_Click}};
    for (const auto& e : entradas)
        entrada(ayuda, QString::fromUtf8(e.texto), e.nombre, e.accion);
}

// The notice check opens the notice window; the General tab's button, e-mail link and
// summary labels; the pointer over the tab control puts the print icon back.
void Principal::enlazarAvisoYEnlaces() {
    m_aviso->mostrarInfor = [this] {
        if (!ventana(QStringLiteral("Infor")))
            mostrarVentana(new Infor(m_s.ruta(QStringLiteral("informe.dat")), *m_s.urls, this));
    };
    connect(m_general, &GeneralTab::verMensaje, this, &Principal::Command6_Click);
    connect(m_general, &GeneralTab::correoPulsado, this, &Principal::Label5_Click);
    connect(m_general, &GeneralTab::label9Pulsado, this, &Principal::Label9_Click);
    m_sstab1->setMouseTracking(true);
    m_sstab1->tabBar()->setMouseTracking(true);
    m_sstab1->installEventFilter(this);
    m_sstab1->tabBar()->installEventFilter(this);
}

void Principal::Command6_Click() {
    if (m_descarga->timer1().isActive())
        return;
    QWidget* w = ventana(QStringLiteral("Infor"));
    mostrarVentana(w ? w : new Infor(m_s.ruta(QStringLiteral("informe.dat")), *m_s.urls, this));
}

void Principal::Leer_Click() {
    Command6_Click();
}
void Principal::instrucciones_Click() {
    m_s.urls->open(enlaces::instrucciones(m_s.cfg));
}
void Principal::web_Click() {
    m_s.urls->open(enlaces::web(m_s.cfg));
}
void Principal::Label5_Click() {
    m_s.urls->open(enlaces::correo());
}

// Shows the stored web host in place of the next draw's date, until the next summary.
void Principal::Label9_Click() {
    m_general->label9(5)->setText(m_s.cfg.webhost.leftJustified(Config::kWebhost));
}

void Principal::acerca_Click() {
    QWidget* w = ventana(QStringLiteral("Acercade"));
    mostrarVentana(w ? w : new Acercade(m_s.cfg, *m_s.urls, this));
}

void Principal::confi_Click() {
    QWidget* w = ventana(QStringLiteral("Configurar"));
    mostrarVentana(w ? w
                     : new Configurar(
                           m_s, [this](int meses) { fijarMaximoPeriodo(meses); }, this));
}

void Principal::Image1_Click(int index) {
    switch (index) {
    case 0:
        m_gestor->Command3_Click();
        break;
    case 1:
        m_gestor->Command7_Click();
        break;
    case 2:
        if (command5Habilitado())
            Command5_Click();
        break;
    case 3:
        m_gestor->Command2_Click();
        break;
    case 4:
        Command8_Click();
        break;
    default:
        break;
    }
}

// "Borrar todos los sorteos", "Añadir todos los sorteos" and the period sliders of the
// Estadísticas tab and the wizard.
void Principal::Command5_Click() {
    m_estadisticas->Command5_Click();
}
bool Principal::command5Habilitado() const {
    const auto* command5 = m_estadisticas->findChild<QPushButton*>(QStringLiteral("Command5"));
    return command5 && command5->isEnabled();
}
void Principal::Command8_Click() {
    m_estadisticas->Command8_Click();
}
void Principal::fijarMaximoPeriodo(int meses) {
    m_seleccion->fijaMaximoMeses(meses);
}

void Principal::SSTab1_MouseMove() {
    if (m_sstab1->currentIndex() == 0)
        ImageList1::show(m_resultados->image5(), 13);
}

bool Principal::eventFilter(QObject* o, QEvent* e) {
    if ((e->type() == QEvent::Show || e->type() == QEvent::Resize) && o->isWidgetType()) {
        auto* dialogo = qobject_cast<QDialog*>(o);
        if (dialogo && dialogo->isWindow()) {
            // The toolkit centres it over the window that opened it once it knows its size; one
            // that does not fit there, or grows (the printer dialog's options), comes back inside.
            enpantalla::corregirAlEnmarcar(dialogo);
        }
        return false;
    }
    if (e->type() == QEvent::MouseMove && (o == m_sstab1 || o == m_sstab1->tabBar()))
        SSTab1_MouseMove();
    return QMainWindow::eventFilter(o, e);
}

void Principal::Form_Activate() {
    ++m_activaciones;
    if (m_activaciones == 1) {
        m_s.files.apuestas.read(1);
        if (m_s.files.apuestas.eof())
            m_s.dialogs.message(
                QStringLiteral(
                    "Bienvenido a Velmorat. Vaya a la pestaña 'Crear Combinación' y cree una peña. "
                    "Podrás comprobar tus resultados a partir de hoy. Instrucciones disponibles en "
                    "nuestra web, en la sección 'Tutorial' o en el programa, en el menú 'Ayuda'."),
                QStringLiteral("Fichero de peñas vacío"), Dialogs::Icon::Information);
    }
    if (m_s.modoEdicion == 1)
        m_s.penasCambiadas = 1;
    // An editor that refuses to close (bets not saved, a bet with a wrong count) stays where
    // it is, and so do the values handed to it.
    const bool editorCerrado = descargarVentana(QStringLiteral("Crea"));
    if (editorCerrado)
        m_s.modoEdicion = 0;
    if (m_s.penasCambiadas == 1) {
        m_resultados->combo2()->setCurrentIndex(-1);
        m_resultados->refrescarUltimoSorteo(); // the summary below reloads the peña list
        resumen(true); // back from the editor, the list keeps the peña it edited
        m_s.penasCambiadas = 0;
    }
    if (editorCerrado)
        m_s.delAsistente = 0;
    for (const char* nombre : {"Creamenu", "Imprimir", "Acercade", "Configurar"})
        descargarVentana(QString::fromLatin1(nombre));
    refrescarUltimoSorteo();
}

// A check that stored new counters leaves the peña list, its detail and totals out of date.
void Principal::conPenasAlDia(const std::function<void()>& comprobar) {
    const int antes = m_resultados->comprobacion().penasGrabadas();
    comprobar();
    if (m_resultados->comprobacion().penasGrabadas() != antes)
        m_gestor->cargapenas();
}

void Principal::refrescar() {
    conPenasAlDia([this] { m_resultados->refrescar(); });
}
void Principal::listasencillas(int numSorteos) {
    m_resultados->listasencillas(numSorteos);
}
void Principal::listamulti(int numSorteos) {
    m_resultados->listamulti(numSorteos);
}
// With more than one draw on view the scroll bar goes back to 1 and the chart to its
// first page.
void Principal::refrescarUltimoSorteo() {
    const bool enUno = m_general->hScroll1()->value() == 1;
    conPenasAlDia([this] { m_resultados->refrescarUltimoSorteo(); });
    if (!enUno)
        m_estadisticas->hScroll2()->setValue(1);
}
void Principal::paraparpadeo() {
    m_resultados->paraparpadeo();
}

void Principal::salir_Click() {
    close();
}

void Principal::closeEvent(QCloseEvent* e) {
    m_s.files.cerrarTodos();
    // The program ends and every other window goes with it, without its own close checks
    // (an editor would otherwise ask to complete a bet that can no longer be saved).
    const QVector<QPointer<QWidget>> secundarias = m_secundarias;
    m_secundarias.clear();
    for (const QPointer<QWidget>& w : secundarias)
        delete w.data();
    e->accept();
    QCoreApplication::quit();
}

void Principal::mostrarVentana(QWidget* v) {
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->setWindowFlag(Qt::Window);
    m_secundarias.removeAll(nullptr);
    if (!m_secundarias.contains(v)) {
        m_secundarias.append(v);
        // Closing the active secondary window returns the user to the main window, also
        // where no window manager moves the focus back.
        connect(v, &QObject::destroyed, this, [this] {
            if (m_vieneDeSecundaria && isVisible() && !haySecundariaVisible()) {
                m_vieneDeSecundaria = false;
                programarActivacion();
            }
        });
    }
    if (!v->isVisible()) {
        sinTabEnListas(v);
        // The notice window keeps the screen's top-left corner and a window that placed itself
        // (the chooser) its own place; the others come over the main window.
        enpantalla::Lugar lugar = enpantalla::Lugar::Centrada;
        if (v->objectName() == u"Infor")
            lugar = enpantalla::Lugar::ArribaIzquierda;
        else if (v->testAttribute(Qt::WA_Moved))
            lugar = enpantalla::Lugar::Donde;
        enpantalla::colocar(v, this, lugar);
        // Escape closes a secondary window; the editor has its own closing rules.
        if (v->objectName() != u"Crea" && !v->findChild<QShortcut*>(QStringLiteral("Escape"))) {
            auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), v);
            escape->setObjectName(QStringLiteral("Escape"));
            connect(escape, &QShortcut::activated, v, &QWidget::close);
        }
    }
    v->show();
    v->raise();
    v->activateWindow();
    enpantalla::corregirAlEnmarcar(v);
}

// Tab follows the screen: the shortcuts, the tabs, then the General page top to bottom, left
// to right.
void Principal::ordenTab() {
    QList<QWidget*> orden;
    for (int i = 0; i < Atajos::kCuantos; ++i)
        orden << m_atajos->image1(i);
    orden << m_sstab1 << m_tiraDescarga->picture2() << m_general->command6() << m_general->picture1()
          << m_general->label5() << m_general->hScroll1() << m_general->check1() << m_general->check2()
          << m_resultados->command1(0) << m_resultados->command1(1) << m_resultados->combo2()
          << m_resultados->image5() << m_resultados->listView(0) << m_resultados->listView(1);
    encadena(orden);
    // The wizard's step 1 is built after steps 2 and 3, and the peña report icon after the
    // Gestor's boxes at the bottom; each is put back where it stands on its page.
    QList<QWidget*> paso1{m_crearCombinacion->findChild<QWidget*>(QStringLiteral("Command9"))};
    for (QWidget* w : m_filtrosPaso1->findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus)
            paso1 << w;
    encadena(paso1);
    encadena({m_gestor->findChild<QWidget*>(QStringLiteral("Command7")),
              m_gestor->findChild<AsistenteIcono*>(QStringLiteral("Image2_1"))});
}

void Principal::encadena(const QList<QWidget*>& orden) {
    for (qsizetype i = 1; i < orden.size(); ++i)
        if (orden.at(i - 1) && orden.at(i))
            QWidget::setTabOrder(orden.at(i - 1), orden.at(i));
}

// Tab and Shift+Tab leave every list and table; the arrows move inside them.
void Principal::sinTabEnListas(QWidget* raiz) {
    for (QAbstractItemView* lista : raiz->findChildren<QAbstractItemView*>())
        lista->setTabKeyNavigation(false);
}

QWidget* Principal::ventana(const QString& nombre) const {
    for (const QPointer<QWidget>& w : m_secundarias)
        if (w && w->objectName() == nombre)
            return w;
    return nullptr;
}

bool Principal::descargarVentana(const QString& nombre) {
    bool cerradas = true;
    for (const QPointer<QWidget>& w : QVector<QPointer<QWidget>>(m_secundarias)) {
        if (!w || w->objectName() != nombre)
            continue;
        // A window that refused to close stays listed, to be closed later.
        if (w->close())
            m_secundarias.removeAll(w);
        else
            cerradas = false;
    }
    return cerradas;
}

// Another of the program's windows still open (the editor the chooser just opened, say)
// keeps the user there; closing the last one returns to the main window.
bool Principal::haySecundariaVisible() const {
    for (const QPointer<QWidget>& w : m_secundarias)
        if (w && w->isVisible())
            return true;
    return false;
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
void Principal::programarActivacion() {
    if (m_activacionPendiente)
        return;
    m_activacionPendiente = true;
    // Run after the event that caused it, so boxes shown there get a proper parent.
    QTimer::singleShot(0, this, [this] {
        m_activacionPendiente = false;
        Form_Activate();
    });
}

// A few pixels from the corner of the screen's free area (50 twips from the top, 25 from
// the left), title bar included, and never larger than that area.
void Principal::colocarEnPantalla() {
    const QScreen* pantalla = screen();
    if (!pantalla)
        return;
    const QRect zona = pantalla->availableGeometry();
    // Before the window is first shown its frame is not known yet: allow for a title bar.
    const QRect marco = frameGeometry(), dentro = geometry();
    const QMargins borde = isVisible()
                               ? QMargins(dentro.left() - marco.left(), dentro.top() - marco.top(),
                                          marco.right() - dentro.right(), marco.bottom() - dentro.bottom())
                               : QMargins(4, 32, 4, 4);
    const QSize libre(zona.width() - 2 - borde.left() - borde.right(),
                      zona.height() - 3 - borde.top() - borde.bottom());
    resize(size().boundedTo(libre).expandedTo(minimumSizeHint()));
    move(zona.topLeft() + QPoint(2, 3));
}

void Principal::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!m_mostrada && m_cargada) {
        m_mostrada = true;
        // Once the window manager has framed the window, bring its title bar back on screen.
        QTimer::singleShot(0, this, [this] {
            if (const QScreen* pantalla = screen())
                if (!pantalla->availableGeometry().contains(frameGeometry()))
                    colocarEnPantalla();
        });
        programarActivacion();
    }
}

void Principal::alCambiarVentanaActiva(QWindow* w) {
    if (!w || !m_mostrada)
        return;
    if (w == windowHandle()) {
        if (m_vieneDeSecundaria)
            programarActivacion();
        m_vieneDeSecundaria = false;
    } else {
        m_vieneDeSecundaria = esSecundaria(w);
    }
}
