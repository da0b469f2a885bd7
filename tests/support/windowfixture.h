#pragma once

#include "fakeplatform.h"
#include "testfiles.h"
#include "ui/grid/flexgrid.h"
#include "ui/main/nocturo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The sixteen defaults-file values a first start shows.
inline const QStringList DesignValues{"0", "0", "1", "30", "0", "360", "30", "1", "999",
                                      "1", "1", "1", "1", "1", "Objects.csv", "Inclusive"};

// A main window on fake dialogs, clock and time zone, working in a temporary folder that
// holds a copy of the shipped catalog.
struct WindowFixture {
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    FakePlatform fakes;
    std::unique_ptr<Nocturo> window;

    WindowFixture()
    {
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

    QLineEdit *field(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    FlexGrid &grid() const { return *window->resultsGrid(); }
    QString messages() const { return fakes.messages.log(); }

    // The menu item with this caption, triggered as the observer would.
    void trigger(const QString &caption) const
    {
        for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
            if (action->text() == caption)
                return action->trigger();
        }
        QFAIL(qPrintable(QStringLiteral("no menu item \"%1\"").arg(caption)));
    }

    // The window's values in defaults-file order.
    QStringList shownValues() const
    {
        const SavedDefaults defaults = window->savedDefaults();
        QStringList values;
        for (const DefaultsLine &line : DefaultsLines)
            values << (line.text ? defaults.*line.text : QString::number(defaults.*line.boxState));
        return values.mid(0, RequiredDefaultsLines);
    }

    // Types into a field and moves the focus away; only a move inside the window (Tab, a
    // click) counts as leaving the field, not a switch to another window or a menu.
    void type(const QString &name, const QString &text, Qt::FocusReason reason = Qt::TabFocusReason) const
    {
        field(name)->setText(text);
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(field(name), &focusOut);
    }

    // A click, or what a real double click delivers: press, release, double click, release.
    static void click(QWidget *widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton, bool twice = false)
    {
        QTest::mouseClick(widget, button, {}, pos);
        if (twice) {
            QTest::mouseDClick(widget, button, {}, pos);
            QTest::mouseRelease(widget, button, {}, pos);
        }
    }

    static void clickHeading(const FlexGrid &grid, int col, Qt::MouseButton button = Qt::LeftButton, bool twice = false)
    {
        QHeaderView *header = grid.horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
        click(header->viewport(), centre, button, twice);
    }

    QStringList column(int col) const
    {
        QStringList cells;
        for (int row = 1; row < grid().Rows(); ++row)
            cells << grid().TextMatrix(row, col);
        return cells;
    }
};
