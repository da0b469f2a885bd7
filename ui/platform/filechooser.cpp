#include "ui/platform/filechooser.h"

#include <QDir>
#include <QFileInfo>

QString RememberedFolders::folderFor(FileKind kind) const
{
    return m_folders.value(kind, QDir::currentPath());
}

void RememberedFolders::remember(FileKind kind, const QString &chosenPath)
{
    m_folders.insert(kind, QFileInfo(chosenPath).absolutePath());
}

QStringList catalogNameFilters()
{
    return {QStringLiteral("Comma-separated files (*.csv)"), QStringLiteral("All files (*)")};
}

QStringList resultsNameFilters()
{
    return {QStringLiteral("Text files (*.txt)"), QStringLiteral("Comma-separated files (*.csv)"),
            QStringLiteral("All files (*)")};
}

QStringList horizonProfileNameFilters()
{
    return {QStringLiteral("Horizon profiles (*.txt *.csv *.hzn *.hrz)"), QStringLiteral("All files (*)")};
}

QStringList observingListNameFilters()
{
    return {QStringLiteral("Observing lists (*.skylist *.sol *.txt *.csv)"), QStringLiteral("All files (*)")};
}
