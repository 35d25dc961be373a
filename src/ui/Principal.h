#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QVector>

class CrearCombinacionTab;
class GeneralTab;
class GestorTab;
class QTabWidget;
class QWindow;
struct Session;

// The main window: five tabs, the menus, start-up, activation and exit.
class Principal : public QMainWindow {
    Q_OBJECT
public:
    explicit Principal(Session& s, QWidget* parent = nullptr);
    ~Principal() override;

    // Opens the data files and fills every view. False when the program must end (a
    // missing tables file, a refused conversion); the files are then closed.
    bool Form_Load(QWidget* presentacion = nullptr);
    // Every time the user comes back to the main window.
    void Form_Activate();
    void salir_Click();

    void resumen();

    // Shows one of the program's secondary windows, modeless. Its objectName is its name
    // ("Crea", "Creamenu", "Imprimir", "Acercade", "Configurar", "Infor").
    void mostrarVentana(QWidget* ventana);
    void descargarVentana(const QString& nombre);
    QWidget* ventana(const QString& nombre) const;

    int activaciones() const { return m_activaciones; }
    Session& session() { return m_s; }
    GeneralTab* general() const { return m_general; }
    QTabWidget* sstab1() const { return m_sstab1; }
    GestorTab* gestor() const { return m_gestor; }
    CrearCombinacionTab* crearCombinacion() const { return m_crearCombinacion; }
    // General > "Crear peña nueva": as the "Manual" button.
    void Crearp_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void crearMenus();
    void crearPaginasPenas();
    void alCambiarVentanaActiva(QWindow* w);
    bool esSecundaria(QWindow* w) const;

    Session& m_s;
    QTabWidget* m_sstab1;
    GeneralTab* m_general;
    GestorTab* m_gestor = nullptr;
    CrearCombinacionTab* m_crearCombinacion = nullptr;
    int m_pestanaAnterior = 0;
    QVector<QPointer<QWidget>> m_secundarias;
    int m_activaciones = 0;
    bool m_cargada = false;
    bool m_vieneDeSecundaria = true; // the first showing counts as an activation
    bool m_activacionPendiente = false;
};
