#include "penas/EditorPena.h"

#include "core/Cp1252.h"
#include "core/OleDate.h"
#include "core/Session.h"
#include "core/Permiso.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {
const QString kTitulo = QStringLiteral("Error");
} // namespace

EditorPena::EditorPena(Session& s, std::function<double()> aleatorio) : m_s(s), m_rnd(std::move(aleatorio)) {
    if (!m_rnd) {
        auto gen =
            std::make_shared<QRandomGenerator>(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
        m_rnd = [gen] { return gen->generateDouble(); };
    }
}

QString EditorPena::textoDias(int opcion) {
    switch (opcion) {
    case 1:
        return QStringLiteral("Jueves");
    case 2:
        return QStringLiteral("Sábado");
    case 3:
        return QStringLiteral("Jueves y Sábado");
    case 4:
        return QStringLiteral("Lunes");
    default:
        return QStringLiteral("Todos (L+J+S)");
    }
}

QString EditorPena::label4() const {
    return QStringLiteral("INTRODUZCA EL NOMBRE Y %1 NÚMEROS:").arg(m_porApuesta);
}

void EditorPena::mensaje(const QString& texto, bool exclamacion) {
    m_s.dialogs.message(texto, kTitulo,
                        exclamacion ? Dialogs::Icon::Exclamation : Dialogs::Icon::Information);
}

void EditorPena::cambiado() {
    if (alCambiar)
        alCambiar();
}

void EditorPena::limpiaRejilla() {
    m_marcas.fill(false);
    m_marcados = 0;
}

void EditorPena::numerosPorApuesta() {
    static constexpr int kPorCodigo[] = {6, 7, 8, 5, 9, 10, 11};
    if (m_s.codMultiple >= 0 && m_s.codMultiple <= 6) {
        m_porApuesta = kPorCodigo[m_s.codMultiple];
        m_requeridos = m_porApuesta;
    }
}

bool EditorPena::Form_Load() {
    // A mark left from a bet not completed before the last save would unbalance the count.
    limpiaRejilla();
    if (m_s.codMultiple == 7) {
        m_s.contApuestas = 0;
        m_requeridos = 0;
    }
    m_aleatorio = !(m_s.codMultiple != 0 && m_s.delAsistente == 1);
    m_nombreFalta = 0;
    numerosPorApuesta();
    if (m_s.codMultiple == 7) {
        const tablas::Lectura l = tablas::lee(m_s.ruta(QStringLiteral("tablas.bin")), m_s.tablaElegida);
        if (l.fallo != tablas::Fallo::Ninguno) {
            mensaje(QStringLiteral("La tabla de reducción elegida no es válida. Reinstale el programa."),
                    true);
            return false;
        }
        m_tabla = l.tabla;
        m_porApuesta = l.tabla.cabecera.n;
        m_penaEdit.reducida = {static_cast<int16_t>(l.tabla.cabecera.n),
                               static_cast<int16_t>(l.tabla.cabecera.g)};
        m_apuestasTabla = l.tabla.cabecera.b;
    } else {
        m_penaEdit.reducida[0] = 0;
    }
    m_lista.clear();
    m_grabar = false;
    m_borrar = false;
    m_contLabel3 = 0;
    cambiado();
    if (m_s.delAsistente == 1)
        marcaAutomatico();
    return true;
}

void EditorPena::Image1_Click(int indice) {
    if (indice < 0 || indice >= 49)
        return;
    const int c = m_porApuesta;
    if (m_nombreFalta != 0) {
        mensaje(QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números."), false);
        return;
    }
    m_grabar = false;
    m_maxApuestas = m_s.codMultiple != 0 ? 1 : RegPena::kMaxApuestas;
    if (m_s.contApuestas >= m_maxApuestas) {
        if (m_s.codMultiple == 7) {
            mensaje(QStringLiteral("¡¡ Sólo puedes poner %1 números en este tipo de reducida !! ")
                        .arg(m_porApuesta),
                    false);
        } else if (m_s.codMultiple != 0) {
            mensaje(
                QStringLiteral("¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a "
                               "múltiples !! "),
                false);
        } else {
            mensaje(QStringLiteral("Máximo de apuestas sencillas por peña : %1.").arg(m_maxApuestas), false);
            m_limite = -1;
        }
        m_grabar = true;
        cambiado();
        return;
    }
    bool& celda = m_marcas[static_cast<size_t>(indice)];
    if (m_marcados != c) {
        m_marcados += celda ? -1 : 1;
        celda = !celda;
    } else if (celda) {
        celda = false;
        --m_marcados;
    }
    if (m_marcados == c)
        muestraApuesta(0);
    cambiado();
}

void EditorPena::muestraApuesta(int modo) {
    ++m_s.contApuestas;
    const int b = m_s.contApuestas - 1; // bounded by maxApuestas in Image1_Click
    m_borrar = true;
    QString texto;
    int k = 0;
    for (int i = 0; i < 49; ++i) {
        if (!m_marcas[static_cast<size_t>(i)])
            continue;
        ++k;
        if (modo == 0)
            m_marcas[static_cast<size_t>(i)] = false;
        const int numero = i + 1;
        if (k <= RegPena::kSlots && b >= 0 && b < RegPena::kMaxApuestas)
            m_penaEdit.apuestas[static_cast<size_t>(b)][static_cast<size_t>(k - 1)] =
                static_cast<int16_t>(numero);
        if (numero < 10)
            texto += u' ';
        texto += QString::number(numero);
        if (k != m_porApuesta && k != m_requeridos)
            texto += u'-';
    }
    if (modo == 0)
        m_marcados = 0;
    m_lista.append(texto);
    m_contLabel3 = m_s.contApuestas;
    m_grabar = true;
}

void EditorPena::marcaAutomatico() {
    for (int i = 0; i < m_porApuesta && i < 49; ++i) {
        const int n = m_s.numerosAuto[static_cast<size_t>(i)];
        if (m_limite == -1 || n < 1 || n > 49)
            break;
        Image1_Click(n - 1);
    }
}

void EditorPena::Command3_Click() {
    if (m_maxApuestas != 0 && m_s.contApuestas >= m_maxApuestas) {
        mensaje(QStringLiteral("Máximo de apuestas sencillas por peña : %1.").arg(m_maxApuestas), false);
        return;
    }
    const int n = qMin(m_porApuesta, 49);
    if (m_s.codMultiple != 0)
        m_aleatorio = false;
    for (int i = 0; i < n; ++i) {
        int v;
        bool repetido;
        do {
            // Rounded half to even, so 1..49.
            v = static_cast<int>(std::nearbyint(m_rnd() * 48.0 + 1.0));
            repetido = std::find(m_s.numerosAuto.begin(), m_s.numerosAuto.begin() + i, v) !=
                       m_s.numerosAuto.begin() + i;
        } while (repetido || v < 1 || v > 49);
        m_s.numerosAuto[static_cast<size_t>(i)] = static_cast<int16_t>(v);
    }
    limpiaRejilla();
    marcaAutomatico();
    cambiado();
}

void EditorPena::Command1_Click() {
    m_aleatorio = false;
    if (m_s.contApuestas == 0)
        m_s.contApuestas = 1;
    const qint64 hoy = static_cast<qint64>(oledate::fromQDate(m_s.clock.today()));
    const RegPena primera = m_s.files.apuestas.get<RegPena>(1);
    if (!m_s.files.apuestas.eof() && oledate::days(primera.fecha) > hoy) {
        mensaje(
            QStringLiteral("¡¡¡No puede crear una peña con fecha anterior a una ya existente!!!. Borre dicha "
                           "peña antes de crear ésta."),
            true);
        cambiado();
        return;
    }
    if (m_s.sigSorteo > 1) {
        const RegSorteo ultimo = m_s.files.numeros.get<RegSorteo>(m_s.sigSorteo - 1);
        if (oledate::days(ultimo.fecha) > hoy) {
            mensaje(QStringLiteral(
                        "Hay sorteos con fecha posterior a la de la peña que intenta crear. Revise la "
                        "fecha de su ordenador. ¡No se puede crear una peña con fecha anterior a la del "
                        "último sorteo!"),
                    true);
            cambiado();
            return;
        }
    }
    if (m_nombre.isEmpty()) {
        m_nombreFalta = 1;
        mensaje(QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!"), true);
        cambiado();
        return;
    }
    grabaPena();
}

void EditorPena::grabaPena() {
    m_penaEdit.dias = textoDias(m_opcionDias);
    m_penaEdit.aciertos.fill(0);
    if (m_s.codMultiple == 7)
        expandeReducida();
    if (m_s.codMultiple == 0)
        m_penaEdit.numApuestas =
            static_cast<int16_t>(qBound(1, m_s.contApuestas, int(RegPena::kMaxApuestas)));
    else if (m_s.codMultiple == 7)
        m_penaEdit.numApuestas = static_cast<int16_t>(m_apuestasTabla);
    else
        m_penaEdit.numApuestas = static_cast<int16_t>(500 + m_s.codMultiple);
    m_penaEdit.fecha2 = 0;
    m_penaEdit.fecha = oledate::fromQDate(m_s.clock.today());
    m_penaEdit.nombre = m_nombre;

    // A new peña always goes right after the last stored one, whatever sigPena says.
    RecordFile& apuestas = m_s.files.apuestas;
    const qint64 registro = apuestas.count() + 1;
    if (!apuestas.put(registro, m_penaEdit) || !apuestas.flush()) {
        errorpermiso(m_s.dialogs);
        cambiado();
        return;
    }
    m_s.sigPena = static_cast<int>(registro) + 1;
    m_s.penasCambiadas = 1;
    if (m_s.delAsistente == 1) {
        cerrar();
        return;
    }
    m_nombre.clear();
    m_requeridos = 0;
    m_s.contApuestas = 0;
    Form_Load();
}

void EditorPena::expandeReducida() {
    const int n = qBound(0, m_tabla.cabecera.n, int(RegPena::kSlots));
    const auto elegidos = m_penaEdit.apuestas[0];
    for (int i = 0; i < n; ++i)
        m_penaEdit.base[static_cast<size_t>(i)] = elegidos[static_cast<size_t>(i)];
    for (int j = 0; j < m_tabla.apuestas.size() && j < RegPena::kMaxApuestas; ++j)
        for (int s = 0; s < 6; ++s) {
            const int x = m_tabla.apuestas.at(j)[static_cast<size_t>(s)]; // checked to lie in 1..N
            m_penaEdit.apuestas[static_cast<size_t>(j)][static_cast<size_t>(s)] =
                elegidos[static_cast<size_t>(qBound(1, x, n) - 1)];
        }
}

void EditorPena::Command2_Click() {
    if (m_s.contApuestas <= 0)
        return;
    --m_s.contApuestas;
    // Below the limit again: automatic marking works anew.
    m_limite = 0;
    if (m_s.contApuestas == 0) {
        m_borrar = false;
        m_aleatorio = true;
    }
    if (!m_lista.isEmpty())
        m_lista.removeLast();
    m_contLabel3 = m_s.contApuestas;
    if (m_s.contApuestas == 0)
        m_grabar = false;
    cambiado();
}

QString EditorPena::Text1_KeyPress(const QString& texto) {
    QString out = texto;
    for (QChar& c : out) {
        const QChar u = c.toUpper();
        if (cp1252::canEncode(QString(u)))
            c = u;
    }
    return out;
}

QString EditorPena::Text1_Change(const QString& texto) {
    QString t = texto;
    if (!cp1252::canEncode(t)) {
        QString limpio;
        for (QChar c : t)
            if (cp1252::canEncode(QString(c)))
                limpio += c;
        t = limpio;
        mensaje(QStringLiteral("¡¡¡El nombre sólo puede tener letras, números y signos del teclado!!!"),
                true);
    }
    if (t.size() > RegPena::kNombre) {
        mensaje(QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"), true);
        t = QStringLiteral("AYYYYYY!!");
    }
    m_nombre = t;
    cambiado();
    return t;
}

void EditorPena::cerrar() {
    m_s.contApuestas = 0;
    if (alCerrar)
        alCerrar();
}
