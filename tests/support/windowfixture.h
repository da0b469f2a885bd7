#pragma once

#include "fakeplatform.h"
#include "testfiles.h"
#include "formats/defaultsfile.h"
#include "ui/main/mainwindow.h"
#include "ui/results/resultsview.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <span>

// The sixteen defaults-file values a first start shows.
inline const QStringList FirstValues{"0", "0", "1", "30", "0", "360", "30", "1", "999",
                                     "1", "1", "1", "1", "1", "Objects.csv", "Inclusive"};

// A main window on fake dialogs and clock, working in a temporary folder that holds a copy of the
// shipped catalog.
struct WindowFixture {
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    FakePlatform fakes;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QSignalSpy> lists;  // one entry a new list

    WindowFixture()
    {
        QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv", folder.filePath("Objects.csv"));
        QDir::setCurrent(folder.path());
    }

    ~WindowFixture()
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    MainWindow &start()
    {
        window = std::make_unique<MainWindow>(fakes.platform());
        lists = std::make_unique<QSignalSpy>(&window->planner(), &Planner::listChanged);
        window->start();
        return *window;
    }

    int listed() const { return window->planner().list().size(); }
    ResultsView &view() const { return *window->findChild<ResultsView *>(); }
    QString messages() const { return fakes.messages.log(); }
    QString status() const { return window->statusBar()->findChild<QLabel *>()->text(); }

    // A control by its accessible name: a session field by its caption, or "Azimuth mode".
    template <class Control = QLineEdit>
    Control *named(const QString &name) const
    {
        const QList<Control *> controls = window->findChildren<Control *>();
        return controls.value(std::ranges::find(controls, name, &QWidget::accessibleName) - controls.begin());
    }

    template <class Button = QPushButton>
    Button *button(const QString &caption) const
    {
        const QList<Button *> buttons = window->findChildren<Button *>();
        return buttons.value(std::ranges::find(buttons, caption, &QAbstractButton::text) - buttons.begin());
    }

    // The menu item with this caption, triggered as the observer would.
    void trigger(const QString &caption) const
    {
        const QList<QAction *> actions = window->menuBar()->findChildren<QAction *>();
        const auto found = std::ranges::find(actions, caption, &QAction::text);
        QVERIFY2(found != actions.end(), qPrintable(caption));
        (*found)->trigger();
    }

    // The values the window shows for the required lines, in defaults-file order; a type box as
    // the file writes it.
    QStringList shownValues() const
    {
        QStringList values;
        for (const DefaultsLine &line : std::span(DefaultsLines).first(RequiredDefaultsLines)) {
            if (line.holds == DefaultsLine::Holds::Field)  // a text field or a location caption
                values << named<QWidget>(sessionFieldCaption(line.field))->property("text").toString();
            else if (line.holds == DefaultsLine::Holds::TypeBox)
                values << QString::number(std::array{0, 2, 1}[button<QCheckBox>(objectTypeCaption(line.type))->checkState()]);
            else if (line.holds == DefaultsLine::Holds::CatalogFile)
                values << window->planner().catalogFile();
            else if (line.holds == DefaultsLine::Holds::AzimuthMode)
                values << named<QPushButton>(QStringLiteral("Azimuth mode"))->text();
        }
        return values;
    }

    // Types into a field and moves the focus away; only a move inside the window (Tab, a
    // click) counts as leaving the field, not a switch to another window or a menu.
    void type(const QString &caption, const QString &text, Qt::FocusReason reason = Qt::TabFocusReason) const
    {
        named(caption)->setText(text);
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(named(caption), &focusOut);
    }

    void clickHeading(int col, Qt::MouseButton button = Qt::LeftButton) const
    {
        QHeaderView *header = view().horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), button, {}, centre);
    }

    QStringList column(int col) const
    {
        QStringList cells;
        for (int row = 0; row < view().model()->rowCount(); ++row)
            cells << view().model()->index(row, col).data().toString();
        return cells;
    }
};
