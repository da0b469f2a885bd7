#include "ui/grid/flexgrid.h"

#include "astro/listgeneration.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestFlexGrid : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void addItemOrder_data();
    void addItemOrder();
    void cellsAndRows();
    void sort_data();
    void sort();
    void mouse_data();
    void mouse();
    void batchGivesTheSameGrid();
};

namespace {

const QString CityLayout =
    QStringLiteral("<City                                    |>Lat        |>Lon         ");

// Rows 1 to the last of one column, "|" between them.
QString column(const FlexGrid &grid, int col)
{
    QStringList texts;
    for (int row = 1; row < grid.Rows(); ++row)
        texts.append(grid.TextMatrix(row, col));
    return texts.join(u'|');
}

QList<QStringList> allCells(const FlexGrid &grid)
{
    QList<QStringList> rows(grid.Rows());
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col)
            rows[row].append(grid.TextMatrix(row, col));
    return rows;
}

int roomBesideHeadingPx(const FlexGrid &grid, int col)
{
    return grid.columnWidth(col) - grid.fontMetrics().horizontalAdvance(grid.TextMatrix(0, col));
}

void fillCities(FlexGrid &grid)
{
    grid.setFormatString(CityLayout);
    grid.AddItem("Berlin\t52.52\t13.40\t");
    grid.AddItem(" Quito \t-0.18");  // no final TAB, a part missing
    grid.AddItem("Perth\t-31.95\t115.86\tAU\t");  // a part too many
}

}  // namespace

void TestFlexGrid::layout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("headings");  // "|" between them
    QTest::addColumn<QString>("alignments");

    QTest::newRow("results") << ResultsLayout
                             << "Identifier       |M#      |Type                   |Size|"
                                "Alt     |Az       |Ra         |Dec    |hrs to Transit|Mag |"
                                "Constellation       "
                             << "LLLLLLLLLLL";
    QTest::newRow("city") << CityLayout << "City" + QString(36, u' ') + "|Lat        |Lon         "
                          << "LRR";
    QTest::newRow("no mark") << "Name|>Qty" << "Name|Qty" << "LR";
    QTest::newRow("first mark only") << "<>x|>" << ">x|" << "LR";
}

// Headings keep their trailing blanks, and a column is its heading's width plus a fixed room.
void TestFlexGrid::layout()
{
    QFETCH(QString, layout);
    QFETCH(QString, alignments);
    QFETCH(QString, headings);
    QCOMPARE(ResultsLayout.size(), 146);
    FlexGrid grid;
    grid.setFormatString(layout);
    grid.AddItem("a\tb\tc\t");
    FlexGrid bare;
    bare.setFormatString(QString(layout).remove(QRegularExpression(" +(?=\\||$)")));
    const QAbstractItemModel *model = grid.model();
    const int roomPx = roomBesideHeadingPx(grid, 0);

    QCOMPARE(grid.Cols(), alignments.size());
    for (int col = 0; col < grid.Cols(); ++col) {
        const int alignment = alignments[col] == u'R' ? Qt::AlignRight : Qt::AlignLeft;
        QCOMPARE(grid.TextMatrix(0, col), headings.section(u'|', col, col));
        QCOMPARE(model->headerData(col, Qt::Horizontal).toString(), grid.TextMatrix(0, col));
        QCOMPARE(model->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & 0xf,
                 alignment);
        QCOMPARE(model->index(0, col).data(Qt::TextAlignmentRole).toInt() & 0xf, alignment);
        QCOMPARE(roomBesideHeadingPx(grid, col), roomPx);
        if (grid.TextMatrix(0, col).endsWith(u' '))
            QVERIFY(grid.columnWidth(col) > bare.columnWidth(col));
    }
    grid.setFont(QFont(grid.font().family(), grid.font().pointSize() * 2));
    QCOMPARE(roomBesideHeadingPx(grid, grid.Cols() - 1), roomPx);  // still fitting
}

void TestFlexGrid::addItemOrder_data()
{
    QTest::addColumn<QList<int>>("indexes");  // of rows "a", "b", "c" in turn; -1 is the default
    QTest::addColumn<QString>("expected");

    QTest::newRow("1 reverses") << QList<int>{1, 1, 1} << "c|b|a";
    QTest::newRow("default appends") << QList<int>{-1, -1, -1} << "a|b|c";
    QTest::newRow("middle") << QList<int>{-1, -1, 2} << "a|c|b";
    QTest::newRow("negative appends") << QList<int>{1, -7} << "a|b";
    QTest::newRow("0 is row 1") << QList<int>{1, 0} << "b|a";
    QTest::newRow("past the end appends") << QList<int>{1, 9} << "a|b";
}

void TestFlexGrid::addItemOrder()
{
    QFETCH(QList<int>, indexes);
    FlexGrid grid;
    grid.setFormatString("<Name|>Value");
    for (int i = 0; i < indexes.size(); ++i)
        grid.AddItem(QChar(u'a' + i) + QStringLiteral("\t1\t"), indexes[i]);

    QTEST(column(grid, 0), "expected");
    QCOMPARE(grid.TextMatrix(0, 0), "Name");
    QCOMPARE(grid.verticalHeader()->count(), indexes.size());
}

void TestFlexGrid::cellsAndRows()
{
    FlexGrid grid;
    fillCities(grid);
    QCOMPARE(allCells(grid).mid(1), (QList<QStringList>{{"Berlin", "52.52", "13.40"},
                                                        {" Quito ", "-0.18", ""},
                                                        {"Perth", "-31.95", "115.86"}}));
    grid.setFormatString(CityLayout + "|<Country");
    QCOMPARE(grid.TextMatrix(3, 3), QString());  // the dropped part does not come back
    QList<QStringList> expected = allCells(grid);
    expected[2][1] = "-0.20";
    expected[0][1] = "> Lat";
    expected[1][0] = "a b";  // a TAB would split the cell
    grid.setTextMatrix(2, 1, "-0.20");
    grid.setTextMatrix(0, 1, "> Lat");
    grid.setTextMatrix(1, 0, "a\tb");
    for (const QPoint cell : {QPoint(4, 0), QPoint(1, 4), QPoint(-1, 0), QPoint(0, -1)}) {
        QCOMPARE(grid.TextMatrix(cell.x(), cell.y()), QString());
        grid.setTextMatrix(cell.x(), cell.y(), "x");
    }
    QCOMPARE(allCells(grid), expected);
    QCOMPARE(grid.model()->index(1, 1).data().toString(), "-0.20");
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), "> Lat");

    const auto rowsAre = [&grid](int rows, const QString &names) {
        QCOMPARE(grid.Rows(), rows);
        QCOMPARE(grid.verticalHeader()->count(), rows - 1);
        QCOMPARE(column(grid, 0), names);
    };
    grid.setRows(6);
    rowsAre(6, "a b| Quito |Perth||");
    grid.setRows(3);
    rowsAre(3, "a b| Quito ");
    grid.Clear();
    QCOMPARE(allCells(grid), QList<QStringList>(3, QStringList(4)));
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString());
    grid.setRows(1);
    rowsAre(1, "");
    grid.setRows(3);
    grid.setRows(-3);
    rowsAre(1, "");
}

void TestFlexGrid::sort_data()
{
    QTest::addColumn<int>("keyCol");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<QString>("expected");

    QTest::newRow("by value, empty last") << 1 << 1 << 0 << 0 << "M42|m31|M13|M1";
    QTest::newRow("descending") << 1 << 2 << 0 << 0 << "M1|M13|m31|M42";
    QTest::newRow("RA as text") << 2 << 1 << 0 << 0 << "m31|M13|M1|M42";
    QTest::newRow("one row is every row") << 1 << 2 << 3 << 3 << "M1|M13|m31|M42";
    QTest::newRow("no order 0") << 1 << 0 << 0 << 0 << "M42|M13|m31|M1";
    QTest::newRow("rows 1 to 2") << 1 << 2 << 1 << 2 << "M13|M42|m31|M1";
    QTest::newRow("rows 2 down to 1") << 1 << 2 << 2 << 1 << "M13|M42|m31|M1";
    QTest::newRow("heading to row 2") << 1 << 2 << 0 << 2 << "M13|M42|m31|M1";
    QTest::newRow("rows 3 to 4") << 1 << 1 << 3 << 4 << "M42|M13|m31|M1";
}

// Numbers in the grid's own locale; rows move whole, the heading and the selection stay.
void TestFlexGrid::sort()
{
    FlexGrid grid;
    grid.setLocale(QLocale(QLocale::German, QLocale::Germany));
    grid.setFormatString("<Identifier|<Alt|<Ra");
    for (const char *rowText :
         {"M42\t-5,25\t5 35.2", "M13\t10,50\t16 41.7", "m31\t9,50\t0 42.7", "M1\t\t5 34.5"})
        grid.AddItem(rowText);
    QHash<QString, QStringList> rowOf;
    for (const QStringList &cells : allCells(grid))
        rowOf.insert(cells[0], cells);
    grid.selectRow(2);  // m31
    QFETCH(int, keyCol);
    QFETCH(int, row);
    QFETCH(int, rowSel);
    grid.setCol(keyCol);
    grid.setRow(row);
    grid.setRowSel(rowSel);
    QFETCH(int, order);
    grid.setSort(order);

    QTEST(column(grid, 0), "expected");
    for (const QStringList &cells : allCells(grid))
        QCOMPARE(cells, rowOf.value(cells[0]));  // the heading row included
    QCOMPARE(grid.selectionModel()->selectedRows().value(0).data().toString(), "m31");
}

void TestFlexGrid::mouse_data()
{
    QTest::addColumn<int>("row");  // 0: the headings
    QTest::addColumn<int>("col");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("buttonCode");

    QTest::newRow("left, heading") << 0 << 1 << Qt::LeftButton << 1;
    QTest::newRow("right, heading") << 0 << 2 << Qt::RightButton << 2;
    QTest::newRow("right of the headings") << 0 << -1 << Qt::MiddleButton << 4;
    QTest::newRow("left, cell") << 2 << 1 << Qt::LeftButton << 1;
    QTest::newRow("right, cell") << 3 << 0 << Qt::RightButton << 2;
    QTest::newRow("below the rows") << -1 << 2 << Qt::LeftButton << 1;
    QTest::newRow("right of the cells") << 3 << -1 << Qt::LeftButton << 1;
}

// A release alone, so that nothing else tells the grid where the pointer is; then a double
// click, which makes the cell current unless there is none (row 1 stays current).
void TestFlexGrid::mouse()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(Qt::MouseButton, button);
    FlexGrid grid;
    fillCities(grid);
    grid.resize(800, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setRow(1);
    const QHeaderView *header = grid.horizontalHeader();
    QWidget *widget = row == 0 ? header->viewport() : grid.viewport();
    const QRect cell =
        grid.visualRect(grid.model()->index(row < 0 ? 2 : qMax(row - 1, 0), qMax(col, 0)));
    const int y = row < 0 ? cell.bottom() + 10 : cell.center().y();
    const QPoint pos(col < 0 ? header->length() + 10 : cell.center().x(),
                     row == 0 ? header->height() / 2 : y);
    QList<QPoint> seen;  // (MouseRow, MouseCol) at MouseUp, then (Row, MouseRow) at DblClick
    QSignalSpy mouseUps(&grid, &FlexGrid::MouseUp);
    connect(&grid, &FlexGrid::MouseUp, this,
            [&] { seen << QPoint(grid.MouseRow(), grid.MouseCol()); });
    connect(&grid, &FlexGrid::DblClick, this, [&] { seen << QPoint(grid.Row(), grid.MouseRow()); });

    QTest::mouseRelease(widget, button, Qt::ShiftModifier | Qt::AltModifier, pos);
    QCOMPARE(seen, QList<QPoint>{QPoint(row, col)});
    QTEST(mouseUps[0][0].toInt(), "buttonCode");
    QCOMPARE(mouseUps[0][1].toInt(), 1 + 4);  // Shift 1, Alt 4

    QTest::mouseDClick(widget, button, {}, pos);
    QCOMPARE(seen.value(1), QPoint(row >= 0 && col >= 0 ? row : 1, row));
}

void TestFlexGrid::batchGivesTheSameGrid()
{
    const auto build = [](FlexGrid &grid) {
        fillCities(grid);
        grid.Clear();
        grid.setRows(1);
        grid.setFormatString(ResultsLayout);
        for (int i = 0; i < 60; ++i)
            grid.AddItem(QStringLiteral("NGC %1\t\tgx\t%2\t").arg(i).arg(i % 7), 1);
        grid.setTextMatrix(0, 3, "> Size");
        grid.setCol(3);
        grid.setSort(FlexGrid::SortGenericAscending);
    };
    FlexGrid single;
    build(single);
    FlexGrid batched;
    QSignalSpy resets(batched.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(batched.model(), &QAbstractItemModel::rowsInserted);
    {
        const FlexGrid::UpdateBatch outer(batched), inner(batched);
        build(batched);
    }

    QCOMPARE(resets.size(), 1);
    QCOMPARE(inserts.size(), 0);
    QCOMPARE(allCells(batched), allCells(single));
    QCOMPARE(batched.verticalHeader()->count(), batched.Rows() - 1);
    for (int col = 0; col < 11; ++col)
        QCOMPARE(batched.columnWidth(col), single.columnWidth(col));
}

QTEST_MAIN(TestFlexGrid)
#include "test_flexgrid.moc"
