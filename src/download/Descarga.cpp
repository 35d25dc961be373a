#include "download/Descarga.h"

#include "core/MantenimientoSorteos.h"
#include "core/OleDate.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "download/Escrutinio.h"
#include "download/Importacion.h"
#include "download/Scanner.h"
#include "download/Trae.h"
#include "download/WwwFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <limits>

namespace {

const QString kConectando = QStringLiteral("CONECTANDO AL SERVIDOR");
const QString kNoConectado = QStringLiteral(
    "No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más tarde ya que no "
    "es posible conectar con el servidor de ONLAE.");

template <typename F, typename... A> void llama(const F& f, A&&... a) {
    if (f)
        f(std::forward<A>(a)...);
}

} // namespace

Descarga::Descarga(Session& s, HttpClient& http, Escrutinio& escrutinio, QObject* parent)
    : QObject(parent), m_s(s), m_http(http), m_escrutinio(escrutinio) {
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, &Descarga::Timer1_Timer);
}

void Descarga::setLabel6(const QString& t) {
    m_label6 = t;
    emit cambiado();
}

void Descarga::setProgreso(int v) {
    m_progreso = v;
    emit cambiado();
}

void Descarga::setLabel59(const QString& t) {
    m_label59 = t;
    emit cambiado();
}

void Descarga::setImagen(int i) {
    if (m_imagen == i)
        return;
    m_imagen = i;
    emit cambiado();
}

std::pair<QDate, QDate> Descarga::ventana(const QDate& hoy, const QDate& ultimo, const QDate& hastaAnterior) {
    constexpr int kSolape = 30;
    const QDate cien = hoy.addDays(-kDiasBusqueda);
    if (!ultimo.isValid() || (!hastaAnterior.isValid() && ultimo >= cien))
        return {cien, hoy};
    const QDate hasta = (hastaAnterior.isValid() ? hastaAnterior : ultimo).addDays(kDiasBusqueda - kSolape);
    return {std::min(cien, ultimo.addDays(-kSolape)), std::min(hasta, hoy)};
}

QString Descarga::urlSiguiente() {
    const qint64 guardados = m_s.files.numeros.count();
    const double ultimo = m_s.files.numeros.get<RegSorteo>(guardados).fecha;
    const auto [desde, hasta] =
        ventana(m_s.clock.today(),
                guardados > 0 && oledate::days(ultimo) > 0 ? oledate::toQDate(ultimo) : QDate(), m_hasta);
    m_hasta = hasta;
    return urlBusqueda(desde, hasta);
}

void Descarga::Picture2_Click() {
    if (enlaces.avisoVisible && enlaces.avisoVisible())
        return;
    const QDate hoy = m_s.clock.today();
    m_hasta = QDate();
    const QString url = urlSiguiente();

    m_escrutinio.bajando = false;
    setLabel59(QString());
    llama(enlaces.paraparpadeo);
    llama(enlaces.cerrarAviso);
    errorDatos = false;
    m_guardados = 0;

    if (oledate::fromQDate(hoy) < double(oledate::days(m_s.sorteo.fecha))) {
        m_s.dialogs.message(
            QStringLiteral("La fecha de tu ordenador parece incorrecta. Existen sorteos en la base de "
                           "datos con fechas porsteriores a la actual. Comprueba la fecha de tu "
                           "ordenador."),
            QStringLiteral("Error de fechas"), Dialogs::Icon::Information);
        return;
    }

    pulsos = 0;
    fase = 2;
    setProgreso(1);
    llama(enlaces.seleccionarPestana, 0);
    setLabel6(kConectando);

    traeBusqueda(url);
    if (hayRespuesta())
        setLabel6(QStringLiteral("BUSCANDO SORTEOS"));
    ++fase;
    m_timer1.start();
}

void Descarga::Timer1_Timer() {
    ++pulsos;
    if (!hayRespuesta()) {
        sinRespuesta();
        return;
    }
    pulsos = 0;
    setProgreso(2);
    fase = 5;
    const bool completa = buscaHastaHoy();
    fase = 7;
    terminaDescarga(completa);
}

void Descarga::traeBusqueda(const QString& url) {
    respuesta = trae(m_http, m_s.dialogs, url, &m_fallo);
    m_label58 = int(respuesta.size());
    emit cambiado();
}

bool Descarga::hayRespuesta() const {
    return respuesta.size() > 100;
}

void Descarga::avisaFallo() {
    switch (m_fallo) {
    case FalloTrae::SinAviso:
        m_s.dialogs.message(kNoConectado, QStringLiteral("Error de conexión"), Dialogs::Icon::Exclamation);
        break;
    case FalloTrae::Avisado: // the status was told: one failure, one box
        break;
    case FalloTrae::Excesiva: // no real reply is that large
        avisaDatosCorruptos();
        break;
    }
}

void Descarga::sinRespuesta() {
    // A failure not yet told waits for the fifth tick, as a connection would.
    if (m_fallo == FalloTrae::SinAviso && pulsos < 5)
        return;
    avisaFallo();
    m_timer1.stop();
    setProgreso(0);
    setLabel6(QString());
}

bool Descarga::buscaHastaHoy() {
    // After a long break the searches follow one another, oldest first, each stored and
    // counted before the next; one that fails leaves the rest for the next download.
    const QDate hoy = m_s.clock.today();
    while (procesaRespuesta(m_hasta >= hoy)) {
        if (m_hasta >= hoy)
            return true;
        if (nuevos > 0) {
            llama(enlaces.limpiarSelectorPena);
            llama(enlaces.listasencillas, static_cast<int16_t>(nuevos));
        }
        traeBusqueda(urlSiguiente());
        if (!hayRespuesta()) {
            avisaFallo();
            errorDatos = true;
            return false;
        }
    }
    return false;
}

void Descarga::muestraSorteos() {
    // The results follow every draw this download stored, as one search bringing them would.
    if (m_guardados > 0)
        nuevos = std::min<int>(m_guardados, std::numeric_limits<int16_t>::max());
    llama(enlaces.limpiarSelectorPena);
    llama(enlaces.listasencillas, static_cast<int16_t>(nuevos));
    if (nuevos != 0) {
        if (nuevos > 8)
            nuevos = 8;
        llama(enlaces.fijarSorteosAVer, nuevos);
    }
}

void Descarga::terminaDescarga(bool completa) {
    setProgreso(2);
    m_timer1.stop();
    if (!errorDatos) {
        setProgreso(3);
        muestraSorteos();
        setProgreso(4);
        llama(enlaces.resumen);
        llama(enlaces.estadisticas, 0.0);
        m_escrutinio.leeescrutinio(0);
        llama(enlaces.guardaSeleccion);
        setImagen(2);
    } else if (m_guardados > 0) {
        // Searches before the failed one stored draws: what depends on them is counted anew.
        muestraSorteos();
        llama(enlaces.estadisticas, 0.0);
        llama(enlaces.guardaSeleccion);
    }
    llama(enlaces.seleccionarPestana, 0);
    // Only a download that reached today and stored draws is announced as finished with a
    // full bar.
    if (!completa || errorDatos || m_guardados == 0) {
        setLabel6(QString());
        setProgreso(0);
        return;
    }
    setLabel6(QStringLiteral("TRANSFERENCIA FINALIZADA"));
    setProgreso(5);
}

void Descarga::avisaDatosCorruptos() {
    m_s.dialogs.message(QStringLiteral("¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este "
                                       "mismo error, posiblemente se ha de actualizar el programa. Pruebe "
                                       "más tarde."),
                        QStringLiteral("Error crítico"), Dialogs::Icon::Critical);
    m_timer1.stop();
    m_escrutinio.setText1(QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde se conecta y "
                                         "le vuelve a suceder envie un email a: ") +
                          QLatin1String(kCorreoContacto));
    errorDatos = true;
}

bool Descarga::procesaRespuesta(bool ultima) {
    FalloEscritura fallo;
    if (grabaWww(m_s, respuesta, &fallo))
        return leesorteos(ultima);
    // Scanning the old file with the new reply's length would read nonsense.
    errorEscritura(m_s.dialogs, fallo);
    errorDatos = true;
    return false;
}

bool Descarga::leesorteos(bool ultima) {
    setLabel6(QStringLiteral("ANALIZANDO DATOS"));
    nuevos = 0;
    // The newest stored draw, as the file holds it now (an earlier search may just have
    // added to it); a damaged record after it does not count.
    if (m_s.files.numeros.count() > 0)
        m_s.sorteo = MantenimientoSorteos::ultimoValido(m_s.files.numeros);

    ResultadoImport r;
    if (m_s.files.www.isOpen()) {
        r = leeRespuesta(m_s.files.www, m_label58, m_s.sorteo, [this](int i) {
            nuevos = i;
            const int total = m_guardados + i;
            setLabel59(total == 1 ? QStringLiteral("1 sorteo") : QStringLiteral("%1 sorteos").arg(total));
        });
    } else {
        r.error = true;
    }
    nuevos = int(r.sorteos.size());
    if (!r.error && !anexaSorteos(m_s.files.numeros, r.sorteos)) {
        // Nothing of this reply was kept; the user learns why, not that data were corrupt.
        setLabel59(QString());
        errorEscritura(m_s.dialogs, {m_s.files.numeros.path(), m_s.files.numeros.error()});
        m_timer1.stop();
        errorDatos = true;
        return false;
    }
    if (!r.error)
        m_guardados += nuevos;

    if (r.error) {
        if (nuevos == 0) {
            avisaDatosCorruptos();
        } else {
            // Nothing was stored, so no count of new draws stands.
            setLabel59(QString());
            m_s.dialogs.message(
                QStringLiteral("Aun no hay datos de sorteos del %1.").arg(m_s.clock.today().year()),
                QStringLiteral("Pruebe mas tarde"), Dialogs::Icon::Information);
        }
        return false;
    }

    if (r.incompleto) {
        // The newest draws are not complete yet: none was kept, so the history has no gap.
        m_s.dialogs.message(
            QStringLiteral("Aun no hay datos de sorteos del %1.").arg(m_s.clock.today().year()),
            QStringLiteral("Pruebe mas tarde"), Dialogs::Icon::Information);
        nuevos = 1;
    } else if (nuevos == 0 && ultima && m_guardados == 0) {
        m_s.dialogs.message(QStringLiteral("Todavía no hay sorteos nuevos."),
                            QStringLiteral("Pruebe más tarde"), Dialogs::Icon::Information);
        nuevos = 1;
    }
    llama(enlaces.resumen);
    return !r.incompleto;
}
