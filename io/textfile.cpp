#include "io/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(lineStart, i - lineStart));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size())
        lines.append(text.mid(lineStart));
    return lines;
}

TextFileLines readTextLines(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        const QFileInfo info(path);
        return {{}, QStringLiteral("There is no file \"%1\" in the folder \"%2\".")
                        .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()))};
    }
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("\"%1\" could not be opened: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString())};
    return {splitLines(decodeText(file.readAll())), {}};
}

QString writeTextFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString joinLinesCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
