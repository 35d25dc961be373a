#pragma once

#include "penas/ImpresionBoletos.h"

#include <QWidget>
#include <array>
#include <memory>

class PrintService;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Session;

// "Imprimir boletos": prints the current peña's bets on official ticket paper or on plain
// paper, with the printer correction for official paper.
class Imprimir : public QWidget {
    Q_OBJECT
  public:
    explicit Imprimir(Session& s, QWidget* parent = nullptr);
    ~Imprimir() override;

    // The printer dialog; by default the system's.
    void usarImpresora(PrintService* servicio) { m_servicio = servicio; }

    void Command1_Click(); // official paper
    void Command2_Click(); // plain paper

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void imprime(ImpresionBoletos::Modo modo);

    Session& m_s;
    ImpresionBoletos m_boletos;
    PrintService* m_servicio = nullptr;
    std::unique_ptr<PrintService> m_servicioPropio;
    std::array<QLineEdit*, 2> m_text1{};
    QCheckBox* m_check1;
};
