#include "checking/Comprobacion.h"

#include "checking/Premios.h"
#include "checking/TextoSorteo.h"
#include "checking/VistaResultados.h"
#include "core/MantenimientoSorteos.h"
#include "core/OleDate.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kOffsetAciertos = 8264; // the prize counters in a peña record
constexpr int kOffsetFecha2 = 8299;   // the newest counted date

QString sinBlancosFinales(const QString& t) {
    int n = int(t.size());
    while (n > 0 && t.at(n - 1) == u' ')
        --n;
    return t.left(n);
}

// The day of the week of a date, 0..6, in the cycle diasemana names.
int diaDeLaSemana(double fecha) {
    const qint64 d = oledate::days(fecha);
    return int(((d % 7) + 7) % 7);
}

// The days of the week a peña plays, one bit per diaDeLaSemana: day n of the cycle has the
// day count n, so the shared rule is asked once per day instead of once per draw.
uint8_t diasDeJuego(const QString& dias) {
    uint8_t m = 0;
    for (int w = 0; w < 7; ++w)
        if (diaDeJuego(dias, w, w))
            m |= uint8_t(1u << w);
    return m;
}

// A bet's numbers as the listing prints them: four blanks before a number below 10, two
// before any other.
QString numeroImpreso(int n) {
    return (n < 10 ? QStringLiteral("    ") : QStringLiteral("  ")) + QString::number(n);
}

} // namespace

Comprobacion::Comprobacion(Session& s, VistaResultados& v)
    : m_s(s), m_v(v), m_modelo2(std::make_unique<ListaSencillas>()),
      m_modelo4(std::make_unique<ListaMultiples>()) {}

Comprobacion::~Comprobacion() = default;

int Comprobacion::sorteosGuardados() const {
    return int(std::min<qint64>(m_s.files.numeros.count(), 32767));
}

std::vector<Comprobacion::PenaLeida> Comprobacion::leerPenas() {
    std::vector<PenaLeida> penas;
    const qint64 n = m_s.files.apuestas.count();
    penas.reserve(static_cast<size_t>(n));
    for (qint64 p = 1; p <= n; ++p) {
        QByteArray bytes = m_s.files.apuestas.read(p);
        RegPena reg = RegPena::decode(bytes);
        const uint8_t dias = diasDeJuego(reg.dias);
        const bool danada = reg.danada();
        penas.push_back({std::move(reg), std::move(bytes), -1, dias, danada});
    }
    return penas;
}

// A peña's counters and date go to the file in one write at the end of a check, so that an
// interrupted check never leaves counters added without the date that keeps them from being
// added again. Only those two fields change; the rest of the record is written as it was read.
void Comprobacion::escribirPenas(std::vector<PenaLeida>& penas) {
    int fallos = 0;
    int escritas = 0;
    for (size_t i = 0; i < penas.size(); ++i) {
        PenaLeida& p = penas[i];
        const QByteArray nuevo = p.reg.encode();
        QByteArray bytes = p.original;
        bytes.replace(kOffsetAciertos, 10, nuevo.mid(kOffsetAciertos, 10));
        bytes.replace(kOffsetFecha2, 8, nuevo.mid(kOffsetFecha2, 8));
        if (bytes == p.original)
            continue;
        if (m_s.files.apuestas.write(qint64(i) + 1, bytes)) {
            p.original = bytes;
            ++escritas;
        } else {
            ++fallos;
            m_errorFallo = m_s.files.apuestas.error();
        }
    }
    m_penasGrabadas += escritas;
    if (!penas.empty())
        m_s.penaActual = penas.back().reg;
    if (fallos == 0 && escritas > 0)
        m_fallosAvisados = false;
    m_fallosSinAvisar += fallos;
}

// Checks run again at every activation; the user hears of a failure to store prizes once
// per check (the simple and the multiple peñas together), and again only after an action
// that needs the write (avisarFallosOtraVez) or after the file could be written meanwhile.
void Comprobacion::avisarFallos() {
    const int fallos = std::exchange(m_fallosSinAvisar, 0);
    if (fallos == 0 || m_fallosAvisados)
        return;
    m_fallosAvisados = true;
    // The count first, then the cause of the last failure, under its own title.
    const AvisoEscritura causa = avisoEscritura({m_s.files.apuestas.path(), m_errorFallo});
    m_s.dialogs.message(QStringLiteral("No se han podido guardar los premios de %1 peña(s) en el fichero de "
                                       "peñas. Los sorteos se volverán a comprobar la próxima vez.\r\n\r\n")
                                .arg(fallos) +
                            causa.texto,
                        causa.titulo, Dialogs::Icon::Exclamation);
}

Comprobacion::Filtros Comprobacion::filtros() const {
    return {m_v.combo2ListIndex(), m_v.combo2Texto(), m_v.historico(), m_v.soloPremio()};
}

bool Comprobacion::participa(const RegPena& p, int indice, const QString& elegida) const {
    return indice < 1 || sinBlancosFinales(elegida) == sinBlancosFinales(p.nombre);
}

bool Comprobacion::seLista(const PenaLeida& p, const RegSorteo& s, bool historico) {
    if (!historico && !(p.reg.fecha <= s.fecha))
        return false;
    // The creation date is tested above; here only the day of the week counts.
    return (p.dias >> diaDeLaSemana(s.fecha)) & 1;
}

bool Comprobacion::enVentana(const RegPena& p, const RegSorteo& s) {
    return s.fecha > p.fecha2 && s.fecha >= p.fecha;
}

bool Comprobacion::seCuenta(const RegPena& p, const RegSorteo& s) const {
    return enVentana(p, s) && MantenimientoSorteos::sorteoValido(s, m_hoy);
}

void Comprobacion::listasencillas(int numSorteos) {
    const int total = sorteosGuardados();
    const int n = std::clamp(numSorteos, 0, total);
    m_v.progreso(0, n);
    auto lista = std::make_unique<ListaSencillas>();
    m_filalista = 0;
    m_tituloImpreso = false;
    m_ultimoSorteoImpreso = -1;
    m_ultimaPenaImpresa = -1;
    bool hayMultiple = false;

    if (total > 0) {
        m_hoy = oledate::fromQDate(m_s.clock.today());
        std::vector<PenaLeida> penas = leerPenas();
        const std::vector<RegSorteo> sorteos = m_s.files.numeros.getAll<RegSorteo>();
        const auto [indice, elegida, historico, soloPremio] = filtros();
        std::array<uint8_t, RegPena::kMaxApuestas> premiadas;
        for (int i = 0; i < n; ++i) {
            const int d = total - i;
            m_v.progreso(i + 1, n);
            const RegSorteo& sorteo = sorteos[static_cast<size_t>(d - 1)];
            m_s.sorteo = sorteo;
            const int si = lista->agregarSorteo(sorteo);
            bool premioSorteo = false;
            for (size_t j = 0; j < penas.size(); ++j) {
                PenaLeida& pl = penas[j];
                RegPena& pena = pl.reg;
                if (pena.numApuestas > 500) {
                    hayMultiple = true;
                    continue;
                }
                if (pl.danada || !participa(pena, indice, elegida))
                    continue;
                if (indice > 0 && penaelegida == 1 && !m_v.listaVisible(0))
                    m_v.Command1_Click(0);
                if (!seLista(pl, sorteo, historico))
                    continue;
                if (pl.foto < 0)
                    pl.foto = lista->agregarPena(pena);
                lista->abrirBloque(pl.foto, si);
                cuentaapuestas::PorAciertos cuenta{};
                const int conPremio = lista->contar(pl.foto, si, cuenta, premiadas.data());
                if (soloPremio)
                    lista->agregarApuestas(premiadas.data(), conPremio);
                else
                    lista->agregarTodas();
                if (conPremio > 0) {
                    premioSorteo = true;
                    if (seCuenta(pena, sorteo))
                        sumarCuenta(pena, cuenta);
                }
                if (m_imprimiendo)
                    imprimirApuestasSencillas(*lista, int(j), pl.foto, si, d, sorteo, soloPremio);
                // Only bets without a prize hide a block: a peña of no bets keeps its
                // separator, heading and draw rows.
                if (soloPremio && conPremio == 0 && pena.numApuestas > 0)
                    lista->quitarBloque();
                if (premioSorteo && m_v.avisoDescarga() && !m_v.timer3Activo()) {
                    conpremio = 1;
                    m_v.iniciarTimer3();
                }
                m_filalista = lista->filas();
            }
        }
        if (n > 0)
            contarYFechar(penas, sorteos, n, indice, elegida, false);
        escribirPenas(penas);
    }
    m_modelo2.reemplazar(std::move(lista));

    if (hayMultiple) {
        m_dentroDeSencillas = true;
        listamulti(n);
        m_dentroDeSencillas = false;
    } else {
        m_modelo4.reemplazar(std::make_unique<ListaMultiples>()); // no multiple peña left to show
    }
    avisarFallos();

    if (m_imprimiendo)
        terminarImpresion();
    if (total > 0) {
        penaelegida = 0;
        m_v.progreso(0, n);
    }
}

void Comprobacion::listamulti(int numSorteos) {
    const int total = sorteosGuardados();
    const int n = std::clamp(numSorteos, 0, total);
    auto lista = std::make_unique<ListaMultiples>();
    m_filalista = 0;
    if (total == 0) {
        m_modelo4.reemplazar(std::move(lista));
        return;
    }
    m_tituloMultiples = false;
    m_ultimoSorteoMultiples = -1;

    m_hoy = oledate::fromQDate(m_s.clock.today());
    std::vector<PenaLeida> penas = leerPenas();
    const std::vector<RegSorteo> sorteos = m_s.files.numeros.getAll<RegSorteo>();
    const auto [indice, elegida, historico, soloPremio] = filtros();
    m_lista4 = lista.get();
    for (int i = 0; i < n; ++i) {
        const int d = total - i;
        const RegSorteo& sorteo = sorteos[static_cast<size_t>(d - 1)];
        m_s.sorteo = sorteo;
        m_sorteo = sorteo;
        const int si = lista->agregarSorteo(sorteo);
        for (PenaLeida& pl : penas) {
            RegPena& pena = pl.reg;
            if (pena.numApuestas <= 500 || pl.danada || !participa(pena, indice, elegida))
                continue;
            if (penaelegida == 1 && !m_v.listaVisible(1) && indice > 0)
                m_v.Command1_Click(1);
            if (seLista(pl, sorteo, historico)) {
                if (pl.foto < 0)
                    pl.foto = lista->agregarPena(pena);
                lista->abrirGrupo(pl.foto, si);
                lista->agregarFila(ListaMultiples::Tipo::Blanca);
                lista->agregarFila(ListaMultiples::Tipo::Cabecera);
                lista->agregarFila(ListaMultiples::Tipo::Fecha);
                lista->agregarFila(ListaMultiples::Tipo::Apuesta);
                const int filaApuesta = lista->filas() - 1;
                m_filalista = lista->filas();
                const ListaMultiples::Apuesta a = lista->comprobar(pl.foto, si);
                const bool desglose = premios::hayPremioMultiple(pena.numApuestas, a.aciertos);
                if (desglose) {
                    m_pena = &pena;
                    m_concomp = a.concomp;
                    premiomultiple(a.aciertos);
                    m_pena = nullptr;
                }
                if (soloPremio) {
                    if (a.aciertos < 3)
                        lista->quitarUltimaFila();
                    if (!desglose)
                        for (int k = 0; k < 3; ++k)
                            lista->quitarUltimaFila();
                }
                m_filalista = lista->filas();
                if (m_imprimiendo && (!soloPremio || desglose)) {
                    QString linea;
                    for (int k = 0; k < a.cuantos; ++k)
                        linea += numeroImpreso(a.numeros[static_cast<size_t>(k)]);
                    imprimirGrupoMultiple(d, sorteo, QStringLiteral("PEÑA ") + pena.nombre, linea,
                                          filaApuesta);
                }
            }
        }
    }
    m_lista4 = nullptr;
    if (n > 0)
        contarYFechar(penas, sorteos, n, indice, elegida, true);
    escribirPenas(penas);
    if (!m_dentroDeSencillas)
        avisarFallos();
    m_modelo4.reemplazar(std::move(lista));
    penaelegida = 0;
}

void Comprobacion::premiomultiple(int aciertosSorteo) {
    if (m_v.avisoDescarga()) {
        if (conpremio == 0) {
            m_v.iniciarTimer3();
            conpremio = 2;
        } else if (conpremio == 1 || conpremio == 3) {
            conpremio = 3;
        } else {
            conpremio = 2;
        }
    }
    const premios::Desglose d = premios::desgloseMultiple(m_pena->numApuestas, aciertosSorteo, m_concomp);
    for (int i = 0; i < d.numLineas; ++i) {
        if (i > 0)
            lineablanca();
        m_lista4->ponerPremio(m_filalista - 1, d.lineas[static_cast<size_t>(i)]);
    }
    if (seCuenta(*m_pena, m_sorteo))
        sumarDesglose(*m_pena, d);
    if (d.filaFinal)
        lineablanca();
}

void Comprobacion::sumarDesglose(RegPena& p, const premios::Desglose& d) {
    for (int i = 0; i < d.numLineas; ++i)
        premios::sumar(p.acierto(d.lineas[static_cast<size_t>(i)].categoria),
                       d.lineas[static_cast<size_t>(i)].cuantas);
}

void Comprobacion::sumarCuenta(RegPena& p, const cuentaapuestas::PorAciertos& cuenta) {
    for (int aciertos = 3; aciertos <= 6; ++aciertos)
        for (int comp = 0; comp <= 1; ++comp)
            if (const int n = cuenta[static_cast<size_t>(aciertos * 2 + comp)])
                premios::sumar(p.acierto(premios::categoriaSencilla(aciertos, comp)), n);
}

// Counts, for every peña the check walked, the draws older than the `listados` newest that
// are still inside its counting window (a download stored but never counted, a write that
// failed last time), then moves its newest counted date forward to the newest valid stored
// draw. Every stored draw is thus counted once whatever the number of draws listed, and the
// date never goes back, so a shorter draws file cannot make draws count again. A damaged
// record (or one dated after today) is neither counted nor dated from: its date could move
// the peña past every real draw for good.
void Comprobacion::contarYFechar(std::vector<PenaLeida>& penas, const std::vector<RegSorteo>& sorteos,
                                 int listados, int indice, const QString& elegida, bool multiples) {
    const int total = sorteosGuardados();
    const int primero = total - listados; // the newest draw not listed, 0 when none
    std::vector<bool> validos(static_cast<size_t>(total));
    double masNueva = 0;
    int ultimoValido = 0; // the newest valid draw not listed, 0 when none
    for (int d = 1; d <= total; ++d) {
        const RegSorteo& s = sorteos[static_cast<size_t>(d - 1)];
        if (!MantenimientoSorteos::sorteoValido(s, m_hoy))
            continue;
        validos[static_cast<size_t>(d - 1)] = true;
        masNueva = std::max(masNueva, s.fecha);
        if (d <= primero)
            ultimoValido = d;
    }
    // The draws older than the listed ones, made ready the first time a peña needs them.
    ListaSencillas sencillas;
    ListaMultiples multiplesCuenta;
    std::vector<uint8_t> dias;
    std::array<uint8_t, RegPena::kMaxApuestas> premiadas;
    for (PenaLeida& pl : penas) {
        RegPena& p = pl.reg;
        if ((p.numApuestas > 500) != multiples || pl.danada || !participa(p, indice, elegida))
            continue;
        if (ultimoValido >= 1 && enVentana(p, sorteos[static_cast<size_t>(ultimoValido - 1)])) {
            if (dias.empty()) {
                for (int d = 1; d <= primero; ++d) {
                    const RegSorteo& s = sorteos[static_cast<size_t>(d - 1)];
                    if (multiples)
                        multiplesCuenta.agregarSorteo(s);
                    else
                        sencillas.agregarSorteo(s);
                    dias.push_back(uint8_t(1u << diaDeLaSemana(s.fecha)));
                }
            }
            const int foto = multiples ? multiplesCuenta.agregarPena(p) : sencillas.agregarPena(p);
            cuentaapuestas::PorAciertos cuenta{};
            // Draws are stored oldest first: once a valid draw lies outside the peña's window,
            // so do all older ones.
            for (int d = ultimoValido; d >= 1; --d) {
                const RegSorteo& s = sorteos[static_cast<size_t>(d - 1)];
                if (!validos[static_cast<size_t>(d - 1)])
                    continue;
                if (!enVentana(p, s))
                    break;
                if (!(dias[static_cast<size_t>(d - 1)] & pl.dias))
                    continue;
                if (multiples) {
                    const ListaMultiples::Apuesta a = multiplesCuenta.comprobar(foto, d - 1);
                    if (premios::hayPremioMultiple(p.numApuestas, a.aciertos))
                        sumarDesglose(p, premios::desgloseMultiple(p.numApuestas, a.aciertos, a.concomp));
                } else {
                    sencillas.contar(foto, d - 1, cuenta, premiadas.data());
                }
            }
            sumarCuenta(p, cuenta);
        }
        p.fecha2 = std::max(p.fecha2, masNueva);
    }
}

void Comprobacion::lineablanca() {
    m_lista4->agregarFila(ListaMultiples::Tipo::Premio);
    m_filalista = m_lista4->filas();
}

void Comprobacion::imprimirListado(std::shared_ptr<Printer> impresora, const QImage& logo, int numSorteos) {
    if (!impresora) {
        m_imprimiendo = false;
        return;
    }
    m_impresora = std::move(impresora);
    m_logo = logo;
    m_errorImpresion = !m_impresora->begin();
    m_imprimiendo = true;
    m_impreso = false;
    // A page the listing runs on to starts where the logo of a first page stands.
    m_impresora->setPageTop(kArribaPagina);
    m_impresora->picture(m_logo, 0, kArribaPagina, kLogoAncho, kLogoAlto);
    m_impresora->setCurrentY(40);
    listasencillas(numSorteos);
}

// A draw's line: after an empty line, "Sorteo del " with the date and the draw's numbers.
void Comprobacion::lineasSorteo(QList<LineaListado>& lineas, const RegSorteo& s) {
    lineas.append({QString(), 0, 0});
    lineas.append({QStringLiteral("Sorteo del ") + textosorteo::fechaCorta(s.fecha) + QStringLiteral("  ") +
                       textosorteo::numeros(s),
                   20, 18});
}

void Comprobacion::imprimirJuntas(const QList<LineaListado>& lineas) {
    Printer& pr = *m_impresora;
    const double tamano = pr.fontSize();
    double alto = 0;
    for (const LineaListado& l : lineas) {
        if (l.tamano > 0)
            pr.setFontSize(l.tamano);
        pr.setFontUnderline(l.titulo);
        alto += pr.textHeight(l.texto.isEmpty() ? QStringLiteral(" ") : l.texto);
    }
    pr.setFontSize(tamano);
    const bool otraPagina = pr.currentY() + alto > pr.pageBottom() && pr.currentY() > kArribaPagina;
    if (otraPagina)
        pr.newPage();
    bool arriba = otraPagina;
    for (const LineaListado& l : lineas) {
        if (l.tamano > 0)
            pr.setFontSize(l.tamano);
        // A page does not start with the empty line that parts a group from the one before.
        if (arriba && l.texto.isEmpty())
            continue;
        arriba = false;
        pr.setFontUnderline(l.titulo);
        pr.setCurrentX(l.x);
        pr.printLine(l.texto);
    }
    pr.setFontUnderline(false);
}

// The bet lines of a peña in a draw, each with its prize message; only the bets with a prize
// under "Ver sólo si hay premio".
void Comprobacion::imprimirApuestasSencillas(const ListaSencillas& lista, int pena, int foto, int si, int d,
                                             const RegSorteo& s, bool soloPremio) {
    const QString cabecera = QStringLiteral("PEÑA ") + lista.nombre(foto);
    for (int b = 0; b < lista.apuestas(foto); ++b) {
        const ListaSencillas::Apuesta a = lista.comprobar(foto, b, si);
        if (soloPremio && !a.categoria)
            continue;
        QString linea;
        for (int16_t num : a.numeros)
            linea += numeroImpreso(num);
        if (a.categoria)
            linea += QStringLiteral("  ") + premios::mensajeSencilla(a.categoria);
        imprimirApuestaSencilla(pena, d, s, cabecera, linea);
    }
}

void Comprobacion::imprimirApuestaSencilla(int pena, int d, const RegSorteo& s, const QString& cabecera,
                                           const QString& linea) {
    // The headings stay on one page with the first bet under them.
    QList<LineaListado> juntas;
    if (pena != m_ultimaPenaImpresa || d != m_ultimoSorteoImpreso) {
        if (d != m_ultimoSorteoImpreso) {
            m_impreso = true;
            if (!m_tituloImpreso) {
                m_tituloImpreso = true;
                juntas.append({QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS"), 50, 22, true});
            }
            lineasSorteo(juntas, s);
            m_ultimoSorteoImpreso = d;
        }
        juntas.append({QString(), 0, kTamanoListado});
        juntas.append({cabecera, 30, kTamanoListado});
        m_ultimaPenaImpresa = pena;
    }
    juntas.append({linea, 30, kTamanoListado});
    imprimirJuntas(juntas);
}

void Comprobacion::imprimirGrupoMultiple(int d, const RegSorteo& s, const QString& cabecera,
                                         const QString& linea, int filaApuesta) {
    Printer& pr = *m_impresora;
    QList<LineaListado> juntas;
    if (d != m_ultimoSorteoMultiples) {
        if (!m_tituloMultiples) {
            if (m_impreso) {
                pr.newPage();
                pr.picture(m_logo, 0, kArribaPagina, kLogoAncho, kLogoAlto);
                pr.setCurrentY(40);
            }
            m_tituloMultiples = true;
            juntas.append({QStringLiteral("PEÑAS MÚLTIPLES"), 70, 22, true});
        }
        m_impreso = true;
        lineasSorteo(juntas, s);
        m_ultimoSorteoMultiples = d;
    }
    juntas.append({QString(), 0, kTamanoListado});
    juntas.append({cabecera, 30, kTamanoListado});
    // The heading stays with the bet line; the breakdown under it may run on to the next page.
    const int comentario = ListaMultiples::kColumnas - 1;
    juntas.append(
        {linea + QStringLiteral("  ") + m_lista4->texto(filaApuesta, comentario), 30, kTamanoListado});
    imprimirJuntas(juntas);
    for (int r = filaApuesta + 1; r < m_lista4->filas(); ++r)
        imprimirJuntas({{m_lista4->texto(r, comentario), 83.3, kTamanoListado}});
}

void Comprobacion::terminarImpresion() {
    m_imprimiendo = false;
    if (!m_impreso) {
        m_s.dialogs.message(QStringLiteral("Listado vacío. No hay datos para imprimir,"),
                            QStringLiteral("No hay datos"), Dialogs::Icon::Information);
        m_impresora->killDoc();
    } else {
        m_impreso = false;
        if (m_errorImpresion)
            m_impresora->killDoc();
        else
            m_impresora->endDoc();
    }
    m_impresora.reset();
}
