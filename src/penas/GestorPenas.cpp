#include "penas/GestorPenas.h"

#include "core/OleDate.h"
#include "core/Permiso.h"
#include "core/Records.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "core/VbText.h"
#include "stats/AvisoBase.h"
#include "stats/BaseInforme.h"
#include "stats/InformePena.h"

#include <QFileInfo>
#include <cerrno>
#include <cmath>

namespace {

// Error number of a peña record whose bet count or code indexes beyond its bets.
constexpr int kErrorIndice = 9;

} // namespace

QString textoApuesta(const RegPena& p, int apuesta, int numeros) {
    QString t;
    const auto& casillas = p.apuestas.at(static_cast<size_t>(apuesta));
    for (int k = 0; k < numeros && k < RegPena::kSlots; ++k) {
        const int n = casillas[static_cast<size_t>(k)];
        if (k > 0)
            t += u'-';
        if (n >= 0 && n < 10)
            t += u' ';
        t += QString::number(n);
    }
    return t;
}

int numerosPorApuestaDe(int numApuestas) {
    if (numApuestas < 500)
        return 6;
    if (numApuestas >= 501 && numApuestas <= 506)
        return cuantos(static_cast<int16_t>(numApuestas));
    return 0;
}

QString textoPorcentaje(float porcentaje) {
    const double r = std::nearbyint(static_cast<double>(porcentaje) * 10.0) / 10.0;
    return vbtext::cstr(r).replace(u'.', u',');
}

QString textoSimple(float v) {
    QString t = QString::number(static_cast<double>(v), 'g', 7);
    return t.replace(u'.', u',').replace(QStringLiteral("e+"), QStringLiteral("E+")).replace(u'e', u'E');
}

VistaLista GestorPenas::cargapenas(int fila) {
    VistaLista v;
    RecordFile& apuestas = m_s.files.apuestas;
    m_s.sigPena = 0;
    m_s.penaActual = apuestas.get<RegPena>(1);
    m_vacio = apuestas.eof();
    v.vacio = m_vacio;
    if (m_vacio) {
        v.combo2 = {QStringLiteral("No hay Peñas creadas")};
        v.filas.append({QStringLiteral("VACÍO"), 0, 0, QString()});
        v.label9_2 = QStringLiteral("0");
        v.botones = false;
        v.text4 = QStringLiteral("¡Nunca has acertado nada!");
        v.label13 = QStringLiteral("0");
        v.text5 = QString();
        v.chart2 = {1, 0};
        v.detalle = verpena(1);
        return v;
    }

    v.botones = true;
    v.combo2 = {QStringLiteral("TODAS LAS PEÑAS")};
    long total = 0;
    for (;;) {
        ++m_s.sigPena;
        m_s.penaActual = apuestas.get<RegPena>(m_s.sigPena);
        if (apuestas.eof())
            break;
        const RegPena& p = m_s.penaActual;
        v.combo2.append(p.nombre);
        const int n = p.numApuestas < 500 ? p.numApuestas : cuantos(static_cast<int16_t>(p.numApuestas + 6));
        v.filas.append({p.nombre, n, p.fecha, p.dias});
        for (int16_t a : p.aciertos)
            total += p.danada() ? 0 : a; // a damaged record's counters are garbage
    }
    v.label9_2 = QString::number(m_s.sigPena - 1);
    // The peña shown is the one highlighted, and so the one the buttons act on.
    v.fila = fila >= 1 && fila < m_s.sigPena ? fila : 1;
    v.detalle = verpena(v.fila);
    m_s.penaSel = v.fila;
    v.label13 = QString::number(total);

    const long sj = m_s.sorteosjugados;
    float porcentaje;
    if (total < sj) {
        v.chart2[0] = double(sj - total);
        porcentaje = static_cast<float>(100.0 * double(total) / double(sj));
    } else if (total != 0) {
        v.chart2[0] = 0;
        porcentaje = 100;
    } else {
        v.chart2[0] = 1;
        porcentaje = 0;
    }
    v.chart2[1] = double(total);
    v.text4 = textoPorcentaje(porcentaje) + QStringLiteral("% de efectividad en premios");
    v.text5 = QStringLiteral("en %1 sorteos").arg(sj);
    return v;
}

VistaPena GestorPenas::ListView1_ItemClick(int indice) {
    VistaPena v = verpena(indice);
    m_s.penaSel = indice;
    return v;
}

namespace {
// Database engine errors that mean the file cannot be written: reinstalling cannot help,
// so the message names the real cause.
constexpr int kPermiso = -3, kSoloLectura = -8, kEntradaSalida = -10, kLleno = -13;
} // namespace

QString tituloErrorDetalle(int error) {
    switch (error) {
    case kPermiso:
    case kSoloLectura:
        return QStringLiteral("Error de permiso");
    case kLleno:
        return QStringLiteral("Disco lleno");
    case kEntradaSalida:
    case BaseInforme::kSistemaSoloLectura:
        return QStringLiteral("Error de escritura");
    default:
        return QStringLiteral("¡Vaya hombre!");
    }
}

QString mensajeErrorDetalle(int error, bool* salir, const QString& base) {
    *salir = false;
    const QString fichero =
        QFileInfo(base.isEmpty() ? QString::fromLatin1(BaseInforme::kArchivo) : base).fileName();
    QString m;
    if (error == kPermiso || error == kSoloLectura) {
        m = textoPermiso() + QStringLiteral("\r\nError ");
        *salir = true;
    } else if (error == kLleno) {
        // The program goes on: once space is freed the same click shows the peña.
        m = textoDiscoLleno(fichero) + QStringLiteral(" Error ");
    } else if (error == kEntradaSalida) {
        m = avisoEscritura({fichero, 0, QStringLiteral("error de entrada/salida del disco")}).texto +
            QStringLiteral(" Error ");
    } else if (error == BaseInforme::kSistemaSoloLectura) {
        m = avisoEscritura({fichero, EROFS}).texto + QStringLiteral(" Error ");
    } else if (error == BaseInforme::kSinCifrado) {
        m = QStringLiteral(
            "El sistema operativo no tiene algunas librerías actualizadas. Póngase en contacto con "
            "nosotros para solucionar el problema. Error ");
    } else if (!base.isEmpty() && !QFileInfo(base).isFile()) {
        m = textoFaltaBase(QFileInfo(base).fileName()) + QStringLiteral(" Error ");
        *salir = true;
    } else if (error == BaseInforme::kSinFila || error < 0) {
        m = QStringLiteral("Un archivo necesario para el funcionamiento del programa ha sido modificado o "
                           "eliminado. Reinstale el programa. Error ");
        *salir = true;
    } else {
        m = QStringLiteral("Posiblemente el fichero de apuestas está corrupto. Error ");
    }
    return m + QString::number(error);
}

void GestorPenas::fallo(VistaPena& v, int error) const {
    v.error = error;
    v.mensaje = mensajeErrorDetalle(error, &v.salir, m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo)));
}

VistaPena GestorPenas::verpena(int n) {
    VistaPena v;
    const QString base = m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo));
    QStringList filasInforme;
    double segundo = 0;

    if (m_vacio) {
        v.label17 = QStringLiteral("-");
        v.label16 = QStringLiteral("-");
        v.chart3 = {0, 0};
    } else {
        const RegPena p = m_s.penaActual = m_s.files.apuestas.get<RegPena>(n);
        const int numeros = numerosPorApuestaDe(p.numApuestas);
        const int nb = p.numApuestas < 501 ? p.numApuestas : 1;
        if (numeros == 0 || nb > RegPena::kMaxApuestas) {
            // Empty the bets table as the detail always does, then report the damaged record.
            const int e = informepena::escribeApuestas(base, {});
            fallo(v, e != 0 ? e : kErrorIndice);
            return v;
        }
        v.alturaLista = nb >= 23 ? 4935 : nb * 225 + (nb < 4 ? 100 : 0) - (nb > 14 ? 150 : 0);
        for (int b = 0; b < nb; ++b) {
            const QString t = textoApuesta(p, b, numeros);
            v.apuestas.append(t);
            filasInforme.append(t);
        }
        for (int c = 0; c < 5; ++c)
            v.label3[static_cast<size_t>(c)] = QString::number(p.aciertos[static_cast<size_t>(c)]);

        long hits = 0;
        for (int16_t a : p.aciertos)
            hits += a;
        v.chart3 = {0, double(hits)};
        v.label17 = QStringLiteral("0");
        RecordFile& numerosDat = m_s.files.numeros;
        numerosDat.read(1);
        if (numerosDat.eof()) {
            segundo = 0;
            v.label16 = hits != 0 ? QStringLiteral("100 %") : QStringLiteral("-");
        } else {
            long c = 0;
            for (const RegSorteo& r : numerosDat.getAll<RegSorteo>())
                if (diaDeJuego(p.dias, p.fecha, r.fecha))
                    ++c;
            v.label17 = QString::number(c);
            const float porcentaje = c > 0 ? static_cast<float>(double(hits) * 100.0 / double(c)) : 0.0f;
            v.label16 = textoPorcentaje(porcentaje) + QStringLiteral(" %");
            segundo = qMax(0.0, double(c - hits));
        }
        v.chart3[0] = segundo;
    }

    if (const int e = informepena::escribeApuestas(base, filasInforme)) {
        fallo(v, e);
        return v;
    }

    const RegPena& p = m_s.penaActual;
    if (p.reducida[0] != 0) {
        const int k = qBound(0, int(p.reducida[0]), int(p.base.size()));
        v.label28 = QStringLiteral("-Reducida de %1 nºs al %2:").arg(p.reducida[0]).arg(p.reducida[1]);
        QStringList nums;
        for (int i = 0; i < k; ++i)
            nums.append(QString::number(p.base[static_cast<size_t>(i)]));
        v.label29 = nums.join(u'-');
    } else if (p.numApuestas >= 500) {
        v.label28 = QStringLiteral("-Apuesta múltiple de %1 nºs.").arg(numerosPorApuestaDe(p.numApuestas));
    } else {
        v.label28 = QStringLiteral("-Apuestas sencillas.");
    }
    v.listo = true;
    guardaEstadisticaPena(v);
    return v;
}

void GestorPenas::guardaEstadisticaPena(VistaPena& v) {
    const RegPena& p = m_s.penaActual;
    informepena::Resumen r;
    r.diasajugar = p.dias.trimmed();
    const int apuestas = cuantos(static_cast<int16_t>(qBound(-32000, int(p.numApuestas), 32000) + 6));
    const QString& d = r.diasajugar;
    int factor = 3;
    if (d == QStringLiteral("Lunes") || d == QStringLiteral("Jueves") || d == QStringLiteral("Sábado"))
        factor = 1;
    else if (d == QStringLiteral("Jueves y Sábado"))
        factor = 2;
    r.dinero = static_cast<float>(apuestas) * m_s.cfg.precio * static_cast<float>(factor);
    r.nombre = p.nombre;
    r.dia1 = oledate::toQDate(p.fecha);
    r.dia2 = oledate::toQDate(oledate::days(p.fecha2) == 0 ? p.fecha : p.fecha2);
    r.aciertos = v.label16;
    r.sorteos = vbtext::Val(v.label17);
    r.premios = {p.acierto(3), p.acierto(4), p.acierto(5), p.acierto(7), p.acierto(6)};

    const informepena::Guardado g =
        informepena::guardaResumen(m_s.ruta(QString::fromLatin1(BaseInforme::kArchivo)), r);
    if (g.error != 0) {
        fallo(v, g.error);
        return;
    }
    v.label37 = textoSimple(g.dinero) + QStringLiteral(" euros.");
    v.costeListo = true;
}
