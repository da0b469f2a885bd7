#include "ui/results/resultsmodel.h"
#include "ui/results/resultsview.h"
#include "workedsession.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

namespace {

// One listed object: its catalog entry and where it stands.
struct Row {
    const char *identifier, *messier, *type, *size, *magnitude, *constellation;
    double raDeg, decDeg, altDeg, azDeg, hoursToTransit;
};

// Built so that every column sorts them in another order; "NGC 224" and "IC 434" share an
// altitude, "NGC 7089" and "IC 434" an azimuth, and two types are each given twice.
const std::vector<Row> Sky = {
    {"NGC 1976", "M 42", "nebula", "85", "4.0", "Ori", 83.82, -5.39, 9.5, 181.0, -2.0},
    {"NGC 224", "M 31", "galaxy", "190", "3.4", "And", 10.68, 41.27, 10.5, 45.0, 3.25},
    {"NGC 6254", "M 10", "globular cluster", "x", "6.6", "Oph", 254.29, -4.1, -3.0, 300.0, 0.5},
    {"NGC 7089", "M 2", "globular cluster", "16", "6.5", "Aqr", 323.36, -0.82, 25.0, 90.0, -5.0},
    {"IC 434", "", "nebula", "60", "x", "Ori", 85.25, -2.46, 10.5, 90.0, 1.25}};

ObservingList listOf(const std::vector<Row> &rows)
{
    std::vector<CatalogObject> objects;
    for (const Row &row : rows) {
        objects.push_back(catalogObject(row.identifier, row.raDeg, row.decDeg, row.type, row.size, row.magnitude));
        objects.back().messier = row.messier;
        objects.back().constellation = row.constellation;
    }
    ObservingList list{{}, Catalog(std::move(objects)), {}};
    for (std::size_t i = 0; i < rows.size(); ++i)
        list.rows.push_back({&list.catalog.objects()[i], {{rows[i].altDeg, rows[i].azDeg}, {}, rows[i].hoursToTransit}});
    return list;
}

// The sky on a view in a window with a second widget after it in the focus chain; what the view
// tells of the current object and of images asked for, in turn.
struct Shown {
    QStringList told;
    QWidget window;
    ResultsModel model;
    QAbstractItemModelTester modelRules{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    ResultsView *view = new ResultsView(&model, &window);
    QWidget *next = new QLineEdit(&window);

    Shown()
    {
        model.showList(listOf(Sky), listColumnsWith({}), QLocale::c());
        view->resize(700, 300);
        QObject::connect(view, &ResultsView::currentObjectChanged, [this](const QString &id) { told << "current " + id; });
        QObject::connect(view, &ResultsView::objectActivated, [this](const QString &id) { told << "images " + id; });
        window.show();
    }

    void clickHeading(int column, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(view->horizontalHeader()->viewport(), button, {}, {view->columnViewportPosition(column) + 5, 5});
    }
    // What a real double click on a row delivers: press, release, double click, release.
    void doubleClickRow(int row) const
    {
        const QPoint pos(5, view->rowHeight(0) * row + 5);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, pos);
    }

    QString heading(int column) const { return model.headerData(column, Qt::Horizontal).toString(); }
    QString cell(int row, int column) const { return model.index(row, column).data().toString(); }
    // The identifiers in the order shown, "|" between them.
    QString identifiers() const
    {
        QStringList identifiers;
        for (int row = 0; row < model.rowCount(); ++row)
            identifiers << cell(row, 0);
        return identifiers.join(u'|');
    }
};

}  // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    // Dragging a heading's border widens its column for good and sorts nothing. Heading clicks,
    // any button: another column sorts ascending, marked "> ", the same again descending, marked
    // "< ", then ascending again; equal keys keep the list's order. A new list comes in the order
    // chosen last, the current object kept while it is listed, and a sort takes the current row
    // along. Double click and Enter ask for the current object's images, nothing else does; the
    // arrow keys move the current row, which is the one selected; Tab leaves. Every cell is written
    // in the locale given, left-aligned; each column is wider than its heading, trailing blanks and
    // sort marker included, and than its widest cell.
    void headingsRowsAndCells()
    {
        Shown shown;
        QHeaderView *header = shown.view->horizontalHeader();
        const int widthBefore = shown.view->columnWidth(0);
        const QPoint border(header->sectionViewportPosition(1) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(header->viewport(), border + QPoint(40, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, border + QPoint(40, 0));
        const std::tuple<int, Qt::MouseButton, QString> clicks[] = {  // heading, button, heading then order
            {0, Qt::LeftButton, "> Identifier       /IC 434|NGC 224|NGC 1976|NGC 6254|NGC 7089"},  // numbers by value
            {1, Qt::LeftButton, "> M#      /IC 434|NGC 7089|NGC 6254|NGC 224|NGC 1976"},  // "", M 2, M 10, M 31, M 42
            {4, Qt::LeftButton, "> Alt     /NGC 6254|NGC 1976|NGC 224|IC 434|NGC 7089"},  // -3, 9.5, 10.5 twice
            {4, Qt::RightButton, "< Alt     /NGC 7089|NGC 224|IC 434|NGC 1976|NGC 6254"},
            {4, Qt::LeftButton, "> Alt     /NGC 6254|NGC 1976|NGC 224|IC 434|NGC 7089"}};
        for (const auto &[column, button, shownAfter] : clicks) {
            shown.clickHeading(column, button);
            QCOMPARE(shown.heading(column) + u'/' + shown.identifiers(), shownAfter);
            QVERIFY(shown.view->columnWidth(column) > shown.view->fontMetrics().horizontalAdvance(shown.heading(column)));
        }
        shown.doubleClickRow(2);  // NGC 224
        shown.model.showList(listOf({Sky[3], Sky[1], Sky[4]}), listColumnsWith({}), QLocale::c());
        QCOMPARE(shown.view->columnWidth(0), widthBefore + 40);
        QCOMPARE(shown.identifiers() + u'/' + shown.cell(shown.view->currentIndex().row(), 0), "NGC 224|IC 434|NGC 7089/NGC 224");
        shown.clickHeading(4);
        QCOMPARE(shown.identifiers() + u'/' + shown.cell(shown.view->currentIndex().row(), 0), "NGC 7089|NGC 224|IC 434/NGC 224");
        shown.doubleClickRow(4);  // below the last row
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter, Qt::Key_Tab})
            QTest::keyClick(shown.view, key);
        QCOMPARE(shown.view->selectionModel()->selectedRows(), QModelIndexList{shown.model.index(2, 0)});
        QCOMPARE(shown.window.focusWidget(), shown.next);

        shown.model.showList(listOf({Sky[1], Sky[2]}), listColumnsWith({}), QLocale(QLocale::German));
        QStringList row;
        for (int column = 0; column < shown.model.columnCount(); ++column) {
            row << shown.cell(0, column);
            QCOMPARE(shown.model.index(0, column).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
            for (const QString &text : {shown.heading(column), shown.cell(1, column)})
                QVERIFY(shown.view->columnWidth(column) > shown.view->fontMetrics().horizontalAdvance(text));
        }
        QCOMPARE(row.join(u'|'), "NGC 224|M 31|galaxy|190|10,50|45,00|0 42,7|41 16|3,25|3.4|And");
        QCOMPARE(shown.told, QStringList({"current NGC 224", "images NGC 224", "current NGC 7089", "images NGC 7089",
                                          "current NGC 224", "current IC 434", "images IC 434", "current "}));
    }

    // A very long identifier widens its column by itself to a third of the screen and no more, so
    // that the other columns stay in sight; the observer can still drag it wider.
    void longTextWidensItsColumnToAThirdOfTheScreen()
    {
        Shown shown;
        const QByteArray longIdentifier(100000, 'W');
        std::vector<Row> sky = Sky;
        sky[1].identifier = longIdentifier.constData();
        shown.model.showList(listOf(sky), listColumnsWith({}), QLocale::c());
        const int thirdPx = shown.view->screen()->availableGeometry().width() / 3;
        QCOMPARE(shown.view->columnWidth(0), thirdPx);
        QHeaderView *header = shown.view->horizontalHeader();
        const QPoint border(header->sectionViewportPosition(1) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(header->viewport(), border + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, border + QPoint(60, 0));
        shown.model.showList(listOf(sky), listColumnsWith({}), QLocale::c());
        QCOMPARE(shown.view->columnWidth(0), thirdPx + 60);
    }
};

QTEST_MAIN(TestResults)
#include "test_results.moc"
