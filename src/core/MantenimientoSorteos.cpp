#include "core/MantenimientoSorteos.h"

#include "core/FileReplace.h"
#include "core/OleDate.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/UrlOpener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kBorrar = QStringLiteral("Borrar...");
const QString kVaya = QStringLiteral("¡Vaya hombre!");
const QString kNoValido =
    QStringLiteral("Fichero de sorteos no válido. Compruebe que el archivo NUMEROS.DAT sea para Velmorat.");

// Where the counters and the two dates of a peña record lie.
constexpr int kOffsetAciertos = 8264;
constexpr int kLargoAciertos = 10;
constexpr int kOffsetFechas = 8291;
constexpr int kLargoFechas = 16;

// Writes a complete file under a temporary name; false (and nothing left) when it fails.
bool escribeTemporal(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    ok = ok && f.write(datos) == datos.size() && f.flush();
    f.close();
    if (!ok)
        QFile::remove(ruta);
    return ok;
}

bool reemplaza(const QString& temporal, const QString& destino, const QByteArray& datos) {
    if (!escribeTemporal(temporal, datos))
        return false;
    if (filereplace::moveOver(temporal, destino))
        return true;
    QFile::remove(temporal);
    return false;
}

// The whole records of a record file as they stand on disk.
QByteArray contenido(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray datos = f.readAll();
    datos.truncate(datos.size() / RegSorteo::kSize * RegSorteo::kSize);
    return datos;
}

} // namespace

bool MantenimientoSorteos::reemplazaNumeros(const QByteArray& datos) {
    const QString dat = m_s.ruta(QStringLiteral("numeros.dat"));
    const QString tmp = m_s.ruta(QStringLiteral("numeros.tmp"));
    if (!escribeTemporal(tmp, datos))
        return false;
    m_s.files.numeros.close();
    const bool ok = filereplace::moveOver(tmp, dat);
    if (!ok)
        QFile::remove(tmp);
    m_s.files.numeros.open(dat);
    return ok;
}

bool MantenimientoSorteos::borraTodos() {
    if (!reemplazaNumeros({}))
        return false;
    m_s.sigSorteo = 1;
    return true;
}

bool MantenimientoSorteos::reseteaPenas() {
    RegPena cero;
    cero.fecha = oledate::fromQDate(m_s.clock.today());
    const QByteArray nuevo = cero.encode();
    RecordFile& f = m_s.files.apuestas;
    for (qint64 i = 1;; ++i) {
        QByteArray bytes = f.read(i);
        if (f.eof())
            return true;
        // Only the counters and the two dates change; the rest is written back as read.
        bytes.replace(kOffsetAciertos, kLargoAciertos, nuevo.mid(kOffsetAciertos, kLargoAciertos));
        bytes.replace(kOffsetFechas, kLargoFechas, nuevo.mid(kOffsetFechas, kLargoFechas));
        if (!f.write(i, bytes))
            return false;
    }
}

MantenimientoSorteos::Borrado MantenimientoSorteos::borraSorteo(int registro, const RegSorteo& esperado) {
    QByteArray datos = contenido(m_s.ruta(QStringLiteral("numeros.dat")));
    const qint64 inicio = qint64(registro - 1) * RegSorteo::kSize;
    if (registro < 1 || inicio + RegSorteo::kSize > datos.size() ||
        datos.mid(inicio, RegSorteo::kSize) != esperado.encode())
        return Borrado::OtroSorteo;
    datos.remove(inicio, RegSorteo::kSize);
    return reemplazaNumeros(datos) ? Borrado::Hecho : Borrado::SinPermiso;
}

bool MantenimientoSorteos::archivoValido(const QByteArray& datos) {
    if (datos.isEmpty() || datos.size() % RegSorteo::kSize != 0)
        return false;
    const RegSorteo primero = RegSorteo::decode(datos.left(RegSorteo::kSize));
    const QString dia = diasemana(primero.fecha);
    if (!(primero.fecha > 1) || (dia != QStringLiteral("Jueves") && dia != QStringLiteral("Sábado")))
        return false;
    // A file of shorter records can pass the first test; its later "dates" then are small
    // numbers read as a date, which fall outside the calendar or before 1900.
    for (qint64 i = RegSorteo::kSize; i < datos.size(); i += RegSorteo::kSize) {
        const RegSorteo r = RegSorteo::decode(datos.mid(i, RegSorteo::kSize));
        if (oledate::days(r.fecha) < 2)
            return false;
    }
    return true;
}

MantenimientoSorteos::Importado MantenimientoSorteos::importa(const QString& archivo) {
    using E = Importado::Estado;
    QFile elegido(archivo);
    if (!elegido.exists())
        return {E::Error, kErrorNoEncontrado};
    if (!elegido.open(QIODevice::ReadOnly))
        return {E::Error, kErrorAcceso};
    if (elegido.size() > kTamanoMaximo)
        return {E::NoValido, 0};
    const QByteArray datos = elegido.readAll();
    if (elegido.error() != QFileDevice::NoError)
        return {E::Error, kErrorAcceso};
    elegido.close();
    if (!archivoValido(datos))
        return {E::NoValido, 0};
    // The backup first: numeros.dat is replaced only once its copy is safely stored.
    if (!reemplaza(m_s.ruta(QStringLiteral("numeros.bak.tmp")), m_s.ruta(QStringLiteral("numeros.bak")),
                   contenido(m_s.ruta(QStringLiteral("numeros.dat")))))
        return {E::Error, kErrorAcceso};
    if (!reemplazaNumeros(datos))
        return {E::Error, kErrorAcceso};
    return {E::Importado, 0};
}

void MantenimientoSorteos::Command5_Click() {
    modoBorrar = 1;
    if (m_s.dialogs.message(QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"), kBorrar,
                            Dialogs::Icon::Question, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        if (!borraTodos()) {
            errorpermiso(m_s.dialogs);
            return;
        }
        llama(enlaces.resumen);
        llama(enlaces.refrescar);
    }
    if (m_s.dialogs.message(
            QStringLiteral(
                "¿Quiere borrar también los aciertos de las peñas?. Si ha borrado los sorteos, se "
                "aconseja que se resetee también los resultados de las peñas y la fecha de creación "
                "pasará a ser la de hoy."),
            kBorrar, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    if (!reseteaPenas()) {
        errorpermiso(m_s.dialogs);
        return;
    }
    llama(enlaces.penasReseteadas);
    llama(enlaces.resumen);
}

bool MantenimientoSorteos::ListView3_ItemClick(int registro, const RegSorteo& mostrado) {
    if (modoBorrar != 1)
        return false;
    if (m_s.dialogs.message(QStringLiteral("¿Seguro que quieres eliminar este sorteo?"), kBorrar,
                            Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return false;
    switch (borraSorteo(registro, mostrado)) {
    case Borrado::OtroSorteo:
        return false;
    case Borrado::SinPermiso:
        errorpermiso(m_s.dialogs);
        return false;
    case Borrado::Hecho:
        break;
    }
    m_s.sigSorteo = std::max(1, m_s.sigSorteo - 1);
    llama(enlaces.resumen);
    return true;
}

void MantenimientoSorteos::Command8_Click() {
    const QString archivo =
        m_s.dialogs.openFile(QStringLiteral("Seleccione el archivo NUMEROS.DAT"), QDir::homePath(),
                             QStringLiteral("Archivos de sorteos"), QStringLiteral("numeros.dat"));
    if (archivo.isEmpty()) {
        const QString texto =
            QStringLiteral("No se ha seleccionado ningún archivo. Recuerde que puede disponer de TODOS LOS "
                           "SORTEOS DESDE LA CREACIÓN DE LA PRIMITIVA, obteniéndolo desde nuestra tienda "
                           "virtual. ¿Quiere ir?");
        if (m_s.dialogs.message(texto, QStringLiteral("Velmorat"), Dialogs::Icon::Question,
                                Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes &&
            m_s.urls)
            m_s.urls->open(QStringLiteral("http://") + m_s.cfg.webhost.trimmed() +
                           QStringLiteral("/tienda/Product_list_C)%20%20%20%20%20%20%20EXTRAS%20PARA%20LOS%20"
                                          "PROGRAMAS_1.html"));
        return;
    }
    const Importado r = importa(archivo);
    switch (r.estado) {
    case Importado::Estado::NoValido:
        m_s.dialogs.message(kNoValido, kVaya, Dialogs::Icon::Exclamation);
        return;
    case Importado::Estado::Error:
        m_s.dialogs.message(kNoValido + QStringLiteral(" Error ") + QString::number(r.error), kVaya,
                            Dialogs::Icon::Exclamation);
        return;
    case Importado::Estado::Importado:
        break;
    }
    m_s.dialogs.message(QStringLiteral("Archivo de sorteos importado con éxito"),
                        QStringLiteral("Todos los sorteos"), Dialogs::Icon::Information);
    llama(enlaces.resumen);
    llama(enlaces.refrescar);
}
