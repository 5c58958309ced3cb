#pragma once

#include <QByteArray>
#include <QString>

#include <mutex>
#include <optional>

// The records a parser last read whole from a file's bytes, kept so that a
// file read again with the same bytes (a catalogue every save reads) is
// compared, not parsed again. Only a parse that read every record is kept;
// the bytes are compared whole, so the answer is always the parser's own.
template <typename Records>
class LastParse
{
public:
    // The records of `bytes` as `parse()` reads them; `parse` throws as it
    // does.
    template <typename Parse>
    Records get(const QByteArray &bytes, const QString &fileName, Parse parse)
    {
        if (std::optional<Records> kept = find(bytes, fileName))
            return std::move(*kept);
        Records records = parse();
        keep(bytes, fileName, records);
        return records;
    }
    // The same for a parser that reads what it can and says whether that
    // was every record in `*complete`.
    template <typename Parse>
    Records get(const QByteArray &bytes, const QString &fileName, bool *complete, Parse parse)
    {
        if (std::optional<Records> kept = find(bytes, fileName)) {
            *complete = true;
            return std::move(*kept);
        }
        Records records = parse();
        if (*complete)
            keep(bytes, fileName, records);
        return records;
    }

private:
    std::optional<Records> find(const QByteArray &bytes, const QString &fileName)
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        if (m_bytes && m_fileName == fileName && *m_bytes == bytes)
            return m_records;
        return std::nullopt;
    }
    void keep(const QByteArray &bytes, const QString &fileName, const Records &records)
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_bytes = bytes;
        m_fileName = fileName;
        m_records = records;
    }

    std::mutex m_lock;
    std::optional<QByteArray> m_bytes;
    QString m_fileName;
    Records m_records;
};
