#pragma once

#include "checking/Comprobacion.h"
#include "checking/VistaResultados.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class PrintService;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTableView;
struct Session;

// The results panel of the General tab: the simple-peña and multiple-peña lists sharing one
// place, their switch buttons (which blink on a new prize), the peña chooser, the progress
// of a check and the print icon. The draws-to-view scroll bar and the two filter boxes stay
// on the General tab; the panel drives the check from them.
class PanelResultados final : public QWidget, public VistaResultados {
    Q_OBJECT
  public:
    PanelResultados(Session& s, QScrollBar* hScroll1, QLineEdit* text3, QCheckBox* check1, QCheckBox* check2,
                    QWidget* parent = nullptr);
    ~PanelResultados() override;

    // The download strip's status text (a prize blinks only while it shows something) and its
    // progress bar (at 3 a change of the scroll bar does not refresh).
    void usarControlesDescarga(QLabel* label59, QProgressBar* progressBar1);
    // The printer dialog; by default the system's.
    void usarImpresora(PrintService* servicio);
    // Adds the Sencillas and Múltiples menus to the General menu, before `antes`; each entry
    // first brings the General tab forward.
    void agregarMenus(QMenu* general, QAction* antes, QTabWidget* sstab1);

    // Refills the peña chooser with the peña list's entries ("TODAS LAS PEÑAS", then the names
    // as stored, so that entry k is record k); nothing chosen.
    void llenarCombo2(const QStringList& entradas);

    // The results check over the draws on the scroll bar, then the statistics.
    void refrescar();
    // The check of simple and multiple peñas over the newest `numSorteos` draws, as a
    // download runs it after appending new draws.
    void listasencillas(int numSorteos);
    void listamulti(int numSorteos);
    // The refresh for the newest draw that the main window's activation and a peña deletion run.
    void refrescarUltimoSorteo();
    void Command1_Click(int index) override;
    void paraparpadeo();
    void Timer3_Timer();
    void Image5_Click();
    void Combo2_Click();
    void Check1_Click();
    void Check2_Click();
    void HScroll1_Change();

    Comprobacion& comprobacion() { return *m_comprobacion; }
    int conpremio() const { return m_comprobacion->conpremio; }
    void setConpremio(int v) { m_comprobacion->conpremio = v; }
    QTableView* listView(int cual) const { return m_listas[static_cast<size_t>(cual)]; }
    QPushButton* command1(int i) const { return m_command1[static_cast<size_t>(i)]; }
    QComboBox* combo2() const { return m_combo2; }
    QProgressBar* progressBar2() const { return m_progressBar2; }
    QLabel* image5() const { return m_image5; }
    QTimer& timer3() { return m_timer3; }
    QImage logo() const;

  signals:
    // Asks for the statistics over all draws, the second half of a refresh.
    void estadisticasPedidas();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    // What the check reads from the panel.
    int combo2ListIndex() const override;
    QString combo2Texto() const override;
    bool historico() const override;
    bool soloPremio() const override;
    bool avisoDescarga() const override;
    bool timer3Activo() const override { return m_timer3.isActive(); }
    void iniciarTimer3() override { m_timer3.start(); }
    bool listaVisible(int cual) const override;
    void progreso(int valor, int maximo) override;

    QTableView* crearLista(ModeloResultados& modelo, const QString& nombre, int columnasNumeros);
    void ponerBoton(int i, bool rojo);
    void limpiarLabel59();

    Session& m_s;
    std::unique_ptr<Comprobacion> m_comprobacion;
    QScrollBar* m_hScroll1;
    QLineEdit* m_text3;
    QCheckBox* m_check1;
    QCheckBox* m_check2;
    std::array<QPushButton*, 2> m_command1{};
    std::array<QTableView*, 2> m_listas{};
    QComboBox* m_combo2;
    QProgressBar* m_progressBar2;
    QLabel* m_image5;
    QTimer m_timer3;
    QPointer<QLabel> m_label59;
    QPointer<QProgressBar> m_progressBar1;
    PrintService* m_impresion = nullptr;
    std::unique_ptr<PrintService> m_impresionPropia;
    int m_ultimoPintado = -1;
};
