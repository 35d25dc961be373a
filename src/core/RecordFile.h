#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

// A file of fixed-length records numbered from 1, kept open for reading and writing.
// Reading beyond the last whole record gives a record of zero bytes (a trailing partial
// record reads as its bytes padded with zeros) and sets the end-of-file state; writing
// beyond the end extends the file. Opening a missing file creates it empty; anything but a
// regular file (a pipe, a device) is not opened.
class RecordFile {
  public:
    explicit RecordFile(int recordLength) : m_length(recordLength) {}
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_path; }
    int recordLength() const { return m_length; }

    // Reads record n (from 1); eof() tells whether the read came to the end of the file.
    QByteArray read(qint64 n);
    bool eof() const { return m_eof; }

    // Writes record n whole (the bytes are cut or zero-padded to the record length);
    // false when the record could not be written entirely, and a file it was extending is
    // cut back to its old length.
    bool write(qint64 n, const QByteArray& record);

    // Every whole record of the file in one read, for walks over all of them.
    template <typename R> std::vector<R> getAll() {
        std::vector<R> out;
        const QByteArray bytes = readWhole();
        out.reserve(size_t(bytes.size() / m_length));
        for (qsizetype at = 0; at + m_length <= bytes.size(); at += m_length)
            out.push_back(R::decode(bytes.mid(at, m_length)));
        return out;
    }

    // Number of whole records in the file.
    qint64 count() const;
    bool flush();
    // Cuts the file to its first `records` records, keeping the error number of a failed write.
    bool truncate(qint64 records);
    // The error number of the last failed open or write.
    int error() const { return m_error; }

    template <typename R> R get(qint64 n) { return R::decode(read(n)); }
    template <typename R> bool put(qint64 n, const R& r) { return write(n, r.encode()); }

  private:
    QByteArray readWhole();

    int m_length;
    QString m_path;
    QFile m_file;
    bool m_eof = false;
    int m_error = 0;
};
