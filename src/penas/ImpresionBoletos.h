#pragma once

#include <QString>
#include <array>
#include <memory>

class Printer;
class PrintService;
struct Session;

// Printing the bets of the current peña (penaActual) as La Primitiva tickets: "X" marks on
// official ticket paper fed into the printer, shifted by the user's correction (margenX,
// margenY of the shared settings), or whole tickets drawn on plain paper, two to a page.
// A ticket holds eight blocks of the 49 numbers; block j takes one simple bet. All
// positions are millimetres from the printer's origin.
class ImpresionBoletos {
  public:
    enum Modo { PapelOficial = 0, PapelNormal = 1 };

    explicit ImpresionBoletos(Session& s) : m_s(s) {}

    // Bets to print: numApuestas of a simple or reduced peña, 1 for a multiple one, none
    // for a count no peña can have.
    int apuestas() const;
    int numerosPorApuesta() const;
    // Tickets needed: one per eight bets, one for a multiple peña.
    int boletos() const;
    bool multiple() const;

    // The window's read-outs: the peña name, total bets, tickets, draw days.
    QString label10() const;
    QString label2(int indice) const;

    // Prints every ticket on the printer the dialog gives. False when the dialog was
    // cancelled or the job could not be started or finished; a job is then never left
    // half sent.
    bool imprime(PrintService& servicio, Modo modo, bool joker);
    // The same on a printer already chosen.
    bool imprime(Printer& p, Modo modo, bool joker);

    // The box of number n (1..49) in the current block, as casillas computes it.
    double casillaX(int n) const { return m_coords.at(static_cast<size_t>(n - 1))[0]; }
    double casillaY(int n) const { return m_coords.at(static_cast<size_t>(n - 1))[1]; }
    // Fills the box positions of block `bloque` for the paper `modo`.
    void casillas();

    // The correction box `indice` (0: X, 1: Y) now holds `texto`. The value is taken and
    // the settings are written at once; a text that is no number puts both boxes back to
    // the stored values. Returns what both boxes show afterwards.
    std::array<QString, 2> Text1_Change(int indice, const QString& texto);
    // The box lost the focus holding `texto`: an empty box is warned about and shows the
    // stored value again. Returns what the box shows afterwards.
    QString Text1_LostFocus(int indice, const QString& texto);
    QString textoMargen(int indice) const;

    // The program's own mark printed in the ticket headers: short name and version.
    static QString marca();

  private:
    void pintaboleto(Printer& p, int t);
    void marcaX(Printer& p, int n, double bajada = 0);
    static void escribe(Printer& p, double x, double y, const QString& texto);
    bool guardaConfig();

    Session& m_s;
    Modo m_modo = PapelOficial;
    int m_bloque = 1;
    double m_offX = 0;
    double m_offY = 0;
    int m_desplaza = 0;
    std::array<std::array<double, 2>, 49> m_coords{};
};
