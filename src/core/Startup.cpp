#include "core/Startup.h"

#include "core/CheckedRead.h"
#include "core/FileReplace.h"
#include "core/MantenimientoSorteos.h"
#include "core/OleDate.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "core/VbText.h"
#include "platform/Clock.h"
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
    // A pipe or a device in place of a data file would hold or flood every read of it.
    if (const QString raro = DataFiles::noRegular(s.rutaApp); !raro.isEmpty()) {
        s.dialogs.message(QStringLiteral("El archivo %1 de la carpeta del programa no es un archivo de datos "
                                         "(es una tubería, un dispositivo o una carpeta). Bórrelo o cámbielo "
                                         "por uno válido y vuelva a abrir el programa.")
                              .arg(raro),
                          QStringLiteral("¡Vaya hombre!"), Dialogs::Icon::Exclamation);
        return false;
    }
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

// The first record read as a current draw has, where the Joker lies, a value no current file
// holds: in an old file those bytes are the small ball numbers of the second draw, which read
// as a tiny number with a long text form. A value that is not a number cannot come from one.
bool pareceAntiguo(const QByteArray& datos) {
    const RegSorteo primero = RegSorteo::decode(datos.left(RegSorteo::kSize));
    return primero.numJoker != 0 && std::isfinite(primero.numJoker) &&
           vbtext::cstr(primero.numJoker).size() > 7;
}

} // namespace

bool compruebanumeros(Session& s) {
    const QString ruta = s.files.numeros.path();
    const checkedread::Result leido = checkedread::read(ruta, MantenimientoSorteos::kTamanoMaximo);
    if (!leido.ok()) {
        if (leido.status != checkedread::Status::Missing)
            checkedread::errorLectura(s.dialogs, ruta, leido.reason());
        return true;
    }
    const QByteArray& datos = leido.data;
    const double hoy = oledate::fromQDate(s.clock.today());
    if (datos.isEmpty() || MantenimientoSorteos::registrosValidos(datos, hoy))
        return true;
    // Only a file that reads as whole old draws, and not as current ones, is converted; any
    // other file is left as it is, and the user hears once that it is damaged.
    if (!pareceAntiguo(datos) || !MantenimientoSorteos::registrosValidos(datos, hoy, RegSorteoAntiguo::kSize)) {
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
    if (!conviertenumeros(s, datos, fallo)) {
        // Going on would read the old records as current ones and date every peña from
        // garbage; the old file stays as it was and the next start tries again.
        errorEscritura(s.dialogs, fallo);
        s.files.cerrarTodos();
        return false;
    }
    return true;
}

bool conviertenumeros(Session& s, const QByteArray& antiguos, FalloEscritura& fallo) {
    const QString dat = s.ruta(QStringLiteral("numeros.dat"));
    s.files.numeros.close();
    QByteArray nuevos;
    nuevos.reserve(antiguos.size() / RegSorteoAntiguo::kSize * RegSorteo::kSize);
    for (qsizetype at = 0; at + RegSorteoAntiguo::kSize <= antiguos.size(); at += RegSorteoAntiguo::kSize) {
        const RegSorteoAntiguo a = RegSorteoAntiguo::decode(antiguos.mid(at, RegSorteoAntiguo::kSize));
        RegSorteo r;
        r.bolas = a.bolas;
        r.fecha = a.fecha;
        r.numJoker = 0;
        nuevos += r.encode();
    }
    // Only a complete copy replaces the old file, and by a rename: never half of each.
    const bool ok = filereplace::reemplaza(dat, nuevos, fallo, s.ruta(QStringLiteral("numeros.tmp")));
    s.files.numeros.open(dat);
    return ok;
}

} // namespace startup
