#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test.
class TestFolder {
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString ruta(const QString& name) const { return m_dir.path() + u'/' + name; }
    QString rutaApp() const { return m_dir.path() + u'/'; }

    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // Puts the shipped tables file in the folder, as an installation does.
    void conTablas() const;
    // Puts the report database built for the program folder in the folder.
    void conBase() const;

private:
    QTemporaryDir m_dir;
};
