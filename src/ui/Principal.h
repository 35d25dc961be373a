#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class AsistenteCombinacion;
class Atajos;
class Aviso;
class CrearCombinacionTab;
class EstadisticasTab;
class FiltrosPaso1;
class SeleccionEstadisticas;
class GestorTab;
class Descarga;
class DescargaStrip;
class Escrutinio;
class GeneralTab;
class PanelResultados;
class HttpClient;
class PdfAvailability;
class UltimoSorteoTab;
class UrlOpener;
class QMenu;
class QTabWidget;
class QWindow;
struct Session;

// The main window: five tabs, the menus, start-up, activation and exit.
class Principal : public QMainWindow {
    Q_OBJECT
  public:
    // `carpetaPrograma` is the folder that holds the program and its data files.
    Principal(Session& s, const QString& carpetaPrograma, QWidget* parent = nullptr);
    ~Principal() override;

    // Opens the data files and fills every view. False when the program must end (a
    // missing tables file, a refused conversion); the files are then closed.
    bool Form_Load(QWidget* presentacion = nullptr);
    // Every time the user comes back to the main window.
    void Form_Activate();
    void salir_Click();

    void resumen(bool mantenerPena = false);
    // "Bajar Sorteos nuevos".
    void Baja_Click();

    // Shows one of the program's secondary windows, modeless. Its objectName is its name
    // ("Crea", "Creamenu", "Imprimir", "Acercade", "Configurar", "Infor").
    void mostrarVentana(QWidget* ventana);
    // Closes the open windows of that name; false when one of them refused to close.
    bool descargarVentana(const QString& nombre);
    QWidget* ventana(const QString& nombre) const;

    int activaciones() const { return m_activaciones; }
    Session& session() { return m_s; }
    GeneralTab* general() const { return m_general; }
    QTabWidget* sstab1() const { return m_sstab1; }
    PanelResultados* resultados() const { return m_resultados; }

    // The results check: over the draws on the scroll bar with the statistics (refrescar),
    // over the newest n draws (a download's new draws), and for the newest draw only (after
    // a peña was saved or deleted).
    void refrescar();
    void listasencillas(int numSorteos);
    void listamulti(int numSorteos);
    void refrescarUltimoSorteo();
    // Stops the blinking prize alert.
    void paraparpadeo();
    Descarga* descarga() const { return m_descarga; }
    Escrutinio* escrutinio() const { return m_escrutinio; }
    DescargaStrip* tiraDescarga() const { return m_tiraDescarga; }
    UltimoSorteoTab* ultimoSorteo() const { return m_ultimoSorteo; }
    GestorTab* gestor() const { return m_gestor; }
    CrearCombinacionTab* crearCombinacion() const { return m_crearCombinacion; }
    AsistenteCombinacion* asistente() const { return m_asistente; }
    // The statistics: the selection both tabs show, the Estadísticas tab (whose
    // Command5_Click and Command8_Click the menu and the shortcuts run) and the wizard's
    // step-1 boxes.
    SeleccionEstadisticas* seleccion() const { return m_seleccion; }
    EstadisticasTab* estadisticas() const { return m_estadisticas; }
    FiltrosPaso1* filtrosPaso1() const { return m_filtrosPaso1; }
    // General > "Crear peña nueva": as the "Manual" button.
    void Crearp_Click();
    // General > "Borrar sorteos almacenados/Reset aciertos peñas".
    void borrpe_Click();

    // The notice page, its window and the web links.
    Aviso* aviso() const { return m_aviso.get(); }
    void Command6_Click();
    void Leer_Click();
    void instrucciones_Click();
    void web_Click();
    void Label5_Click();
    void Label9_Click();
    void acerca_Click();
    void confi_Click();
    // The icon shortcuts; an index outside 0..4 does nothing.
    void Image1_Click(int index);
    Atajos* atajos() const { return m_atajos; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void crearMenus();
    void crearPaginasPenas();
    void crearEstadisticas();
    void alCambiarVentanaActiva(QWindow* w);
    bool esSecundaria(QWindow* w) const;
    bool haySecundariaVisible() const;
    void programarActivacion();
    void crearDescarga();
    void enlazarDescargaConResultados();
    void enlazarPenasConResultados();
    void SSTab1_Click(int nueva);
    void reemplazaPagina(int indice, QWidget* pagina);
    void crearMenusAyuda();
    void entrada(QMenu* menu, const QString& texto, const char* nombre, void (Principal::*accion)());
    void enlazarAvisoYEnlaces();
    void SSTab1_MouseMove();
    // The Estadísticas tab's commands and period sliders that the frame drives.
    void Command5_Click();
    bool command5Habilitado() const;
    void Command8_Click();
    void fijarMaximoPeriodo(int meses);
    void colocarEnPantalla();
    static void sinTabEnListas(QWidget* raiz);
    void ordenTab();
    static void encadena(const QList<QWidget*>& orden); // Tab goes from each to the next
    void conPenasAlDia(const std::function<void()>& comprobar);

    Session& m_s;
    QString m_carpetaPrograma;
    QTabWidget* m_sstab1;
    GeneralTab* m_general;
    PanelResultados* m_resultados;
    GestorTab* m_gestor = nullptr;
    CrearCombinacionTab* m_crearCombinacion = nullptr;
    AsistenteCombinacion* m_asistente = nullptr;
    SeleccionEstadisticas* m_seleccion = nullptr;
    EstadisticasTab* m_estadisticas = nullptr;
    FiltrosPaso1* m_filtrosPaso1 = nullptr;
    QVector<QPointer<QWidget>> m_secundarias;
    int m_activaciones = 0;
    bool m_cargada = false;
    bool m_mostrada = false;
    bool m_vieneDeSecundaria = false; // the last active window was one of ours
    bool m_activacionPendiente = false;

    std::unique_ptr<HttpClient> m_httpPropio;
    std::unique_ptr<PdfAvailability> m_pdfPropio;
    std::unique_ptr<UrlOpener> m_urlsPropio;
    Escrutinio* m_escrutinio = nullptr;
    Descarga* m_descarga = nullptr;
    DescargaStrip* m_tiraDescarga = nullptr;
    UltimoSorteoTab* m_ultimoSorteo = nullptr;
    std::unique_ptr<Aviso> m_aviso;
    Atajos* m_atajos = nullptr;
    int m_pestanaAnterior = 0;
};
