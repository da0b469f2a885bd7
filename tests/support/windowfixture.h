#pragma once

#include "fakeplatform.h"
#include "testfiles.h"
#include "formats/defaultsfile.h"
#include "ui/main/mainwindow.h"
#include "ui/results/resultsview.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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
        QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + QStringLiteral("/data/Objects.csv"),
                    folder.filePath(QStringLiteral("Objects.csv")));
        QDir::setCurrent(folder.path());
    }

    ~WindowFixture()
    {
        lists.reset();
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

    const ObservingList &list() const { return window->planner().list(); }
    int listed() const { return list().size(); }

    // A session field by the caption the window gives it.
    QLineEdit *field(const QString &caption) const
    {
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            if (edit->accessibleName() == caption)
                return edit;
        }
        return nullptr;
    }

    QPushButton *button(const QString &caption) const
    {
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }

    ResultsView &view() const { return *window->findChild<ResultsView *>(); }
    QString messages() const { return fakes.messages.log(); }
    QString status() const { return window->statusBar()->findChild<QLabel *>()->text(); }

    // The menu item with this caption, triggered as the observer would.
    void trigger(const QString &caption) const
    {
        for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
            if (action->text() == caption)
                return action->trigger();
        }
        QFAIL(qPrintable(QStringLiteral("no menu item \"%1\"").arg(caption)));
    }

    // What Copy Results puts on the clipboard.
    QString copied() const
    {
        trigger(QStringLiteral("Copy Results to Clipboard"));
        return QGuiApplication::clipboard()->text();
    }

    // The values the window shows, in defaults-file order.
    QStringList shownValues() const
    {
        QStringList values;
        for (const DefaultsLine &line : DefaultsLines) {
            switch (line.holds) {
            case DefaultsLine::Holds::Field:
                values << (field(sessionFieldCaption(line.field)) ? field(sessionFieldCaption(line.field))->text()
                           : line.field == SessionField::Latitude ? window->latitudeCaption()
                                                                   : window->longitudeCaption());
                break;
            case DefaultsLine::Holds::TypeBox:
                for (const QCheckBox *box : window->findChildren<QCheckBox *>()) {
                    if (box->text() == objectTypeCaption(line.type))
                        values << QString::number(box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::Unchecked ? 0 : 2);
                }
                break;
            case DefaultsLine::Holds::CatalogFile: values << window->planner().catalogFile(); break;
            case DefaultsLine::Holds::AzimuthMode: values << azimuthMode()->text(); break;
            case DefaultsLine::Holds::HorizonFile: break;
            }
        }
        return values;
    }

    QPushButton *azimuthMode() const
    {
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->accessibleName() == u"Azimuth mode")
                return button;
        }
        return nullptr;
    }

    // The defaults file's lines that Save Defaults writes now.
    QStringList savedLines() const
    {
        trigger(QStringLiteral("Save Defaults"));
        return QString::fromUtf8(fileBytes(DefaultsFileName)).split(QStringLiteral("\r\n")).mid(0, RequiredDefaultsLines);
    }

    // Types into a field and moves the focus away; only a move inside the window (Tab, a
    // click) counts as leaving the field, not a switch to another window or a menu.
    void type(const QString &caption, const QString &text, Qt::FocusReason reason = Qt::TabFocusReason) const
    {
        field(caption)->setText(text);
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(field(caption), &focusOut);
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

    void clickHeading(int col, Qt::MouseButton button = Qt::LeftButton, bool twice = false) const
    {
        QHeaderView *header = view().horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
        click(header->viewport(), centre, button, twice);
    }

    QString heading(int col) const { return view().model()->headerData(col, Qt::Horizontal).toString(); }

    QStringList column(int col) const
    {
        QStringList cells;
        const QAbstractItemModel *model = view().model();
        for (int row = 0; row < model->rowCount(); ++row)
            cells << model->index(row, col).data().toString();
        return cells;
    }
};
