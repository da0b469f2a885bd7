#include "formats/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

namespace {

QString shownPath(const QFileInfo &info)
{
    return QDir::toNativeSeparators(info.absoluteFilePath());
}

QString refusal(const QFileInfo &info)
{
    if (!info.exists())
        return QStringLiteral("There is no file \"%1\" in the folder \"%2\".")
            .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a file that can be read (a folder, a device or a pipe).")
            .arg(shownPath(info));
    if (info.size() > MaxTextFileBytes)
        return QStringLiteral("\"%1\" is too large to be read (over %2 MB).")
            .arg(shownPath(info))
            .arg(MaxTextFileBytes / (1024 * 1024));
    return {};
}

}  // namespace

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

QStringView LineReader::next()
{
    qsizetype end = m_lineStart;
    while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
        ++end;
    const QStringView line = m_text.sliced(m_lineStart, end - m_lineStart);
    if (end + 1 < m_text.size() && m_text[end] == u'\r' && m_text[end + 1] == u'\n')
        ++end;
    m_lineStart = end + 1;
    return line;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    for (LineReader reader(text); !reader.atEnd();)
        lines.append(reader.next().toString());
    return lines;
}

Result<QByteArray> readFileBytes(const QString &path)
{
    const QFileInfo info(path);
    if (const QString refused = refusal(info); !refused.isEmpty())
        return Problem::because(refused);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Problem::because(QStringLiteral("\"%1\" could not be opened: %2.").arg(shownPath(info), file.errorString()));
    // A file that grew past the limit since it was looked at is still cut off there.
    const QByteArray bytes = file.read(MaxTextFileBytes + 1);
    if (bytes.size() > MaxTextFileBytes)
        return Problem::because(refusal(QFileInfo(path)));
    return bytes;
}

Result<QString> readText(const QString &path)
{
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes.ok())
        return bytes.problems();
    return decodeText(bytes.value());
}

Result<QStringList> readTextLines(const QString &path)
{
    const Result<QString> text = readText(path);
    if (!text.ok())
        return text.problems();
    return splitLines(text.value());
}

std::optional<Problem> writeTextFile(const QString &path, const QString &text)
{
    const auto failed = [&path](const QString &reason) { return Problem::inFile(path, reason); };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    const QByteArray bytes = text.toUtf8();
    // A buffered write that fails shows only at the flush, and commit() would still report
    // success and leave a truncated file: everything must be on disk before committing.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        const QString reason = systemError != 0 ? qt_error_string(systemError) : file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return std::nullopt;
}

QString joinLinesCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + LineEnd;
    return text;
}
