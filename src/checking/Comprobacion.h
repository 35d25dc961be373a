#pragma once

#include "checking/ListaMultiples.h"
#include "checking/ListaSencillas.h"
#include "checking/ModeloResultados.h"
#include "core/Records.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <memory>
#include <vector>

class Printer;
class VistaResultados;
struct Session;

// The check of every peña against the newest draws: fills the two results lists, keeps each
// peña's prize counters (each draw counted once, inside the peña's counting window), moves
// the peña's newest counted date, prints the results listing and raises the prize alert.
class Comprobacion {
  public:
    // Size of the logo at the top of the printed listing, millimetres.
    static constexpr double kLogoAncho = 80;
    static constexpr double kLogoAlto = 30;

    Comprobacion(Session& s, VistaResultados& v);
    ~Comprobacion();

    // Checks the simple and reduced peñas against the newest `numSorteos` draws, then the
    // multiple peñas when there is any.
    void listasencillas(int numSorteos);
    // Checks the multiple peñas against the newest `numSorteos` draws.
    void listamulti(int numSorteos);

    // Prints the listing of the newest `numSorteos` draws on the printer the user chose in
    // the printer dialog; a null printer stands for a cancelled dialog.
    void imprimirListado(std::shared_ptr<Printer> impresora, const QImage& logo, int numSorteos);

    // Peña records written with new counters since the program started: the peña list is
    // out of date when this changes.
    int penasGrabadas() const { return m_penasGrabadas; }
    // The next failure to store prizes is told again (an action that needs the write).
    void avisarFallosOtraVez() { m_fallosAvisados = false; }

    ModeloResultados& modelo2() { return m_modelo2; }
    ModeloResultados& modelo4() { return m_modelo4; }
    const ListaSencillas& lista2() const { return static_cast<const ListaSencillas&>(m_modelo2.fuente()); }
    const ListaMultiples& lista4() const { return static_cast<const ListaMultiples&>(m_modelo4.fuente()); }

    // Which list has a new prize for the blinking alert: 0 none, 1 simple, 2 multiple, 3 both.
    int conpremio = 0;
    // Set when the check was started from the peña chooser; cleared at the end of a check.
    int penaelegida = 0;
    // Rows of the list being built.
    int filalista() const { return m_filalista; }
    bool imprimiendo() const { return m_imprimiendo; }

  private:
    struct PenaLeida {
        RegPena reg;
        QByteArray original; // the record as read, rewritten only in its counters and date
        int foto = -1;       // the peña's entry in the list being built
        uint8_t dias = 0;    // the days of the week it plays, bit per diaDeLaSemana
        bool danada = false; // never checked nor written
    };
    std::vector<PenaLeida> leerPenas();
    void escribirPenas(std::vector<PenaLeida>& penas);
    void avisarFallos();
    // The view's filters as a walk reads them once: peña chooser, "Histórico", prizes only.
    struct Filtros {
        int indice;
        QString elegida;
        bool historico;
        bool soloPremio;
    };
    Filtros filtros() const;
    bool participa(const RegPena& p, int indice, const QString& elegida) const;
    static bool seLista(const PenaLeida& p, const RegSorteo& s, bool historico);
    static bool enVentana(const RegPena& p, const RegSorteo& s);
    // A draw's prizes go into the peña's counters: inside its window and a valid draw up to
    // today.
    bool seCuenta(const RegPena& p, const RegSorteo& s) const;
    int sorteosGuardados() const;

    void contarYFechar(std::vector<PenaLeida>& penas, const std::vector<RegSorteo>& sorteos, int listados,
                       int indice, const QString& elegida, bool multiples);
    static void sumarDesglose(RegPena& p, const premios::Desglose& d);
    static void sumarCuenta(RegPena& p, const cuentaapuestas::PorAciertos& cuenta);
    void premiomultiple(int aciertosSorteo);
    void lineablanca();

    void imprimirApuestasSencillas(const ListaSencillas& lista, int pena, int foto, int si, int d,
                                   const RegSorteo& s, bool soloPremio);
    void imprimirApuestaSencilla(int pena, int d, const RegSorteo& s, const QString& cabecera,
                                 const QString& linea);
    void imprimirGrupoMultiple(int d, const RegSorteo& s, const QString& cabecera, const QString& linea,
                               int filaApuesta);
    // One line of the printed listing: its text, x position, font size (0: the size in
    // use) and whether it is a title.
    struct LineaListado {
        QString texto;
        double x;
        double tamano;
        bool titulo = false;
    };
    static constexpr double kTamanoListado = 8.2;
    static constexpr double kArribaPagina = 5; // top of the logo, and of a page run on to
    static void lineasSorteo(QList<LineaListado>& lineas, const RegSorteo& s);
    // Prints lines that stay on one page: when they do not fit under the current position
    // they go to a new page.
    void imprimirJuntas(const QList<LineaListado>& lineas);
    void terminarImpresion();

    Session& m_s;
    VistaResultados& m_v;
    ModeloResultados m_modelo2;
    ModeloResultados m_modelo4;
    int m_filalista = 0;
    bool m_fallosAvisados = false;
    int m_fallosSinAvisar = 0;
    int m_errorFallo = 0; // the error number of the last failed write
    bool m_dentroDeSencillas = false;
    int m_penasGrabadas = 0;

    // The multiple peña and draw in hand while its rows are written.
    ListaMultiples* m_lista4 = nullptr;
    RegPena* m_pena = nullptr;
    RegSorteo m_sorteo;
    bool m_concomp = false;
    double m_hoy = 0; // today, read once per check

    // The printing job of the listing.
    std::shared_ptr<Printer> m_impresora;
    QImage m_logo;
    bool m_imprimiendo = false;
    bool m_impreso = false;
    bool m_errorImpresion = false;
    bool m_tituloImpreso = false;
    int m_ultimoSorteoImpreso = -1;
    int m_ultimaPenaImpresa = -1;
    bool m_tituloMultiples = false;
    int m_ultimoSorteoMultiples = -1;
};
