#include "core/RecordFile.h"

#include "core/CheckedRead.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool RecordFile::open(const QString& path) {
    close();
    m_path = path;
    m_eof = false;
    m_error = 0;
    // Opened without blocking and kept only as a regular file: a pipe or a device in its place
    // would hold or flood every read. Opened here, so that a refusal keeps its own error number.
    checkedread::Result r;
    QIODevice::OpenMode modo = QIODevice::ReadWrite;
    int fd = checkedread::openRegular(path, O_RDWR | O_CREAT, r);
    if (fd < 0 && r.status == checkedread::Status::Failed) {
        m_error = r.error;
        // A folder we may read but not write still lets the program show what it has.
        modo = QIODevice::ReadOnly;
        fd = checkedread::openRegular(path, O_RDONLY, r);
    }
    if (fd < 0) {
        if (m_error == 0)
            m_error = r.error != 0 ? r.error : ENXIO;
        return false;
    }
    // Unbuffered: a write that fails is dropped at once, never completed later behind the
    // caller's back after it was reported as failed.
    if (m_file.open(fd, modo | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
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
    if (!m_file.isOpen() || !m_file.isWritable() || n < 1) {
        // A file open for reading only keeps the reason its opening for writing failed.
        if (m_error == 0 || n < 1)
            m_error = n < 1 ? EINVAL : EBADF;
        return false;
    }
    QByteArray rec = record.left(m_length);
    if (rec.size() < m_length)
        rec.append(QByteArray(m_length - rec.size(), '\0'));
    // Written by the system call itself, so that a failure keeps its own error number.
    const int fd = m_file.handle();
    const qint64 antes = m_file.size();
    const qint64 offset = (n - 1) * m_length;
    for (qint64 hecho = 0; hecho < m_length;) {
        const ssize_t r = ::pwrite(fd, rec.constData() + hecho, size_t(m_length - hecho), offset + hecho);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            m_error = r == 0 ? EIO : errno;
            if (m_file.size() > antes && ::ftruncate(fd, antes) != 0) {
                // The cut failed too; the partial record stays, as any damaged tail would.
            }
            return false;
        }
        hecho += r;
    }
    return true;
}

QByteArray RecordFile::readWhole() {
    if (!m_file.isOpen() || !m_file.seek(0))
        return {};
    const qint64 entero = m_file.size() / m_length * m_length;
    QByteArray bytes = m_file.read(entero);
    bytes.truncate(bytes.size() / m_length * m_length);
    return bytes;
}

qint64 RecordFile::count() const {
    return m_file.isOpen() ? m_file.size() / m_length : 0;
}

bool RecordFile::truncate(qint64 records) {
    return m_file.isOpen() && ::ftruncate(m_file.handle(), records * m_length) == 0;
}

bool RecordFile::flush() {
    return m_file.isOpen() && m_file.flush();
}
