#include "penas/EditorPena.h"

#include "core/Cp1252.h"
#include "core/OleDate.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "core/SharedRoutines.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {
const QString kTitulo = QStringLiteral("Error");

QList<EditorPena*>& vivos() {
    static QList<EditorPena*> l;
    return l;
}
} // namespace

EditorPena::EditorPena(Session& s, std::function<double()> aleatorio)
    : m_s(s), m_rnd(std::move(aleatorio)), m_cod(s.codMultiple), m_tablaElegida(s.tablaElegida),
      m_delAsistente(s.delAsistente), m_edicion(s.modoEdicion == 1), m_penaSel(s.penaSel),
      m_cont(s.contApuestas) {
    // A stored peña is edited as simple bets or as its one multiple bet.
    if (m_edicion && (m_cod < 0 || m_cod > 6))
        m_cod = 0;
    if (!m_rnd) {
        auto gen =
            std::make_shared<QRandomGenerator>(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
        m_rnd = [gen] { return gen->generateDouble(); };
    }
    vivos().append(this);
}

EditorPena::~EditorPena() {
    vivos().removeAll(this);
}

QList<EditorPena*> EditorPena::enEdicion(const Session& s) {
    QList<EditorPena*> l;
    for (EditorPena* e : vivos())
        if (&e->m_s == &s && e->m_edicion && !e->m_cerrado)
            l.append(e);
    return l;
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

void EditorPena::mensaje(const QString& texto, bool exclamacion) {
    m_s.dialogs.message(texto, kTitulo,
                        exclamacion ? Dialogs::Icon::Exclamation : Dialogs::Icon::Information);
}

void EditorPena::cambiado() {
    if (alCambiar)
        alCambiar();
}

void EditorPena::setCont(int n) {
    m_cont = n;
    m_s.contApuestas = n;
}

void EditorPena::limpiaRejilla() {
    m_marcas.fill(false);
    m_marcados = 0;
}

void EditorPena::numerosPorApuesta() {
    if (m_cod >= 0 && m_cod <= 6) {
        m_porApuesta = m_cod == 0 ? 6 : cuantos(static_cast<int16_t>(500 + m_cod));
        if (!m_edicion)
            m_requeridos = m_porApuesta;
    }
}

bool EditorPena::Form_Load() {
    // A mark left from a bet not completed before the last save would unbalance the count.
    limpiaRejilla();
    m_apuestaNueva = 0;
    // A click refused at the bet limit belongs to the peña just saved, not to the next one.
    m_limite = 0;
    if (m_cod == 7) {
        setCont(0);
        m_requeridos = 0;
    }
    if (m_edicion)
        cargaEdicion();
    m_aleatorio = !(m_cod != 0 && m_delAsistente == 1);
    m_nombreFalta = 0;
    numerosPorApuesta();
    if (m_edicion)
        m_requeridos = m_porApuesta;
    if (m_cod == 7) {
        const tablas::Lectura l = tablas::lee(m_s.ruta(QStringLiteral("tablas.bin")), m_tablaElegida);
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
    m_label4 = QStringLiteral("INTRODUZCA EL NOMBRE Y %1 NÚMEROS:").arg(m_porApuesta);
    cambiado();
    if (m_delAsistente == 1)
        marcaAutomatico();
    m_anadir = m_scrollValor == m_scrollMax;
    cambiado();
    return true;
}

void EditorPena::Image1_Click(int indice) {
    if (indice < 0 || indice >= 49)
        return;
    m_apuestaTocada = 0;
    const int c = m_porApuesta;
    if (m_nombreFalta != 0) {
        mensaje(QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números."), false);
        return;
    }
    m_grabar = false;
    // The first click in edit mode fixes the count the bet must have; from then on cells
    // toggle without a cap.
    if (m_edicion && m_porApuesta != 50) {
        if (m_marcados == 0)
            m_requeridos = m_porApuesta;
        m_porApuesta = 50;
    }
    m_maxApuestas = m_cod != 0 ? 1 : RegPena::kMaxApuestas;
    if (m_cont >= m_maxApuestas) {
        if (m_cod == 7) {
            mensaje(QStringLiteral("¡¡ Sólo puedes poner %1 números en este tipo de reducida !! ")
                        .arg(m_porApuesta),
                    false);
        } else if (m_cod != 0) {
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
        if (m_edicion)
            m_apuestaTocada = 1;
    } else if (celda) {
        celda = false;
        --m_marcados;
    }
    if (m_marcados == c || (m_edicion && m_marcados == m_requeridos)) {
        if (m_edicion) {
            if (m_entradasScroll == 1) {
                m_apuestaTocada = 1;
                m_editable = 1;
            }
            muestraApuesta(1);
        } else {
            muestraApuesta(0);
        }
    }
    cambiado();
}

void EditorPena::muestraApuesta(int modo) {
    int b;
    if (m_edicion) {
        m_apuestaVista = m_text2;
        b = m_apuestaVista - 1;
    } else {
        setCont(m_cont + 1);
        b = m_cont - 1; // bounded by maxApuestas in Image1_Click
    }
    m_borrar = true;
    QStringList numeros;
    int k = 0;
    for (int i = 0; i < 49; ++i) {
        if (!m_marcas[static_cast<size_t>(i)])
            continue;
        ++k;
        if (modo == 0)
            m_marcas[static_cast<size_t>(i)] = false;
        const int numero = i + 1;
        bool guarda = true;
        if (m_edicion) {
            m_apuestaTocada *= m_editable;
            guarda = m_apuestaTocada == 1 || m_apuestaNueva == 1;
        }
        if (guarda && k <= RegPena::kSlots && b >= 0 && b < RegPena::kMaxApuestas)
            m_penaEdit.apuestas[static_cast<size_t>(b)][static_cast<size_t>(k - 1)] =
                static_cast<int16_t>(numero);
        numeros.append(QStringLiteral("%1").arg(numero, 2));
    }
    // In edit mode a complete bet that the user changed is written at once.
    if (m_edicion && m_requeridos == m_marcados && (m_apuestaNueva == 1 || m_apuestaTocada == 1)) {
        int16_t n = m_penaEdit.numApuestas;
        if (n < 500)
            n = static_cast<int16_t>(qBound(1, qMax(int(n), m_apuestaVista), int(RegPena::kMaxApuestas)));
        const auto& apuestas = m_penaEdit.apuestas;
        if (grabaRegistro([&](RegPena& r) {
                r.apuestas = apuestas;
                r.numApuestas = n;
                r.reducida[0] = 0; // a changed bet ends a reduced system
            })) {
            m_penaEdit = m_actual;
            m_apuestaNueva = 0;
            m_entradasScroll = 0;
            m_apuestaDanada = false;
            m_nota.clear();
        }
    }
    if (modo == 0)
        m_marcados = 0;
    if (m_edicion)
        m_lista.clear();
    if (!m_edicion || !numeros.isEmpty())
        m_lista.append(numeros.join(u'-'));
    m_contLabel3 = m_cont;
    m_grabar = true;
}

void EditorPena::marcaAutomatico() {
    m_editable = m_aleatorioPendiente == 1 ? 1 : 0;
    const int n = qMin(m_porApuesta == 50 && m_edicion ? m_requeridos : m_porApuesta, 49);
    const bool propios = m_aleatorioPendiente == 1 || !m_edicion;
    std::array<int, 49> numeros{};
    for (int i = 0; i < n; ++i)
        numeros[static_cast<size_t>(i)] =
            propios ? m_s.numerosAuto[static_cast<size_t>(i)]
                    : m_actual.apuestas[static_cast<size_t>(qBound(0, m_cont, RegPena::kMaxApuestas - 1))]
                                       [static_cast<size_t>(qMin(i, RegPena::kSlots - 1))];
    if (!propios) {
        // The stored bet shown: drawn only when it is one of the peña's bets and every
        // number of it can be drawn; a bet just added is empty.
        const int guardadas = m_actual.numApuestas > 500 ? 1 : m_actual.numApuestas;
        std::array<bool, 49> visto{};
        bool valida = m_cont < guardadas && n <= RegPena::kSlots;
        const bool existe = valida;
        for (int i = 0; valida && i < n; ++i) {
            const int v = numeros[static_cast<size_t>(i)];
            valida = v >= 1 && v <= 49 && !visto[static_cast<size_t>(v - 1)];
            if (valida)
                visto[static_cast<size_t>(v - 1)] = true;
        }
        m_apuestaDanada = existe && !valida;
        m_nota = m_apuestaDanada ? QStringLiteral("Esta apuesta guardada no es válida: marque sus números.")
                                 : QString();
        if (!valida) {
            m_editable = 1;
            return;
        }
    }
    for (int i = 0; i < n; ++i) {
        const int v = numeros[static_cast<size_t>(i)];
        if (m_limite == -1 || v < 1 || v > 49)
            break;
        Image1_Click(v - 1);
    }
    m_editable = 1;
    m_aleatorioPendiente = 0;
}

void EditorPena::Command3_Click() {
    if (m_maxApuestas != 0 && m_cont >= m_maxApuestas) {
        mensaje(QStringLiteral("Máximo de apuestas sencillas por peña : %1.").arg(m_maxApuestas), false);
        return;
    }
    int n = qMin(m_porApuesta, 49);
    if (m_edicion) {
        m_aleatorioPendiente = 1;
        n = qMin(m_requeridos, 49);
    }
    if (m_cod != 0)
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
    if (m_edicion)
        return;
    m_aleatorio = false;
    if (m_cont == 0)
        setCont(1);
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
    if (m_cod == 7)
        expandeReducida();
    if (m_cod == 0)
        m_penaEdit.numApuestas = static_cast<int16_t>(qBound(1, m_cont, int(RegPena::kMaxApuestas)));
    else if (m_cod == 7)
        m_penaEdit.numApuestas = static_cast<int16_t>(m_apuestasTabla);
    else
        m_penaEdit.numApuestas = static_cast<int16_t>(500 + m_cod);
    m_penaEdit.fecha2 = 0;
    m_penaEdit.fecha = oledate::fromQDate(m_s.clock.today());
    m_penaEdit.nombre = m_nombre;

    // A new peña always goes right after the last stored one, whatever sigPena says.
    // Stray bytes after the last whole record are no peña: the new one takes their place.
    RecordFile& apuestas = m_s.files.apuestas;
    const QString ruta = apuestas.path();
    const qint64 largo = QFileInfo(ruta).size();
    const qint64 registro = apuestas.count() + 1;
    if (!apuestas.put(registro, m_penaEdit) || !apuestas.flush()) {
        // All or nothing: no part of the new peña stays at the end of the file.
        const int motivo = apuestas.error();
        apuestas.close();
        QFile::resize(ruta, largo);
        apuestas.open(ruta);
        errorEscritura(m_s.dialogs, {ruta, motivo});
        cambiado();
        return;
    }
    m_s.sigPena = static_cast<int>(registro) + 1;
    m_s.penasCambiadas = 1;
    if (m_delAsistente == 1) {
        cerrar();
        return;
    }
    m_nombre.clear();
    m_requeridos = 0;
    setCont(0);
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
    if (m_edicion) {
        eliminaApuesta();
        return;
    }
    if (m_cont <= 0)
        return;
    setCont(m_cont - 1);
    // Below the limit again: automatic marking works anew.
    m_limite = 0;
    if (m_cont == 0) {
        m_borrar = false;
        m_aleatorio = true;
    }
    if (!m_lista.isEmpty())
        m_lista.removeLast();
    m_contLabel3 = m_cont;
    if (m_cont == 0)
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
        // The box goes back to the name it held, before the message: nothing is stored.
        cambiado();
        mensaje(QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"), true);
        return m_nombre;
    }
    if (m_edicion && m_leido) {
        const QString nombre = t.left(RegPena::kNombre);
        if (grabaRegistro([&](RegPena& r) { r.nombre = nombre; })) {
            m_penaEdit.nombre = nombre;
        } else {
            t = m_actual.nombre;
            while (t.endsWith(u' '))
                t.chop(1);
        }
    }
    m_nombre = t;
    cambiado();
    return t;
}

void EditorPena::setOpcionDias(int opcion) {
    m_opcionDias = qBound(1, opcion, 5);
    // Nothing is written before the stored record was read.
    if (m_edicion && m_leido) {
        const QString dias = textoDias(m_opcionDias);
        if (grabaRegistro([&](RegPena& r) { r.dias = dias; })) {
            m_penaEdit.dias = dias;
        } else {
            m_opcionDias = opcionDe(m_actual.dias);
        }
        cambiado();
    }
}

void EditorPena::cerrar() {
    setCont(0);
    m_cerrado = true;
    if (alCerrar)
        alCerrar();
}

bool EditorPena::puedeCerrarse(bool porUsuario) const {
    if (m_cerrado)
        return true;
    if (m_edicion)
        return m_perdida || m_limite != 0 || apuestaCompleta();
    // Bets entered and not saved: only the user may throw them away.
    return porUsuario || (m_cont == 0 && m_marcados == 0);
}

bool EditorPena::Form_QueryUnload(bool porUsuario) {
    if (!puedeCerrarse(porUsuario)) {
        if (m_edicion)
            mensaje(
                QStringLiteral("¡¡ %1 números !!. Por favor, rectifica la apuesta. Ha de ser de %2 números")
                    .arg(m_marcados)
                    .arg(m_requeridos),
                false);
        return false;
    }
    setCont(0);
    if (m_edicion)
        m_entradasScroll = 0;
    return true;
}

// ---- Edit mode -------------------------------------------------------------------------

int EditorPena::opcionDe(const QString& dias) {
    const QString d = dias.trimmed();
    for (int o = 1; o <= 4; ++o)
        if (d == textoDias(o))
            return o;
    return 5;
}

// The peña is known by its name and creation date: what a deletion or another program
// would change under the editor's record number.
bool EditorPena::esLaPenaEditada(const RegPena& r) const {
    return r.fecha == m_actual.fecha && r.nombre.trimmed() == m_actual.nombre.trimmed();
}

void EditorPena::pierdePena() {
    if (m_perdida)
        return;
    m_perdida = true;
    mensaje(QStringLiteral("La peña que está editando ya no está en su sitio del fichero de peñas (se ha "
                           "borrado o ha cambiado). Sus cambios ya no se graban: cierre el editor."),
            true);
}

// Record penaSel as it is on disk; the editor's own copy once the record holds another peña.
RegPena EditorPena::leeRegistro() {
    RecordFile& f = m_s.files.apuestas;
    if (m_perdida || !f.isOpen())
        return m_actual;
    if (m_penaSel < 1 || m_penaSel > f.count()) {
        if (m_leido)
            pierdePena();
        return m_actual;
    }
    const RegPena r = f.get<RegPena>(m_penaSel);
    if (m_leido && !esLaPenaEditada(r)) {
        pierdePena();
        return m_actual;
    }
    return r;
}

// Applies `cambio` to record penaSel as it is on disk, so the counters and the last
// checked draw stored meanwhile by a check or a download stay; only what the editor owns
// changes. Refused when the record no longer holds the peña this editor read. A record
// that would not change is not written again.
bool EditorPena::grabaRegistro(const std::function<void(RegPena&)>& cambio) {
    RecordFile& f = m_s.files.apuestas;
    RegPena p = leeRegistro();
    if (m_perdida)
        return false;
    cambio(p);
    const QByteArray bytes = p.encode();
    if (f.read(m_penaSel) != bytes) {
        if (!f.write(m_penaSel, bytes) || !f.flush()) {
            errorEscritura(m_s.dialogs, {f.path(), f.error()});
            return false;
        }
        m_s.penasCambiadas = 1;
    }
    m_actual = p;
    return true;
}

void EditorPena::cargaEdicion() {
    if (!m_leido) {
        m_actual = leeRegistro();
        m_leido = true;
        m_penaEdit = m_actual;
        m_opcionDias = opcionDe(m_actual.dias);
    }
    m_ultimoScroll = m_scrollValor;
    if (m_actual.numApuestas < 501) {
        if (m_entradasScroll == 0)
            m_scrollMax = qBound(1, int(m_actual.numApuestas), int(RegPena::kMaxApuestas));
    } else {
        m_scrollMax = 1;
    }
    m_scrollValor = qBound(1, m_scrollValor, m_scrollMax);
    m_text2 = m_scrollValor;
    setCont(m_scrollValor - 1);
    QString nombre = m_actual.nombre;
    while (nombre.endsWith(u' '))
        nombre.chop(1);
    m_nombre = nombre;
}

bool EditorPena::apuestaCompleta() const {
    return m_marcados == m_requeridos || (m_apuestaDanada && m_marcados == 0);
}

void EditorPena::Form_Activate() {
    if (!m_edicion)
        return;
    m_editable = 1;
    m_penaEdit = leeRegistro();
    // Only redraws the bet shown: a write refused here would come back at every activation.
    const int tocada = m_apuestaTocada;
    m_apuestaTocada = 0;
    muestraApuesta(1);
    m_apuestaTocada = tocada;
    m_anadir = m_scrollValor == m_scrollMax;
    m_opcionDias = opcionDe(m_penaEdit.dias);
    cambiado();
}

// Shows bet `valor`: the record is read again and the grid drawn from it.
void EditorPena::muestraApuestaElegida(int valor) {
    m_apuestaTocada = 0;
    m_penaEdit = leeRegistro();
    m_text2 = valor;
    m_scrollValor = valor;
    setCont(valor - 1);
    m_penaEdit.dias = textoDias(m_opcionDias);
    limpiaRejilla();
    m_actual = leeRegistro();
    m_s.penasCambiadas = 1;
    Form_Load();
}

// The bet added with "Añadir apuesta" and never completed goes; the previous one is shown.
void EditorPena::descartaApuestaNueva() {
    m_entradasScroll = 0;
    m_marcados = m_requeridos;
    muestraApuestaElegida(qBound(1, m_scrollValor - 1, m_scrollMax));
}

bool EditorPena::rechazaMovimiento(int valor) const {
    return m_edicion && !apuestaCompleta() && qBound(1, valor, m_scrollMax) != m_ultimoScroll &&
           m_entradasScroll == 0;
}

void EditorPena::HScroll1_Change(int valor) {
    if (!m_edicion)
        return;
    valor = qBound(1, valor, m_scrollMax);
    if (apuestaCompleta()) {
        muestraApuestaElegida(valor);
    } else if (valor != m_ultimoScroll) {
        if (m_entradasScroll != 0) {
            m_entradasScroll = 0;
            m_marcados = m_requeridos;
            muestraApuestaElegida(valor);
        } else {
            // The scroll bar stays on the bet the grid shows.
            m_scrollValor = m_ultimoScroll;
            const QString palabra =
                m_marcados < m_requeridos ? QStringLiteral("Faltan ") : QStringLiteral("Sobran ");
            cambiado();
            mensaje(QStringLiteral("¡¡ %1números !!. Por favor, completa la apuesta.").arg(palabra), false);
        }
    }
    m_anadir = m_scrollValor == m_scrollMax;
    cambiado();
}

void EditorPena::Command4_Click() {
    if (!m_edicion || m_scrollValor != m_scrollMax)
        return;
    const int maximo = m_cod != 0 ? 1 : RegPena::kMaxApuestas;
    if (m_cont >= maximo - 1) {
        if (m_cod != 0)
            mensaje(QStringLiteral("No puedes añadir más apuestas. ¡¡ Oficialmente sólo se admite una "
                                   "combinación por boleto cuando juegas a múltiples !! "),
                    false);
        else
            mensaje(QStringLiteral("Máximo de apuestas sencillas por peña : %1.").arg(maximo), false);
        return;
    }
    if (m_requeridos != m_marcados) {
        mensaje(QStringLiteral("¡¡ %1 números !!. Por favor, completa la apuesta.").arg(m_marcados), false);
        return;
    }
    ++m_scrollMax;
    m_apuestaNueva = 1;
    m_entradasScroll = 1;
    HScroll1_Change(m_scrollValor + 1);
}

// "Eliminar apuesta": the bets after the one shown move up one place.
void EditorPena::eliminaApuesta() {
    const int guardadas = m_actual.numApuestas;
    if (m_entradasScroll != 0 && m_scrollValor > guardadas) {
        // The bet shown was added and never written: nothing stored to delete.
        descartaApuestaNueva();
        m_anadir = m_scrollValor == m_scrollMax;
        cambiado();
        return;
    }
    if (guardadas <= 1 || guardadas > 500) {
        mensaje(QStringLiteral("¡¡ No puedes borrar todas las apuestas !!. Si quieres borrar la Peña, hazlo "
                               "desde la pestaña GESTOR DE PEÑAS."),
                false);
        return;
    }
    const int total = qMin(guardadas, int(RegPena::kMaxApuestas));
    const int v = qBound(1, m_scrollValor, total);
    auto apuestas = m_actual.apuestas;
    for (int b = v; b < total; ++b)
        apuestas[static_cast<size_t>(b - 1)] = apuestas[static_cast<size_t>(b)];
    apuestas[static_cast<size_t>(total - 1)][0] = 0;
    if (!grabaRegistro([&](RegPena& r) {
            r.apuestas = apuestas;
            r.numApuestas = static_cast<int16_t>(total - 1);
            r.reducida[0] = 0;
        }))
        return;
    m_penaEdit = m_actual;
    m_marcados = m_requeridos;
    m_apuestaDanada = false;
    HScroll1_Change(v != 1 ? v - 1 : 1);
}
