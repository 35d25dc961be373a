#include "stats/BaseInforme.h"

#include "core/CheckedRead.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sqlite3.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace {

// The database's key is derived from the password and the file's salt (its first 16 bytes)
// by 64,000 rounds of PBKDF2-HMAC-SHA1, which takes tens of milliseconds. Every operation
// opens its own connection, so the key is derived once per process for each salt and
// password and later connections are opened with the raw key.
constexpr int kRondas = 64000;
constexpr int kSal = 16;
constexpr int kLargoClave = 32;

struct ClaveDerivada {
    QByteArray sal;
    QByteArray clave;
    QByteArray cruda; // x'<64 hex digits>'
};

QByteArray claveCruda(const QString& ruta, const QByteArray& clave) {
    static std::vector<ClaveDerivada> derivadas;
    const QByteArray sal = checkedread::head(ruta, kSal);
    if (sal.size() != kSal)
        return {}; // a new, empty file: its salt is chosen when it is first written
    for (const ClaveDerivada& d : derivadas)
        if (d.sal == sal && d.clave == clave)
            return d.cruda;
    unsigned char out[kLargoClave];
    if (PKCS5_PBKDF2_HMAC_SHA1(clave.constData(), int(clave.size()), reinterpret_cast<const unsigned char*>(sal.constData()),
                               kSal, kRondas, kLargoClave, out) != 1)
        return {};
    const QByteArray cruda =
        "x'" + QByteArray(reinterpret_cast<const char*>(out), kLargoClave).toHex().toUpper() + "'";
    if (derivadas.size() >= 4) // another file or password: a handful is plenty
        derivadas.erase(derivadas.begin());
    derivadas.push_back({sal, clave, cruda});
    return cruda;
}

} // namespace

const char* const BaseInforme::kArchivo = "Velmorat.mdb";
const char* const BaseInforme::kClave = "zarbunetolviskamerdo";

BaseInforme::~BaseInforme() {
    cerrar();
}

bool BaseInforme::falla(int codigo) {
    m_error = -codigo;
    // The engine opens a file it may not write read-only and then refuses every write alike;
    // the file system says whether it is read-only as a whole.
    struct statvfs sistema {};
    if ((codigo & 0xff) == SQLITE_READONLY && m_db &&
        ::statvfs(sqlite3_db_filename(m_db, "main"), &sistema) == 0 && (sistema.f_flag & ST_RDONLY))
        m_error = kSistemaSoloLectura;
    m_mensaje = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(codigo));
    return false;
}

bool BaseInforme::abrir(const QString& ruta, const QString& clave, bool crear) {
    cerrar();
    m_error = 0;
    m_mensaje.clear();
    const int flags = SQLITE_OPEN_READWRITE | (crear ? SQLITE_OPEN_CREATE : 0);
    // A pipe or a device in place of the database would hold or flood the program.
    checkedread::Result mira;
    if (const int fd = checkedread::openRegular(ruta, O_RDONLY, mira); fd >= 0)
        ::close(fd);
    if (mira.status == checkedread::Status::NotRegular)
        return falla(SQLITE_CANTOPEN);
    const QByteArray nombre = ruta.toUtf8();
    int rc = sqlite3_open_v2(nombre.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        falla(rc);
        cerrar();
        return false;
    }
    QByteArray k = clave.toUtf8();
    if (const QByteArray cruda = claveCruda(ruta, k); !cruda.isEmpty())
        k = cruda;
    rc = sqlite3_key(m_db, k.constData(), static_cast<int>(k.size()));
    if (rc != SQLITE_OK) {
        falla(rc);
        m_error = kSinCifrado;
        cerrar();
        return false;
    }
    // A wrong password only shows when the first page is read.
    rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        falla(rc);
        cerrar();
        return false;
    }
    return true;
}

void BaseInforme::cerrar() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

sqlite3_stmt* BaseInforme::prepara(const QString& sql, const QVariantList& parametros) {
    if (!m_db) {
        falla(SQLITE_MISUSE);
        return nullptr;
    }
    sqlite3_stmt* st = nullptr;
    const QByteArray texto = sql.toUtf8();
    int rc = sqlite3_prepare_v2(m_db, texto.constData(), static_cast<int>(texto.size()), &st, nullptr);
    if (rc != SQLITE_OK) {
        falla(rc);
        return nullptr;
    }
    for (int i = 0; i < parametros.size(); ++i) {
        const QVariant& v = parametros.at(i);
        const int col = i + 1;
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::LongLong:
        case QMetaType::UInt:
            rc = sqlite3_bind_int64(st, col, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(st, col, v.toDouble());
            break;
        default:
            if (v.isNull()) {
                rc = sqlite3_bind_null(st, col);
            } else {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(st, col, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK) {
            falla(rc);
            sqlite3_finalize(st);
            return nullptr;
        }
    }
    return st;
}

bool BaseInforme::ejecuta(const QString& sql, const QVariantList& parametros) {
    sqlite3_stmt* st = prepara(sql, parametros);
    if (!st)
        return false;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    sqlite3_finalize(st);
    return rc == SQLITE_DONE || falla(rc);
}

bool BaseInforme::actualizaFilaUnica(const QString& sql, const QVariantList& parametros) {
    if (!ejecuta(sql, parametros))
        return false;
    if (sqlite3_changes(m_db) != 1) {
        m_error = kSinFila;
        m_mensaje = QStringLiteral("no current row");
        return false;
    }
    return true;
}

QList<QVariantList> BaseInforme::consulta(const QString& sql, const QVariantList& parametros) {
    QList<QVariantList> filas;
    sqlite3_stmt* st = prepara(sql, parametros);
    if (!st)
        return filas;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        QVariantList fila;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                fila.append(QVariant(static_cast<qlonglong>(sqlite3_column_int64(st, c))));
                break;
            case SQLITE_FLOAT:
                fila.append(QVariant(sqlite3_column_double(st, c)));
                break;
            case SQLITE_NULL:
                fila.append(QVariant());
                break;
            default:
                fila.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                              sqlite3_column_bytes(st, c)));
            }
        }
        filas.append(fila);
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        falla(rc);
    return filas;
}
