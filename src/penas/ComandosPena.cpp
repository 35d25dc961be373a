#include "penas/ComandosPena.h"

#include "core/CheckedRead.h"
#include "core/FileReplace.h"
#include "core/Permiso.h"
#include "core/Session.h"
#include "penas/EditorPena.h"
#include "platform/Dialogs.h"

namespace comandospena {

bool seleccionada(Session& s) {
    if (s.penaSel == 0) {
        s.dialogs.message(QStringLiteral("Seleccione una peña primero..."), QStringLiteral("¡Nooooo!"),
                          Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return false;
    }
    s.penaActual = s.files.apuestas.get<RegPena>(s.penaSel);
    return true;
}

bool eliminaPena(Session& s) {
    // An open editor writes by record number, and a deletion renumbers the peñas after the
    // one deleted: an editor that can close is closed, one that cannot stops the deletion.
    const QList<EditorPena*> editores = EditorPena::enEdicion(s);
    for (const EditorPena* e : editores)
        if (!e->puedeCerrarse(true)) {
            s.dialogs.message(
                QStringLiteral("No se puede eliminar una peña mientras el editor de peñas tiene "
                               "una apuesta sin completar. Complete o corrija esa apuesta, "
                               "cierre el editor y vuelva a eliminar la peña."),
                QStringLiteral("Borrar..."), Dialogs::Icon::Exclamation);
            return false;
        }
    const Dialogs::Answer r = s.dialogs.message(
        QStringLiteral("¿Seguro que quieres eliminar la Peña %1?").arg(s.penaActual.nombre.trimmed()),
        QStringLiteral("Borrar..."), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (r != Dialogs::Answer::Yes)
        return false;
    const QString dat = s.ruta(QStringLiteral("apuestas.dat"));
    // A write-protected file is refused, before any editor closes, as a write into it is.
    if (const int error = filereplace::errorReemplazo(dat)) {
        errorEscritura(s.dialogs, {dat, error});
        return false;
    }
    for (EditorPena* e : editores)
        e->cerrar();

    // The new file is built from the old one read whole: a read that fails partway would
    // otherwise lose or blank the peñas it did not reach.
    const checkedread::Result leido = checkedread::read(dat, RegPena::kTamanoMaximoArchivo);
    if (!leido.ok()) {
        checkedread::errorLectura(s.dialogs, dat, leido.reason());
        return false;
    }
    QByteArray resto;
    for (qint64 i = 1; i * RegPena::kSize <= leido.data.size(); ++i)
        if (i != s.penaSel)
            resto += leido.data.mid((i - 1) * RegPena::kSize, RegPena::kSize);
    FalloEscritura fallo;
    if (!filereplace::reemplaza(dat, resto, fallo, s.ruta(QStringLiteral("apuestas.tmp")))) {
        // The peñas file stays as it was and open.
        errorEscritura(s.dialogs, fallo);
        return false;
    }
    s.files.apuestas.open(dat);
    s.penaSel = 0;
    return true;
}

void preparaEdicion(Session& s) {
    s.modoEdicion = 1;
    s.contApuestas = 0;
    s.delAsistente = 1;
    s.sigPena = s.penaSel;
    if (s.penaActual.reducida[0] != 0)
        s.dialogs.message(
            QStringLiteral("Si modifica algún número de esta peña, dejará de ser Reducida y pasará a ser "
                           "de apuestas sencillas."),
            QStringLiteral("Atención!"), Dialogs::Icon::Information);
    // Only the six multiple codes are multiple bets; anything else is edited as simple bets.
    const int n = s.penaActual.numApuestas;
    s.codMultiple = n >= 501 && n <= 506 ? n - 500 : 0;
}

} // namespace comandospena
