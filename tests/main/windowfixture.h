#pragma once

#include "fakeplatform.h"
#include "ui/grid/flexgrid.h"
#include "ui/main/nocturo.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window on fake dialogs, clock and time zone, working in a temporary folder that
// holds a copy of the shipped catalog.
struct WindowFixture {
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    FakePlatform fakes;
    std::unique_ptr<Nocturo> window;

    explicit WindowFixture(bool withCatalog = true)
    {
        if (withCatalog)
            QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + QStringLiteral("/data/Objects.csv"),
                        folder.filePath(QStringLiteral("Objects.csv")));
        QDir::setCurrent(folder.path());
    }

    ~WindowFixture()
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    Nocturo &start()
    {
        window = std::make_unique<Nocturo>(fakes.platform());
        window->Form_Load();
        return *window;
    }

    QLineEdit *field(const char *name) const { return window->findChild<QLineEdit *>(QLatin1String(name)); }
    FlexGrid &grid() const { return *window->resultsGrid(); }

    // Moves the focus away from a field the way the Tab key does.
    void leave(const char *name) const
    {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field(name), &focusOut);
    }

    void type(const char *name, const QString &text) const
    {
        field(name)->setText(text);
        leave(name);
    }

    QPoint headingCentre(int col) const
    {
        QHeaderView *header = grid().horizontalHeader();
        return QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2,
                      header->height() / 2);
    }

    void clickHeading(int col, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(grid().horizontalHeader()->viewport(), button, {}, headingCentre(col));
    }

    // What a real double click delivers: press, release, double click, release.
    static void doubleClick(QWidget *widget, QPoint pos)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    }

    void doubleClickRow(int row) const
    {
        const QModelIndex cell = grid().model()->index(row - 1, 0);
        doubleClick(grid().viewport(), grid().visualRect(cell).center());
    }

    QStringList column(int col) const
    {
        QStringList cells;
        for (int row = 1; row < grid().Rows(); ++row)
            cells << grid().TextMatrix(row, col);
        return cells;
    }
};
