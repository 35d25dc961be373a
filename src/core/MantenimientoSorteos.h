#pragma once

#include "core/Permiso.h"
#include "core/RecordFile.h"
#include "core/Records.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>

class RecordFile;

struct Session;

// The changes to the draws file besides the download: deleting all draws (with the
// optional reset of every peña), deleting one draw, importing a complete draws file.
// numeros.dat and numeros.bak are only ever replaced by a complete copy flushed and
// renamed over them, so they are always whole.
class MantenimientoSorteos {
  public:
    // What the main window does around the operations; an unset callback is skipped.
    struct Enlaces {
        std::function<void()> resumen;         // the General tab summary
        std::function<void()> refrescar;       // the results views and the statistics
        std::function<void()> penasReseteadas; // draws to view back to 1, multiple list emptied
        std::function<void()> estadisticas;    // the statistics recount over the selection
        std::function<void()> guardaSeleccion; // the selection saved for the wizard and reports
    };

    explicit MantenimientoSorteos(Session& s) : m_s(s) {}

    Enlaces enlaces;
    // 1 once "Borrar todos los sorteos" was pressed: from then on a click on a draw of
    // the list offers to delete it.
    int modoBorrar = 0;

    // "Borrar todos los sorteos".
    void Command5_Click();
    // A click on the draw shown as record `registro` holding `mostrado`. True when the draw
    // was deleted and the statistics were not counted again (the caller then takes its row
    // out of the list itself; a recount fills the list anew).
    bool ListView3_ItemClick(int registro, const RegSorteo& mostrado);
    // "Añadir todos los sorteos": the file chosen in the open-file dialog.
    void Command8_Click();

    // The pieces, each leaving numeros.dat open as before. False when the file could not
    // be written (fallo() tells which and why); nothing is then changed.
    bool borraTodos();
    // Every peña's counters and dates reset, written as a whole new apuestas.dat. Nothing
    // is written when apuestas.dat cannot be read whole.
    bool reseteaPenas();
    enum class Borrado { Hecho, OtroSorteo, SinPermiso };
    // Removes record `registro` only while it still holds `esperado`.
    Borrado borraSorteo(int registro, const RegSorteo& esperado);

    struct Importado {
        // Error: the chosen file could not be read; NoGrabado: the draws could not be stored.
        enum class Estado { Importado, NoValido, Error, NoGrabado } estado = Estado::Error;
        int error = 0; // the error number when estado is Error
    };
    Importado importa(const QString& archivo);

    // Whole records of `largo` bytes (the current 32, or the previous version's 24), each a
    // valid draw up to `hoy` (sorteoValido), the dates increasing.
    static bool registrosValidos(const QByteArray& datos, double hoy, int largo = RegSorteo::kSize);
    // A complete draws file to import: valid records as above, the first on a Thursday or
    // Saturday after 1899.
    static bool archivoValido(const QByteArray& datos, double hoy);
    // Six distinct numbers 1..49, a complementario 1..49 that is none of them, a reintegro
    // 0..9 or -1 (none) and a date within the calendar.
    static bool bolasValidas(const std::array<int16_t, 8>& bolas, double fecha);
    static bool sorteoValido(const RegSorteo& r) {
        return bolasValidas(r.bolas, r.fecha) && std::isfinite(r.numJoker);
    }
    // A draw that may be counted and dated from: valid as above and dated no later than the
    // day `hoy`. A damaged record (or a clock set back) never moves a peña past real draws.
    static bool sorteoValido(const RegSorteo& r, double hoy);
    // The newest record of `numeros` that holds a draw (sorteoValido; an empty record when none
    // does): a damaged tail never stands for the newest stored draw. A draw dated after today
    // still does, so that a clock set back is noticed.
    static RegSorteo ultimoValido(RecordFile& numeros);

    // The last failure: a write's file and error number, or a read that stopped the operation
    // before anything was written (`lectura`, with the system's reason in `razon`).
    struct Fallo : FalloEscritura {
        bool lectura = false;
    };
    const Fallo& fallo() const { return m_fallo; }

    static constexpr int kErrorNoEncontrado = 53;
    static constexpr int kErrorAcceso = 75;
    // No draws file is anywhere near this size; a bigger one is not read.
    static constexpr qint64 kTamanoMaximo = 32LL * 1000 * 1000;

  private:
    // Replaces `destino` by `datos` through `temporal` and opens `abierto`, the record file
    // open on it, on the new file; nothing is left behind on a failure, and a
    // write-protected `destino` is never replaced.
    bool reemplaza(const QString& temporal, const QString& destino, const QByteArray& datos,
                   RecordFile* abierto = nullptr);
    // Replaces the open numeros.dat by `datos` and opens it again.
    bool reemplazaNumeros(const QByteArray& datos);
    void avisaFallo();
    // Reads `ruta` whole into `datos` (a missing file reads as empty); false, with fallo()
    // set, when it could not be read whole.
    bool lee(const QString& ruta, qint64 maximo, QByteArray& datos);
    void sorteosCambiados();
    void llama(const std::function<void()>& f) {
        if (f)
            f();
    }

    Session& m_s;
    Fallo m_fallo;
};
