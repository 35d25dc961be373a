#pragma once

#include "core/Records.h"

#include <QByteArray>
#include <QString>
#include <functional>

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
    };

    explicit MantenimientoSorteos(Session& s) : m_s(s) {}

    Enlaces enlaces;
    // 1 once "Borrar todos los sorteos" was pressed: from then on a click on a draw of
    // the list offers to delete it.
    int modoBorrar = 0;

    // "Borrar todos los sorteos".
    void Command5_Click();
    // A click on the draw shown as record `registro` holding `mostrado`. True when the draw
    // was deleted (the caller then takes its row out of the list).
    bool ListView3_ItemClick(int registro, const RegSorteo& mostrado);
    // "Añadir todos los sorteos": the file chosen in the open-file dialog.
    void Command8_Click();

    // The pieces, each leaving numeros.dat open as before. False when the folder could
    // not be written; nothing is then changed.
    bool borraTodos();
    bool reseteaPenas();
    enum class Borrado { Hecho, OtroSorteo, SinPermiso };
    // Removes record `registro` only while it still holds `esperado`.
    Borrado borraSorteo(int registro, const RegSorteo& esperado);

    struct Importado {
        enum class Estado { Importado, NoValido, Error } estado = Estado::Error;
        int error = 0; // the error number when estado is Error
    };
    Importado importa(const QString& archivo);

    // A complete draws file: whole 32-byte records, the first on a Thursday or Saturday
    // after 1899, and every record dated within the calendar.
    static bool archivoValido(const QByteArray& datos);

    static constexpr int kErrorNoEncontrado = 53;
    static constexpr int kErrorAcceso = 75;
    // No draws file is anywhere near this size; a bigger one is not read.
    static constexpr qint64 kTamanoMaximo = 32LL * 1000 * 1000;

  private:
    // Replaces the open numeros.dat by `datos` and opens it again.
    bool reemplazaNumeros(const QByteArray& datos);
    void llama(const std::function<void()>& f) {
        if (f)
            f();
    }

    Session& m_s;
};
