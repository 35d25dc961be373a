#include "core/MantenimientoSorteos.h"

#include "core/CheckedRead.h"
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

#include <cerrno>
#include <cstring>

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


} // namespace

bool MantenimientoSorteos::reemplaza(const QString& temporal, const QString& destino, const QByteArray& datos,
                                     RecordFile* abierto) {
    m_fallo.lectura = false;
    const bool ok = filereplace::reemplaza(destino, datos, m_fallo, temporal);
    // The record file follows the new file; after a failure it is the old one, still there.
    if (ok && abierto)
        abierto->open(destino);
    return ok;
}

bool MantenimientoSorteos::reemplazaNumeros(const QByteArray& datos) {
    return reemplaza(m_s.ruta(QStringLiteral("numeros.tmp")), m_s.ruta(QStringLiteral("numeros.dat")), datos,
                     &m_s.files.numeros);
}

void MantenimientoSorteos::avisaFallo() {
    if (m_fallo.lectura)
        checkedread::errorLectura(m_s.dialogs, m_fallo.ruta, m_fallo.razon);
    else
        errorEscritura(m_s.dialogs, m_fallo);
}

bool MantenimientoSorteos::lee(const QString& ruta, qint64 maximo, QByteArray& datos) {
    checkedread::Result r = checkedread::read(ruta, maximo);
    if (!r.ok() && r.status != checkedread::Status::Missing) {
        m_fallo.ruta = ruta;
        m_fallo.error = 0;
        m_fallo.razon = r.reason();
        m_fallo.lectura = true;
        return false;
    }
    datos = std::move(r.data);
    return true;
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
    const QString dat = m_s.ruta(QStringLiteral("apuestas.dat"));
    // What could not be read would be lost by the rewrite: nothing is written then.
    QByteArray datos;
    if (!lee(dat, RegPena::kTamanoMaximoArchivo, datos))
        return false;
    // Only the counters and the two dates change; the rest, and any bytes after the last
    // whole record, stay as they were.
    for (qsizetype at = 0; at + RegPena::kSize <= datos.size(); at += RegPena::kSize) {
        datos.replace(at + kOffsetAciertos, kLargoAciertos, nuevo.mid(kOffsetAciertos, kLargoAciertos));
        datos.replace(at + kOffsetFechas, kLargoFechas, nuevo.mid(kOffsetFechas, kLargoFechas));
    }
    return reemplaza(m_s.ruta(QStringLiteral("apuestas.tmp")), dat, datos, &m_s.files.apuestas);
}

MantenimientoSorteos::Borrado MantenimientoSorteos::borraSorteo(int registro, const RegSorteo& esperado) {
    QByteArray datos;
    if (!lee(m_s.ruta(QStringLiteral("numeros.dat")), kTamanoMaximo, datos))
        return Borrado::SinPermiso;
    datos.truncate(datos.size() / RegSorteo::kSize * RegSorteo::kSize);
    const qint64 inicio = qint64(registro - 1) * RegSorteo::kSize;
    if (registro < 1 || inicio + RegSorteo::kSize > datos.size() ||
        datos.mid(inicio, RegSorteo::kSize) != esperado.encode())
        return Borrado::OtroSorteo;
    datos.remove(inicio, RegSorteo::kSize);
    return reemplazaNumeros(datos) ? Borrado::Hecho : Borrado::SinPermiso;
}

bool MantenimientoSorteos::bolasValidas(const std::array<int16_t, 8>& bolas, double fecha) {
    if (oledate::days(fecha) < 2)
        return false;
    quint64 vistos = 0;
    for (size_t i = 0; i < 7; ++i) {
        const int n = bolas[i];
        if (n < 1 || n > 49 || (vistos & (quint64(1) << n)))
            return false;
        vistos |= quint64(1) << n;
    }
    return bolas[7] == -1 || (bolas[7] >= 0 && bolas[7] <= 9);
}

bool MantenimientoSorteos::sorteoValido(const RegSorteo& r, double hoy) {
    return sorteoValido(r) && oledate::days(r.fecha) <= oledate::days(hoy);
}

RegSorteo MantenimientoSorteos::ultimoValido(RecordFile& numeros) {
    for (qint64 n = numeros.count(); n > 0; --n)
        if (const RegSorteo r = numeros.get<RegSorteo>(n); sorteoValido(r))
            return r;
    return RegSorteo();
}

bool MantenimientoSorteos::registrosValidos(const QByteArray& datos, double hoy, int largo) {
    if (datos.isEmpty() || datos.size() % largo != 0)
        return false;
    double anterior = 0;
    for (qsizetype at = 0; at < datos.size(); at += largo) {
        // An old record holds the numbers and the date where a current one does, and no Joker.
        RegSorteo r = RegSorteo::decode(datos.mid(at, largo));
        if (largo != RegSorteo::kSize)
            r.numJoker = 0;
        if (!sorteoValido(r, hoy) || !(r.fecha > anterior))
            return false;
        anterior = r.fecha;
    }
    return true;
}

bool MantenimientoSorteos::archivoValido(const QByteArray& datos, double hoy) {
    if (!registrosValidos(datos, hoy))
        return false;
    const RegSorteo primero = RegSorteo::decode(datos.left(RegSorteo::kSize));
    const QString dia = diasemana(primero.fecha);
    return primero.fecha > 1 && (dia == QStringLiteral("Jueves") || dia == QStringLiteral("Sábado"));
}

MantenimientoSorteos::Importado MantenimientoSorteos::importa(const QString& archivo) {
    using E = Importado::Estado;
    using checkedread::Status;
    const checkedread::Result leido = checkedread::read(archivo, kTamanoMaximo);
    switch (leido.status) {
    case Status::Missing:
        return {E::Error, kErrorNoEncontrado};
    case Status::Failed:
    case Status::Short:
        return {E::Error, kErrorAcceso};
    case Status::NotRegular:
    case Status::TooBig:
        return {E::NoValido, 0};
    case Status::Ok:
        break;
    }
    if (!archivoValido(leido.data, oledate::fromQDate(m_s.clock.today())))
        return {E::NoValido, 0};
    // The backup first: numeros.dat is replaced only once its copy is safely stored.
    QByteArray actual;
    if (!lee(m_s.ruta(QStringLiteral("numeros.dat")), kTamanoMaximo, actual))
        return {E::NoGrabado, 0};
    actual.truncate(actual.size() / RegSorteo::kSize * RegSorteo::kSize);
    if (!reemplaza(m_s.ruta(QStringLiteral("numeros.bak.tmp")), m_s.ruta(QStringLiteral("numeros.bak")),
                   actual) ||
        !reemplazaNumeros(leido.data))
        return {E::NoGrabado, 0};
    return {E::Importado, 0};
}

// Whatever changed the draws, what is counted from them is counted again and the
// selection the wizard and the reports read is saved anew.
void MantenimientoSorteos::sorteosCambiados() {
    llama(enlaces.estadisticas);
    llama(enlaces.guardaSeleccion);
}

void MantenimientoSorteos::Command5_Click() {
    modoBorrar = 1;
    if (m_s.dialogs.message(QStringLiteral("¿Seguro que quieres borrar todos los sorteos?"), kBorrar,
                            Dialogs::Icon::Question, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
        if (!borraTodos()) {
            avisaFallo();
            return;
        }
        llama(enlaces.resumen);
        llama(enlaces.refrescar);
        sorteosCambiados();
    }
    if (m_s.dialogs.message(
            QStringLiteral(
                "¿Quiere borrar también los aciertos de las peñas?. Si ha borrado los sorteos, se "
                "aconseja que se resetee también los resultados de las peñas y la fecha de creación "
                "pasará a ser la de hoy."),
            kBorrar, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    if (!reseteaPenas())
        avisaFallo();
    // The views show the peñas as they are on disk, reset or not.
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
        avisaFallo();
        return false;
    case Borrado::Hecho:
        break;
    }
    m_s.sigSorteo = std::max(1, m_s.sigSorteo - 1);
    llama(enlaces.resumen);
    sorteosCambiados();
    return !enlaces.estadisticas;
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
    case Importado::Estado::NoGrabado:
        avisaFallo();
        return;
    case Importado::Estado::Importado:
        break;
    }
    m_s.dialogs.message(QStringLiteral("Archivo de sorteos importado con éxito"),
                        QStringLiteral("Todos los sorteos"), Dialogs::Icon::Information);
    llama(enlaces.resumen);
    llama(enlaces.refrescar);
    sorteosCambiados();
}
