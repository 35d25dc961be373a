#pragma once

#include "penas/GestorPenas.h"
#include "penas/gui/VentanasPenas.h"

#include <QWidget>
#include <array>
#include <functional>

class GraficoPremios;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct Session;

// The "Gestor de peñas" tab: the peña list, the detail of one peña and the commands on the
// selected peña.
class GestorTab : public QWidget {
    Q_OBJECT
  public:
    GestorTab(Session& s, VentanasPenas ventanas, QWidget* parent = nullptr);

    // Reloads the list and shows row 1, or the peña chosen before when `mantenerElegida`
    // (the editor closed).
    void cargapenas(bool mantenerElegida = false);
    void verpena(int n);

    void Command3_Click(); // "Eliminar peña"
    void Command2_Click(); // "Imprimir boletos"
    void Command7_Click(); // "Editar Peña"

    // The peña chooser of the results panel receives the names, item k being record k.
    std::function<void(const QStringList&)> alLlenarCombo2;
    // The peña count of the General tab.
    std::function<void(const QString&)> alContarPenas;
    // After a deletion: the General tab summary (which reloads this list) and the results
    // for the newest draw.
    std::function<void()> resumen;
    std::function<void()> refrescarResultados;
    // The program ends (a file it needs is missing or damaged).
    std::function<void()> salir;

  private:
    // `sinPedir`: shown by the program itself, not by a click; a database failure already
    // told is then not told again.
    void muestraDetalle(const VistaPena& v, bool sinPedir = false);
    void alPulsarFila(QTreeWidgetItem* item);
    void muestra(QWidget* ventana);

    Session& m_s;
    VentanasPenas m_ventanas;
    GestorPenas m_gestor;
    QStringList m_combo2;
    bool m_recargando = false;
    int m_filaMostrada = 0; // the row shown, 0 when none

    QTreeWidget* m_listView1;
    QTreeWidget* m_listView5;
    std::array<QLabel*, 5> m_label3{};
    QLabel* m_label17;
    QLabel* m_label16;
    QLabel* m_label28;
    QLabel* m_label29;
    QLabel* m_label37;
    QLabel* m_label13;
    QLineEdit* m_text4;
    QLineEdit* m_text5;
    GraficoPremios* m_chart2;
    GraficoPremios* m_chart3;
    QPushButton* m_command3;
    QPushButton* m_command2;
    QPushButton* m_command7;
    QLabel* m_image2;
};
