#pragma once

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

// Compares what a window shows, or a printed page, with the picture kept in
// tests/snapshots/<name>.png, pixel for pixel: a caption moved, cut off or missing, a column a
// pixel narrower, a curve not drawn all show. The pictures are made headless with the fonts the project installs;
// NOCTURO_UPDATE_SNAPSHOTS=1 writes them anew after an intended change, for review in the diff.
inline bool matchesSnapshot(const QImage &image, const QString &name)
{
    const QImage shown = image.convertToFormat(QImage::Format_RGB32);
    const QString kept = qEnvironmentVariable("NOCTURO_SOURCE_DIR") + QStringLiteral("/tests/snapshots/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("NOCTURO_UPDATE_SNAPSHOTS"))
        return shown.save(kept);
    const QImage expected = QImage(kept).convertToFormat(QImage::Format_RGB32);
    if (shown == expected)
        return true;
    const QString actual = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                               .filePath(QStringLiteral("%1.actual.png").arg(name));
    shown.save(actual);
    qWarning("%s differs from %s: see %s", qPrintable(name), qPrintable(kept), qPrintable(actual));
    return false;
}

inline bool matchesSnapshot(QWidget &widget, const QString &name)
{
    return matchesSnapshot(widget.grab().toImage(), name);
}
