#include "core/RecordFile.h"

#include "core/CheckedRead.h"

#include <fcntl.h>

bool RecordFile::open(const QString& path) {
    close();
    m_path = path;
    m_file.setFileName(path);
    m_eof = false;
    // Opened without blocking and kept only as a regular file: a pipe or a device in its place
    // would hold or flood every read.
    checkedread::Result r;
    // Unbuffered: a write that fails is dropped at once, never completed later behind the
    // caller's back after it was reported as failed.
    QIODevice::OpenMode modo = QIODevice::ReadWrite | QIODevice::Unbuffered;
    int fd = checkedread::openRegular(path, O_RDWR | O_CREAT, r);
    // A folder we may read but not write still lets the program show what it has.
    if (fd < 0 && r.status == checkedread::Status::Failed) {
        modo = QIODevice::ReadOnly;
        fd = checkedread::openRegular(path, O_RDONLY, r);
    }
    return fd >= 0 && m_file.open(fd, modo, QFileDevice::AutoCloseHandle);
}

void RecordFile::close() {
    if (m_file.isOpen())
        m_file.close();
    m_eof = false;
}

QByteArray RecordFile::read(qint64 n) {
    QByteArray rec(m_length, '\0');
    if (!m_file.isOpen() || n < 1) {
        m_eof = true;
        return rec;
    }
    const qint64 offset = (n - 1) * m_length;
    const qint64 size = m_file.size();
    m_eof = offset + m_length > size;
    if (offset >= size || !m_file.seek(offset))
        return rec;
    const QByteArray got = m_file.read(m_length);
    for (int i = 0; i < got.size(); ++i)
        rec[i] = got[i];
    return rec;
}

bool RecordFile::write(qint64 n, const QByteArray& record) {
    if (!m_file.isOpen() || !m_file.isWritable() || n < 1)
        return false;
    QByteArray rec = record.left(m_length);
    if (rec.size() < m_length)
        rec.append(QByteArray(m_length - rec.size(), '\0'));
    const qint64 offset = (n - 1) * m_length;
    if (offset > m_file.size() && !m_file.resize(offset))
        return false;
    if (!m_file.seek(offset))
        return false;
    return m_file.write(rec) == m_length && m_file.flush();
}

QByteArray RecordFile::readWhole() {
    if (!m_file.isOpen() || !m_file.seek(0))
        return {};
    const qint64 entero = m_file.size() / m_length * m_length;
    QByteArray bytes = m_file.read(entero);
    bytes.truncate(bytes.size() / m_length * m_length);
    return bytes;
}

qint64 RecordFile::count() const { return m_file.isOpen() ? m_file.size() / m_length : 0; }

bool RecordFile::flush() { return m_file.isOpen() && m_file.flush(); }
