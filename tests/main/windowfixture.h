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

#include <algorithm>
#include <memory>

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The sixteen defaults-file values a first start shows.
inline const QStringList DesignValues{"0", "0", "1", "30", "0", "360", "30", "1", "999",
                                      "1", "1", "1", "1", "1", "Objects.csv", "Inclusive"};

// Passes when one message was shown, titled "Nocturo" and naming every part; or, when not
// expected, none.
#define VERIFY_MESSAGE(fixture, expected, ...) \
    QVERIFY2((fixture).messageShown(expected, {__VA_ARGS__}), qPrintable((fixture).messageLog()))

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

    QLineEdit *field(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    FlexGrid &grid() const { return *window->resultsGrid(); }

    // Every message as "title: text", one a line.
    QString messageLog() const
    {
        QStringList lines;
        for (const Message &message : fakes.messages.shown)
            lines << message.title + QStringLiteral(": ") + message.text;
        return lines.join(u'\n');
    }

    bool messageShown(bool expected, const QStringList &parts) const
    {
        const QList<Message> &shown = fakes.messages.shown;
        const auto named = [&](const QString &part) { return shown.first().text.contains(part); };
        return shown.size() == (expected ? 1 : 0)
               && (!expected || (shown.first().title == QLatin1String("Nocturo") && std::ranges::all_of(parts, named)));
    }

    // The window's values in defaults-file order.
    QStringList shownValues() const
    {
        const SessionParameters p = window->sessionParameters();
        const auto n = [](int state) { return QString::number(state); };
        return {p.Lat,         p.Lon,         p.txtSessLen,     p.MinElev,        p.MinAz,          p.MaxAz,
                p.MinMag,      p.MinSize,     p.MaxSize,        n(p.chkNebula),   n(p.chkPlanetary), n(p.chkGalaxy),
                n(p.chkGlobular), n(p.chkOpen), window->catalogFile(), p.Included};
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

    void clickHeading(int col, Qt::MouseButton button = Qt::LeftButton, bool twice = false) const
    {
        QHeaderView *header = grid().horizontalHeader();
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
