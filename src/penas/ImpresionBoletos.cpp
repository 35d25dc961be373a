#include "penas/ImpresionBoletos.h"

#include "core/Permiso.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "core/Version.h"
#include "platform/Dialogs.h"
#include "platform/PrintService.h"
#include "platform/Printer.h"

#include <QLocale>
#include <cmath>

namespace {

constexpr int kBloques = 8;
constexpr double kTamano = 11.5;
constexpr double kTamanoMarca = 18;
// A correction beyond this would put the marks off any sheet.
constexpr double kMargenMaximo = 200;

// The box of the multiple bet: the box of a reference number in a reference block.
struct CasillaMultiple {
    int numero;
    int bloque;
};
constexpr CasillaMultiple kMultiple[6] = {{39, 1}, {9, 2}, {19, 1}, {29, 2}, {49, 2}, {19, 3}};

QString recortado(const QString& s) {
    return s.trimmed();
}

} // namespace

QString ImpresionBoletos::marca() {
    return nombreYVersion();
}

bool ImpresionBoletos::multiple() const {
    const int n = m_s.penaActual.numApuestas;
    return n >= 501 && n <= 506;
}

int ImpresionBoletos::apuestas() const {
    const int n = m_s.penaActual.numApuestas;
    if (multiple())
        return 1;
    return n >= 1 && n <= RegPena::kMaxApuestas ? n : 0;
}

int ImpresionBoletos::numerosPorApuesta() const {
    return multiple() ? cuantos(m_s.penaActual.numApuestas) : 6;
}

int ImpresionBoletos::boletos() const {
    return multiple() ? 1 : (apuestas() + kBloques - 1) / kBloques;
}

QString ImpresionBoletos::label10() const {
    return recortado(m_s.penaActual.nombre);
}

QString ImpresionBoletos::label2(int indice) const {
    switch (indice) {
    case 0:
        return QString::number(multiple() ? 1 : m_s.penaActual.numApuestas);
    case 1:
        return QString::number(boletos());
    default:
        return recortado(m_s.penaActual.dias);
    }
}

void ImpresionBoletos::casillas() {
    const bool oficial = m_modo == PapelOficial;
    for (int n = 1; n <= 49; ++n) {
        const int c = n / 10;
        const int r = n % 10;
        auto& casilla = m_coords[static_cast<size_t>(n - 1)];
        casilla[0] = 3.8 * c + 19.2 * (m_bloque - 1) + (oficial ? m_s.cfg.margenX : 0);
        casilla[1] = 5.0 * r + (oficial ? m_s.cfg.margenY : 0);
    }
}

void ImpresionBoletos::escribe(Printer& p, double x, double y, const QString& texto) {
    p.setCurrentX(x);
    p.setCurrentY(y);
    p.printLine(texto);
}

void ImpresionBoletos::marcaX(Printer& p, int n, double bajada) {
    if (n < 1 || n > 49)
        return;
    escribe(p, casillaX(n) + m_offX, casillaY(n) + m_offY + bajada, QStringLiteral("X"));
}

bool ImpresionBoletos::imprime(PrintService& servicio, Modo modo, bool joker) {
    if (m_s.penaActual.danada()) {
        m_s.dialogs.message(QStringLiteral("El registro de esta peña está dañado y no se puede imprimir. "
                                           "Elimine la peña y vuelva a crearla."),
                            QStringLiteral("Peña dañada"), Dialogs::Icon::Exclamation);
        return false;
    }
    // An empty peña has no ticket: no printer is asked for a job with no page.
    if (boletos() == 0) {
        m_s.dialogs.message(QStringLiteral("Esta peña no tiene apuestas. No hay boletos que imprimir."),
                            QStringLiteral("Peña vacía"), Dialogs::Icon::Information);
        return false;
    }
    const int hojas = modo == PapelNormal ? (boletos() + 1) / 2 : boletos();
    const std::shared_ptr<Printer> impresora = servicio.showPrinter(hojas);
    if (!impresora)
        return false;
    return imprime(*impresora, modo, joker);
}

bool ImpresionBoletos::imprime(Printer& p, Modo modo, bool joker) {
    m_modo = modo;
    m_offX = 0;
    m_offY = 0;
    m_desplaza = 0;
    if (!p.begin()) {
        p.killDoc();
        return false;
    }
    p.setFontName(QStringLiteral("Arial"));
    p.setFontBold(true);
    p.setFontSize(kTamano);
    const RegPena& pena = m_s.penaActual;
    const QString nombre = recortado(pena.nombre);
    const int total = apuestas();
    const int porApuesta = qMin(numerosPorApuesta(), int(RegPena::kSlots));
    const int nBoletos = boletos();
    const bool normal = modo == PapelNormal;
    // The pages the user asked for in the printer dialog (0: all): a ticket is one page
    // on official paper, a plain page holds two.
    const int desde = p.fromPage();
    const int hasta = p.toPage();
    int hoja = 0; // the page on the printer's current sheet, 0 before the first ticket
    for (int t = 1; t <= nBoletos; ++t) {
        const int pagina = normal ? (t + 1) / 2 : t;
        if (desde > 0 && (pagina < desde || pagina > hasta))
            continue;
        if (hoja != 0 && pagina != hoja)
            p.newPage();
        hoja = pagina;
        if (normal)
            pintaboleto(p, t);
        m_desplaza = normal && t % 2 == 0 ? 104 : 0;
        int siguiente = (t - 1) * kBloques;
        for (m_bloque = 1; m_bloque <= kBloques; ++m_bloque, ++siguiente) {
            if (siguiente >= total)
                continue;
            casillas();
            const auto& apuesta = pena.apuestas[static_cast<size_t>(siguiente)];
            for (int k = 0; k < porApuesta; ++k)
                marcaX(p, apuesta[static_cast<size_t>(k)]);
        }
        const QString cabecera = QStringLiteral("PEÑA %1 (%2/%3)").arg(nombre).arg(t).arg(nBoletos);
        if (!normal) {
            // The heading stands 7 mm above the marks, but never above the printable area,
            // where it would be cut; the marks keep their place.
            escribe(p, qMax(0.0, m_s.cfg.margenX + 5.0), qMax(0.0, m_s.cfg.margenY - 7.0),
                    cabecera + QStringLiteral("     ") + marca());
        } else {
            escribe(p, 32, m_desplaza + 37, cabecera);
            escribe(p, 110, m_desplaza + 97, QStringLiteral("Participación para: "));
            escribe(p, 110, m_desplaza + 102, recortado(pena.dias).toUpper());
            p.setFontSize(kTamanoMarca);
            escribe(p, 72.5, m_desplaza + 25, marca().toUpper());
        }
        p.setFontSize(kTamano);
        if (multiple()) {
            const CasillaMultiple& m = kMultiple[pena.numApuestas - 501];
            m_bloque = m.bloque;
            casillas();
            marcaX(p, m.numero, 10);
        }
        if (joker) {
            m_bloque = 8;
            casillas();
            marcaX(p, 9, 10);
        }
    }
    if (hoja == 0) { // the pages asked for hold no ticket: no sheet at all
        p.killDoc();
        return false;
    }
    return p.endDoc();
}

void ImpresionBoletos::pintaboleto(Printer& p, int t) {
    m_desplaza = t % 2 == 0 ? 104 : 0;
    m_offX = 25.8;
    m_offY = m_desplaza + 45;
    const double d = m_desplaza;
    const auto rellena = [&p](double x, double y, double w, double h) {
        p.filledBox(x, y, x + w, y + h, Qt::black);
    };
    p.box(20, d + 20, 20 + 160.5, d + 20 + 104, Qt::black);
    rellena(23.8, d + 117.3, 2.5, 3);
    rellena(174.5, d + 117.3, 2.5, 3);
    rellena(22.5, d + 44, 4, 1);
    const QString dias = recortado(m_s.penaActual.dias);
    if (dias == QStringLiteral("Jueves y Sábado") || dias == QStringLiteral("Todos (L+J+S)")) {
        rellena(22.5, d + 56, 4, 1);
        rellena(22.5, d + 86, 4, 1);
    } else {
        rellena(22.5, d + 62, 4, 1);
        rellena(22.5, d + 74, 4, 1);
    }
}

// ---- Printer correction ----------------------------------------------------------------

QString ImpresionBoletos::textoMargen(int indice) const {
    const float v = indice == 0 ? m_s.cfg.margenX : m_s.cfg.margenY;
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(double(v), 'g', 7);
}

bool ImpresionBoletos::guardaConfig() {
    RecordFile& f = m_s.files.numsIni;
    const QByteArray bytes = m_s.cfg.encode();
    if (f.isOpen() && f.count() >= 1 && f.read(1) == bytes)
        return true;
    if (!f.write(1, bytes)) {
        errorEscritura(m_s.dialogs, {f.path(), f.error()});
        return false;
    }
    return true;
}

std::array<QString, 2> ImpresionBoletos::Text1_Change(int indice, const QString& texto) {
    std::array<QString, 2> cajas = {textoMargen(0), textoMargen(1)};
    if (indice < 0 || indice > 1)
        return cajas;
    cajas[static_cast<size_t>(indice)] = texto;
    QString t = texto.trimmed();
    t.replace(u',', u'.');
    // A sign or a decimal separator alone is a number being typed.
    static const QStringList aMedias = {QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("."),
                                        QStringLiteral("-."), QStringLiteral("+.")};
    if (t.isEmpty() || aMedias.contains(t))
        return cajas;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > kMargenMaximo)
        return {textoMargen(0), textoMargen(1)};
    float& margen = indice == 0 ? m_s.cfg.margenX : m_s.cfg.margenY;
    const float antes = margen;
    margen = static_cast<float>(v);
    if (!guardaConfig()) {
        margen = antes;
        return {textoMargen(0), textoMargen(1)};
    }
    return cajas;
}

QString ImpresionBoletos::Text1_LostFocus(int indice, const QString& texto) {
    if (!texto.trimmed().isEmpty())
        return texto;
    m_s.dialogs.message(QStringLiteral("Te has dejado una coordenada en blanco. Introduce un número válido."),
                        QStringLiteral("EHEHEHH"), Dialogs::Icon::Critical);
    return textoMargen(indice);
}
