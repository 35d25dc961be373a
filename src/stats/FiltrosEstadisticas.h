#pragma once

#include "stats/Estadisticas.h"

#include <QDate>
#include <QString>
#include <array>

// The state of the statistics filter boxes, which exist twice (on the Estadísticas tab and
// in step 1 of the combination wizard) and are kept in step, and of the two period sliders,
// which always hold the same month count. Boxes are numbered as the program numbers them.
class FiltrosEstadisticas {
  public:
    enum Caja {
        Jueves = 0,
        Sabado = 1,
        Comparativa = 2,
        JuevesPaso1 = 3,
        SabadoPaso1 = 4,
        Todos = 5,
        UltimoMes = 6,
        TodosPaso1 = 7,
        UltimoMesPaso1 = 8,
        Lunes = 9,
        LunesPaso1 = 10,
    };
    static constexpr int kCajas = 11;

    // At start every stored draw on all three draw days: "Todos" and the weekday boxes
    // ticked on both tabs, the period sliders hidden at one month.
    FiltrosEstadisticas();

    bool marcada(int caja) const { return valida(caja) && m_marcada[static_cast<size_t>(caja)]; }
    bool habilitada(int caja) const { return !valida(caja) || m_habilitada[static_cast<size_t>(caja)]; }
    bool leyendaVisible() const { return m_leyenda; }
    bool barrasVisibles() const { return m_barras; }
    int meses() const { return m_meses; }
    int maximoMeses() const { return m_maximo; }

    // The user set box `caja` to `valor`: the locked weekday boxes under "Comparativa", the
    // twin and the period boxes follow. Returns the period mode: 0 all draws, 1 the
    // sliders' months.
    int click(int caja, bool valor);
    // The period mode taking effect: the sliders shown for months, and the wizard's period
    // box given its twin's value.
    void periodo(int modo);
    // Both sliders to `meses`, kept within 1 and the maximum.
    void fijaMeses(int meses);
    // The sliders' upper limit (the month setting); at least 1.
    void fijaMaximo(int maximo);

    // Caption of both "Último mes" boxes for the sliders' months.
    QString captionUltimoMes() const;
    DiasElegidos dias() const;
    // The first date the selection counts: 0 (all draws) under "Todos", otherwise `hoy`
    // less 30.5 days a month (noon for an odd number of months).
    double desde(const QDate& hoy) const;

    // Texts of the stored selection: the period that opens the summary, the weekday
    // description and the weekdays for the database (empty when no weekday is ticked).
    QString textoPeriodo() const;
    QString descripcionDias() const;
    QString diasajugar() const;

  private:
    static bool valida(int caja) { return caja >= 0 && caja < kCajas; }
    void pon(int caja, bool valor) { m_marcada[static_cast<size_t>(caja)] = valor; }

    std::array<bool, kCajas> m_marcada{};
    std::array<bool, kCajas> m_habilitada{};
    bool m_leyenda = false;
    bool m_barras = false;
    int m_meses = 1;
    int m_maximo = 24;
};
