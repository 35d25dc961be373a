#pragma once

#include "penas/gui/VentanasPenas.h"
#include "stats/Ranking.h"

#include <QList>
#include <QObject>
#include <array>
#include <functional>

class AsistenteIcono;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;
class QStackedWidget;
struct Session;

// What the wizard needs from the statistics of step 1.
struct EnlacesAsistente {
    std::function<int()> sorteossel;          // draws in the selection
    std::function<ranking::Veces()> veces;    // how often each number came out in them
    std::function<void(bool)> habilitarPaso1; // enables or locks the step-1 boxes
};

// Steps 2 and 3 of the Crear combinación wizard, built into the frames "Paso 2" and
// "Paso 3" of the tab: how many numbers to play, the ranking of the numbers by frequency,
// and the choice of a simple, multiple or reduced bet handed to the peña editor.
class AsistenteCombinacion : public QObject {
    Q_OBJECT
  public:
    AsistenteCombinacion(Session& s, VentanasPenas ventanas, QGroupBox* frame6, QGroupBox* frame7);

    EnlacesAsistente enlaces;

    void Slider2_Change(int n);
    void listatablas(int n);
    void Combo1_Click(int posicion);
    void Image3_Click(int indice);
    void Image4_Click(); // back to step 1
    void Image2_Click(); // report of the combination
    // The selection of step 1 was counted again (a download, a new month limit): a held
    // ranking is made again from the new counts, or the wizard goes back to step 1 when no
    // draw is left to rank.
    void seleccionRecalculada();
    // Entering the tab: the wizard at step 1 and no report until numbers are ranked.
    void alEntrarPestana();

    // False while a ranking is held (step 2 onwards): the step-1 boxes stay locked.
    bool paso1Habilitado() const { return m_paso1Habilitado; }

    QSlider* slider2() const { return m_slider2; }
    QComboBox* combo1() const { return m_combo1; }
    AsistenteIcono* image3(int i) const { return m_image3.at(static_cast<size_t>(i)); }
    AsistenteIcono* image4() const { return m_image4; }
    AsistenteIcono* image2() const { return m_image2; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void construyePaso2(QGroupBox* frame6);
    void construyePaso3(QGroupBox* frame7);
    void abreEditor();
    void habilitaPaso1(bool si);
    // Ranks the counts of the selection for n numbers; the report stays off when the
    // ranking could not be stored.
    void ordena(int n);
    // Shows the detail of the chosen reduced table, or the hint to choose one.
    void muestraFicha(bool tabla);

    Session& m_s;
    VentanasPenas m_ventanas;
    QGroupBox* m_frame7 = nullptr;
    QSlider* m_slider2 = nullptr;
    QLabel* m_label23 = nullptr;
    std::array<AsistenteIcono*, 3> m_image3{};
    AsistenteIcono* m_image4 = nullptr;
    AsistenteIcono* m_image2 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_label51 = nullptr;
    QStackedWidget* m_hojaReducida = nullptr; // Frame9 or Frame10, in the room of the larger
    QGroupBox* m_frame9 = nullptr;
    QGroupBox* m_frame10 = nullptr;
    QLabel* m_label43 = nullptr;
    QLabel* m_label47 = nullptr;
    QLabel* m_label48 = nullptr;
    QLabel* m_label49 = nullptr;
    QLabel* m_label50 = nullptr;
    QList<int> m_tablacombo;
    bool m_paso1Habilitado = true;
    ranking::Veces m_vecesOrdenadas{}; // the counts of the ranking held
};
