#include "core/Startup.h"

#include "core/FileReplace.h"
#include "core/MantenimientoSorteos.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "core/VbText.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace startup {

const char* const kHostPorDefecto = "www.velmorat.es";
const char* const kHostRetirado = "velmorat.webcindario.com";

QString rutaAppDe(const QString& folder) {
    QString r = QDir::fromNativeSeparators(folder);
    if (!r.endsWith(u'/'))
        r += u'/';
    return r;
}

// The program's own temporary files, left behind when a write was interrupted: the copies
// of a peña deletion, a draw deletion, a conversion and an import, the save files of the
// notice page, the download file and the report (the name and a dot and six letters), and
// the named copies of the other replacements (a saved PDF, the download file).
void borraTemporales(const QString& rutaApp) {
    for (const char* nombre : {"apuestas.tmp", "numeros.tmp", "numeros.bak.tmp"})
        QFile::remove(rutaApp + QLatin1String(nombre));
    static const QRegularExpression guardado(
        QStringLiteral("^(informe\\.dat|www\\.txt|vek\\.pdf)\\.[A-Za-z]{6}$"));
    const QDir carpeta(rutaApp);
    for (const QString& f : carpeta.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (guardado.match(f).hasMatch() || filereplace::esCopiaPropia(f))
            QFile::remove(carpeta.filePath(f));
}

bool abrirArchivos(Session& s, const QString& folder) {
    QDir::setCurrent(folder);
    s.rutaApp = rutaAppDe(folder);
    borraTemporales(s.rutaApp);
    s.files.abrir(s.rutaApp);
    if (!QFileInfo(s.ruta(QStringLiteral("tablas.bin"))).isFile()) {
        s.dialogs.message(QStringLiteral("No se encuentra un archivo necesario para el funcionamiento del "
                                         "programa. Reinstale el programa. Error 53"),
                          QStringLiteral("¡Vaya hombre!"), Dialogs::Icon::Exclamation);
        s.files.cerrarTodos();
        return false;
    }
    return true;
}

void leeconfig(Session& s) {
    const QString ruta = s.ruta(QStringLiteral("nums.ini"));
    const bool existia = QFileInfo::exists(ruta);
    s.files.numsIni.open(ruta);
    auto grabar = [&] { s.files.numsIni.put(1, s.cfg); };
    if (!existia) {
        s.cfg = Config();
        s.cfg.webhost = QString::fromLatin1(kHostPorDefecto);
        grabar();
    } else {
        s.cfg = s.files.numsIni.get<Config>(1);
        if (s.cfg.webhost.trimmed().size() == Config::kWebhost) {
            s.cfg.webhost = QString::fromLatin1(kHostPorDefecto);
            grabar();
        }
        if (s.cfg.webhost.trimmed() == QLatin1String(kHostRetirado)) {
            s.cfg.webhost = QString::fromLatin1(kHostPorDefecto);
            grabar();
        }
    }
    // NaN compares unequal to everything; a record of garbage is repaired like a zero price.
    if (s.cfg.precio == 0 || std::isnan(s.cfg.precio)) {
        s.cfg.precio = 1.0f;
        s.cfg.meses = 24;
        grabar();
    }
}

namespace {

// Every record of `datos`, read as records of `largo` bytes, is a valid draw and the dates
// increase.
bool todosValidos(const QByteArray& datos, int largo) {
    if (datos.isEmpty() || datos.size() % largo != 0)
        return false;
    double anterior = 0;
    for (qsizetype at = 0; at < datos.size(); at += largo) {
        // Both kinds hold the numbers and the date at the same places; only the current one
        // has a Joker behind them.
        const RegSorteo r = RegSorteo::decode(datos.mid(at, largo));
        const bool valido = largo == RegSorteo::kSize ? MantenimientoSorteos::sorteoValido(r)
                                                      : MantenimientoSorteos::bolasValidas(r.bolas, r.fecha);
        if (!valido || !(r.fecha > anterior))
            return false;
        anterior = r.fecha;
    }
    return true;
}

} // namespace

bool compruebanumeros(Session& s) {
    const RegSorteo primero = s.files.numeros.get<RegSorteo>(1);
    if (primero.numJoker == 0)
        return true;
    // A value that is not a number cannot come from an old file, whose bytes there are small
    // ball numbers; converting a current file would scramble it, so leave it alone.
    if (!std::isfinite(primero.numJoker))
        return true;
    if (vbtext::cstr(primero.numJoker).size() <= 7)
        return true;
    // Only a file that reads as whole old draws, and not as current ones, is converted; any
    // other file is left as it is, and the user hears that it is damaged.
    QFile f(s.files.numeros.path());
    const QByteArray datos =
        f.open(QIODevice::ReadOnly) ? f.read(MantenimientoSorteos::kTamanoMaximo + 1) : QByteArray();
    if (todosValidos(datos, RegSorteo::kSize))
        return true;
    if (!todosValidos(datos, RegSorteoAntiguo::kSize)) {
        s.dialogs.message(
            QStringLiteral("El archivo de sorteos numeros.dat está dañado y no se ha modificado. "
                           "Puede importar uno válido con \"Añadir todos los sorteos\" o "
                           "vaciarlo con \"Borrar todos los sorteos\"."),
            QStringLiteral("¡Vaya hombre!"), Dialogs::Icon::Exclamation);
        return true;
    }
    const auto respuesta = s.dialogs.message(
        QStringLiteral("Se ha encontrado un archivo de Sorteos perteneciente a una versión anterior del "
                       "programa y se va a convertir el fichero a la versión actual."),
        QStringLiteral("Actualización de datos"), Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    if (respuesta != Dialogs::Answer::Ok) {
        s.files.cerrarTodos();
        return false;
    }
    s.files.numeros.close();
    FalloEscritura fallo;
    if (!conviertenumeros(s, fallo)) {
        // Going on would read the old records as current ones and date every peña from
        // garbage; the old file stays as it was and the next start tries again.
        errorEscritura(s.dialogs, fallo);
        s.files.cerrarTodos();
        return false;
    }
    return true;
}

bool conviertenumeros(Session& s, FalloEscritura& fallo) {
    const QString dat = s.ruta(QStringLiteral("numeros.dat"));
    s.files.numeros.close();
    QByteArray nuevos;
    {
        RecordFile viejo(RegSorteoAntiguo::kSize);
        viejo.open(dat);
        for (qint64 i = 1;; ++i) {
            const RegSorteoAntiguo a = viejo.get<RegSorteoAntiguo>(i);
            if (viejo.eof())
                break;
            RegSorteo r;
            r.bolas = a.bolas;
            r.fecha = a.fecha;
            r.numJoker = 0;
            nuevos += r.encode();
        }
    }
    // Only a complete copy replaces the old file, and by a rename: never half of each.
    const bool ok = filereplace::reemplaza(dat, nuevos, fallo, s.ruta(QStringLiteral("numeros.tmp")));
    s.files.numeros.open(dat);
    return ok;
}

} // namespace startup
