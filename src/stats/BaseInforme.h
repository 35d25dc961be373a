#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3;

// The report database: an encrypted file beside the program that holds copies of what
// the reports print. The program never creates it; each operation opens its own
// connection, does its work and closes it.
class BaseInforme {
  public:
    static const char* const kArchivo; // "Velmorat.mdb"
    static const char* const kClave;   // the database password

    // Error number when an update finds no row to change (a one-row table left empty).
    static constexpr int kSinFila = 3021;
    // Error number when the database library cannot encrypt (a build without the codec).
    static constexpr int kSinCifrado = 430;
    // Error number when a write is refused because the file system holding the database is
    // read-only (no permission would help).
    static constexpr int kSistemaSoloLectura = 3027;

    BaseInforme() = default;
    BaseInforme(const BaseInforme&) = delete;
    BaseInforme& operator=(const BaseInforme&) = delete;
    ~BaseInforme();

    // Opens an existing file with the password and reads from it at once, so that a
    // missing file or a wrong password shows here. `crear` is only for the build tool.
    bool abrir(const QString& ruta, const QString& clave = QString::fromLatin1(kClave), bool crear = false);
    void cerrar();
    bool abierta() const { return m_db != nullptr; }

    // Runs one statement with positional parameters (?); false on failure.
    bool ejecuta(const QString& sql, const QVariantList& parametros = {});
    // As ejecuta, and fails with kSinFila unless the statement changed exactly one row.
    bool actualizaFilaUnica(const QString& sql, const QVariantList& parametros);
    // Rows of a query, each a list of column values; empty on failure (see error()).
    QList<QVariantList> consulta(const QString& sql, const QVariantList& parametros = {});

    bool empieza() { return ejecuta(QStringLiteral("BEGIN")); }
    bool confirma() { return ejecuta(QStringLiteral("COMMIT")); }

    // The last failure: negative for errors of the database engine, kSinFila for a
    // missing row, kSinCifrado without encryption, kSistemaSoloLectura, 0 when none.
    int error() const { return m_error; }
    QString mensajeError() const { return m_mensaje; }

  private:
    bool falla(int codigo);
    struct sqlite3_stmt* prepara(const QString& sql, const QVariantList& parametros);

    sqlite3* m_db = nullptr;
    int m_error = 0;
    QString m_mensaje;
};
