#include "windowfixture.h"

#include "ui/main/proportionallayout.h"
#include "ui/main/skyplot.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

// The window keeps every control in proportion while it is resized, and at its design size,
// the smallest it can be made, every text is whole.

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void resizingKeepsEveryControlInProportion()
    {
        WindowFixture fixture;
        Nocturo &window = fixture.start();
        QWidget *client = window.centralWidget();
        auto *chart = window.findChild<SkyPlot *>();
        QCOMPARE(client->size(), QSize(857, 551));  // 12855 x 8265 twips
        QCOMPARE(fixture.grid().geometry(), QRect(232, 32, 609, 513));
        QCOMPARE(chart->geometry(), QRect(8, 456, 89, 81));

        // The window's own controls and the labels inside the chart; the line under the menu bar apart.
        QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        controls += chart->findChildren<QWidget *>();
        const QList<QFrame *> frames = client->findChildren<QFrame *>(Qt::FindDirectChildrenOnly);
        const auto lineAt = std::ranges::find(frames, QFrame::HLine, &QFrame::frameShape);
        QVERIFY(lineAt != frames.end() && controls.removeOne(*lineAt) && controls.size() > 40);
        const QRect designLine = (*lineAt)->geometry();
        const auto geometries = [&controls] {
            QList<QRect> rects;
            for (const QWidget *control : controls)
                rects << control->geometry();
            return rects;
        };
        const QList<QRect> design = geometries();
        const int frameHeight = window.height() - client->height();
        const auto resizeClient = [&](QSize size) {
            window.resize(size.width(), size.height() + frameHeight);
            QCoreApplication::processEvents();
            return client->size();
        };

        const int generationsBefore = window.listGenerations();
        QCOMPARE(resizeClient(QSize(2 * 857, 2 * 551)), QSize(2 * 857, 2 * 551));
        QCOMPARE(window.listGenerations(), generationsBefore + 1);
        QCOMPARE(chart->picture().size(), chart->size() * chart->devicePixelRatioF());
        QCOMPARE((*lineAt)->geometry(), designLine);
        const auto doubled = [](int now, int before) { return qAbs(now - 2 * before) <= 1; };  // rounded from twips
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect now = controls.at(i)->geometry();
            const QRect before = design.at(i);
            QVERIFY2(doubled(now.x(), before.x()) && doubled(now.y(), before.y()) && doubled(now.width(), before.width())
                         && doubled(now.height(), before.height()), controls.at(i)->metaObject()->className());
        }
        QCOMPARE(resizeClient(QSize(999, 600)), QSize(999, 600));
        QCOMPARE(resizeClient(QSize(431, 277)), QSize(857, 551));  // no smaller than designed
        QCOMPARE(geometries(), design);
    }

    // With the fonts the project installs, no caption, value or cell is cut off.
    void nothingIsCutOffAtTheDesignSize()
    {
        WindowFixture fixture;
        Nocturo &window = fixture.start();
        window.setLocationCaptions(QStringLiteral("-33.8688"), QStringLiteral("-122.4194"));
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(&window) || label->parent() == window.statusBar())
                continue;
            const int neededHeight = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            QVERIFY2(label->sizeHint().width() <= label->width() || label->wordWrap(), qPrintable(label->text()));
            QVERIFY2(neededHeight <= label->height() + 2, qPrintable(label->text()));
        }
        const FlexGrid &grid = fixture.grid();
        for (int col = 0; col < grid.Cols(); ++col) {
            for (int row = 0; row < grid.Rows(); ++row)
                QVERIFY2(grid.fontMetrics().horizontalAdvance(grid.TextMatrix(row, col)) < grid.columnWidth(col),
                         qPrintable(grid.TextMatrix(row, col)));
        }
    }

    void emptyClientAreaMovesNothing()
    {
        QWidget control;
        control.setGeometry(10, 20, 30, 40);
        ProportionalLayout layout;
        layout.RecordControlRatios(&control, QRect(150, 300, 450, 600), QSize(12855, 8265));
        layout.placeControls(QSize(1714, 0));  // a minimised window reports no area
        QCOMPARE(control.geometry(), QRect(10, 20, 30, 40));
        layout.placeControls(QSize(1714, 1102));
        QCOMPARE(control.geometry(), QRect(20, 40, 60, 80));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
