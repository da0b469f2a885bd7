#include "ui/grid/flexgrid.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString CityLayout = QStringLiteral("<City                                    |>Lat        |>Lon         ");

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

void fillCities(FlexGrid &grid)
{
    grid.setFormatString(CityLayout);
    grid.AddItem("Berlin\t52.52\t13.40\t");
    grid.AddItem(" Quito \t-0.18");  // no final TAB, a part missing
    grid.AddItem("Perth\t-31.95\t115.86\tAU\t");  // a part too many
}

QPoint cellCentre(const FlexGrid &grid, int row, int col)
{
    return grid.visualRect(grid.model()->index(row - 1, col)).center();
}

}  // namespace

class TestFlexGrid : public QObject {
    Q_OBJECT

private slots:
    // Headings keep their trailing blanks; a column is as wide as its heading or its widest cell,
    // also in a larger font.
    void layoutAndWidths()
    {
        const std::tuple<QString, QString, QString, QString> layouts[] = {  // headings and cells: "|" between
            {CityLayout, "City" + QString(36, u' ') + "|Lat        |Lon         ", "LRR", "|barred spiral galaxy|-122.41940000000"},
            {"Name|>Qty", "Name|Qty", "LR", "|"}, {"<>x|>", ">x|", "LR", "|"}};  // the first mark only
        for (const auto &[layout, headings, alignments, widestCells] : layouts) {
            FlexGrid grid;
            grid.setFormatString(layout);
            grid.AddItem(widestCells.split(u'|').join(u'\t'));
            for (int col = 0; col < grid.Cols(); ++col) {
                const int alignment = alignments[col] == u'R' ? Qt::AlignRight : Qt::AlignLeft;
                QCOMPARE(grid.model()->headerData(col, Qt::Horizontal).toString(), headings.section(u'|', col, col));
                QCOMPARE(grid.model()->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & 0xf, alignment);
                QCOMPARE(grid.model()->index(0, col).data(Qt::TextAlignmentRole).toInt() & 0xf, alignment);
                for (int row : {0, 1})
                    QVERIFY(grid.columnWidth(col) >= grid.fontMetrics().horizontalAdvance(grid.TextMatrix(row, col)) + 4);
            }
            grid.setFont(QFont(grid.font().family(), grid.font().pointSize() * 2));
            QVERIFY(grid.columnWidth(0) >= grid.fontMetrics().horizontalAdvance(grid.TextMatrix(0, 0)));
        }
    }

    // AddItem's index counts from 1: 1 puts a row first, -1 and any index past the end append.
    void addItemOrder()
    {
        const std::pair<QList<int>, const char *> orders[] = {  // indexes of rows "a", "b", "c" in turn
            {{1, 1, 1}, "c|b|a"}, {{-1, -1, -1}, "a|b|c"}, {{-1, -1, 2}, "a|c|b"}, {{1, 0}, "b|a"}, {{1, 9}, "a|b"}};
        for (const auto &[indexes, expected] : orders) {
            FlexGrid grid;
            grid.setFormatString("<Name|>Value");
            for (int i = 0; i < indexes.size(); ++i)
                grid.AddItem(QChar(u'a' + i) + QStringLiteral("\t1\t"), indexes[i]);
            grid.appendRows({QStringLiteral("z\t2")});
            QCOMPARE(column(grid, 0), QString::fromLatin1(expected) + "|z");
            QCOMPARE(grid.verticalHeader()->count(), indexes.size() + 1);
        }
    }

    // A row's TAB-separated parts fill its cells; a cell outside the grid reads empty and takes
    // nothing.
    void cellsAndRows()
    {
        FlexGrid grid;
        const QAbstractItemModelTester modelRules(grid.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        fillCities(grid);
        QCOMPARE(allCells(grid).mid(1), (QList<QStringList>{{"Berlin", "52.52", "13.40"}, {" Quito ", "-0.18", ""},
                                                            {"Perth", "-31.95", "115.86"}}));
        grid.setFormatString(CityLayout + "|<Country");
        QCOMPARE(grid.TextMatrix(3, 3), QString());  // the dropped part does not come back
        QList<QStringList> expected = allCells(grid);
        expected[2][2] = "-0.20";  // a part the row lacked
        expected[0][1] = "> Lat";
        expected[1][0] = "a b";  // a TAB would split the cell
        grid.setTextMatrix(2, 2, "-0.20");
        grid.setTextMatrix(0, 1, "> Lat");
        grid.setTextMatrix(1, 0, "a\tb");
        for (const QPoint cell : {QPoint(4, 0), QPoint(1, 4), QPoint(-1, 0), QPoint(0, -1)}) {
            QCOMPARE(grid.TextMatrix(cell.x(), cell.y()), QString());
            grid.setTextMatrix(cell.x(), cell.y(), "x");
        }
        QCOMPARE(allCells(grid), expected);

        // Rows that go away take the current cell and the selection back inside the grid.
        grid.setRow(3);
        grid.setRowSel(3);
        grid.setCol(3);
        grid.setRows(6);  // rows added go again with the others
        grid.setRows(2);
        QCOMPARE(QList<int>({grid.Rows(), grid.Row(), grid.RowSel(), grid.verticalHeader()->count()}),
                 QList<int>({2, 1, 1, 1}));
        grid.setFormatString("<Only");
        grid.setCol(1);  // past the last column: refused
        QCOMPARE(grid.Col(), 0);
        grid.Clear();  // the headings too
        grid.setRows(-3);  // the heading row stays
        QCOMPARE(allCells(grid), QList<QStringList>(1, QStringList(1)));
    }

    // Sorted in the grid's own locale (order 1 ascending, 2 descending); equal keys keep their
    // order both ways.
    void sortKeys()
    {
        const std::tuple<const char *, int, QString, QString> cases[] = {  // locale, order, cells, sorted
            {"C", 1, "10.5|9.5|100|-3.50|1.5|2.00|-12.25|1.25", "-12.25|-3.50|1.25|1.5|2.00|9.5|10.5|100"},
            {"en_US", 1, "1,234.00|999.00", "999.00|1,234.00"}, {"de_DE", 1, "10,5|-3,50|9,5", "-3,50|9,5|10,5"},
            // Hours and minutes, degrees and minutes, as the list writes them.
            {"C", 1, "5 35.2|12 30.8|1 36.7|1 4.8|0 42.7", "0 42.7|1 4.8|1 36.7|5 35.2|12 30.8"},
            {"C", 1, "-21 30|-1 45|0 15|-21 10", "-21 10|-21 30|-1 45|0 15"},
            {"C", 1, "NGC 1976|ngc 224|IC 434|NGC 7000|NGC 224A", "IC 434|ngc 224|NGC 224A|NGC 1976|NGC 7000"},
            {"C", 1, "M 10|M 2|M 1|M 100", "M 1|M 2|M 10|M 100"},
            // nan and inf compare with nothing as numbers; empty and blank-padded cells are edges too.
            {"C", 1, "oc|7.5||nan|gx| 12 |inf|-1", "-1|7.5| 12 ||gx|inf|nan|oc"},
            {"C", 1, "Ori|2.50|and|1|ORI|2.5|AND|1.00", "1|1.00|2.50|2.5|and|AND|Ori|ORI"},
            {"C", 2, "Ori|2.50|and|1|ORI|2.5|AND|1.00", "Ori|ORI|and|AND|2.50|2.5|1|1.00"}};
        for (const auto &[locale, order, cells, sorted] : cases) {
            FlexGrid grid;
            grid.setLocale(QLocale(QString::fromLatin1(locale)));
            grid.setFormatString("<Cell");
            grid.appendRows(cells.split(u'|'));
            grid.setSort(order);
            QCOMPARE(column(grid, 0), sorted);
        }
    }

    // Rows move whole, the heading and the selection stay. The rows sorted run from Row to RowSel,
    // either way round, all of them when the two are equal; order 0 sorts nothing.
    void sortRows()
    {
        const std::tuple<int, int, int, const char *> cases[] = {  // order, Row, RowSel, then the rows
            {1, 0, 0, "M42|m31|M13|M1"}, {2, 3, 3, "M1|M13|m31|M42"}, {0, 0, 0, "M42|M13|m31|M1"},
            {2, 2, 1, "M13|M42|m31|M1"}, {1, 0, 3, "M42|m31|M13|M1"}, {1, 3, 4, "M42|M13|m31|M1"}};
        for (const auto &[order, row, rowSel, expected] : cases) {
            FlexGrid grid;
            grid.setFormatString("<Identifier|<Alt");
            for (const char *rowText : {"M42\t-5.25", "M13\t10.50", "m31\t9.50", "M1\t"})
                grid.AddItem(rowText);
            grid.selectRow(2);  // m31
            grid.setCol(1);
            grid.setRow(row);
            grid.setRowSel(rowSel);
            grid.setSort(order);
            QCOMPARE(column(grid, 0), QString::fromLatin1(expected));
            QCOMPARE(grid.selectionModel()->selectedRows().value(0).data().toString(), "m31");
        }
    }

    // Releases alone, so that nothing else tells the grid where the pointer is: MouseRow and
    // MouseCol are -1 off the cells, the button and Shift+Alt come as codes; double clicks make
    // the cell current unless there is none (row 2 stays current). Then dragging over the cells
    // moves the selection's end; dragging a heading's border widens the column and sorts nothing;
    // the keys move the current row, Enter chooses it, Tab leaves.
    void mouseAndKeys()
    {
        QWidget window;
        auto *grid = new FlexGrid(&window);
        auto *next = new FlexGrid(&window);
        fillCities(*grid);
        grid->resize(600, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy mouseUps(grid, &FlexGrid::MouseUp);
        QSignalSpy dblClicks(grid, &FlexGrid::DblClick);
        QSignalSpy enters(grid, &FlexGrid::EnterPressed);
        QHeaderView *header = grid->horizontalHeader();

        const std::tuple<int, int, Qt::MouseButton, int> cases[] = {  // row (0: headings), col, button, code
            {0, 1, Qt::LeftButton, 1}, {0, 2, Qt::RightButton, 2}, {0, -1, Qt::MiddleButton, 4}, {2, 1, Qt::BackButton, 0},
            {1, 0, Qt::RightButton, 2}, {-1, 2, Qt::LeftButton, 1}, {3, -1, Qt::LeftButton, 1}};
        for (const auto &[row, col, button, code] : cases) {
            grid->setRow(2);
            QWidget *widget = row == 0 ? header->viewport() : grid->viewport();
            const QPoint cell = cellCentre(*grid, row < 0 ? 3 : std::max(row, 1), std::max(col, 0));
            const QPoint pos(col < 0 ? header->length() + 10 : cell.x(),
                             row == 0 ? header->height() / 2 : row < 0 ? cell.y() + 40 : cell.y());
            QTest::mouseRelease(widget, button, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, pos);
            QCOMPARE(QList<int>({grid->MouseRow(), grid->MouseCol(), mouseUps.last()[0].toInt(), mouseUps.last()[1].toInt()}),
                     QList<int>({row, col, code, 1 + 2 + 4}));  // Shift 1, Ctrl 2, Alt 4
            QTest::mouseDClick(widget, button, {}, pos);
            QTest::mouseRelease(widget, button, {}, pos);
            QCOMPARE(QList<qsizetype>({grid->Row(), 2 * dblClicks.size()}),
                     QList<qsizetype>({row >= 0 && col >= 0 ? row : 2, mouseUps.size()}));
        }
        mouseUps.clear();
        QMouseEvent hover(QEvent::MouseMove, cellCentre(*grid, 2, 1), QCursor::pos(), Qt::NoButton, {}, {});
        QApplication::sendEvent(grid->viewport(), &hover);
        QCOMPARE(QList<int>({grid->MouseRow(), grid->MouseCol()}), QList<int>({2, 1}));

        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cellCentre(*grid, 1, 0));
        QTest::mouseMove(grid->viewport(), cellCentre(*grid, 3, 1));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cellCentre(*grid, 3, 1));
        QCOMPARE(QList<int>({grid->Row(), grid->RowSel(), grid->ColSel()}), QList<int>({1, 3, 1}));
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 3);

        const int widthBefore = grid->columnWidth(0);
        const QPoint border(header->sectionViewportPosition(1) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(header->viewport(), border + QPoint(40, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, border + QPoint(40, 0));
        grid->setFormatString(CityLayout);  // a new list keeps the wider column
        QCOMPARE(grid->columnWidth(0), widthBefore + 40);
        QCOMPARE(mouseUps.size(), 1);  // the release over the cells only

        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(grid, key);
        QCOMPARE(QList<qsizetype>({grid->Row(), enters.size()}), QList<qsizetype>({3, 1}));
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Nested or not, a batch leaves the grid as the same steps one by one do, in one reset.
    void batchGivesTheSameGrid()
    {
        const auto build = [](FlexGrid &grid) {
            fillCities(grid);
            grid.Clear();
            grid.setRows(1);
            grid.setFormatString("<Identifier       |<Type    |<Alt     ");
            grid.appendRows({"NGC 7\tgx\t3\t", "NGC 12\tgx\t1\t", "NGC 3\tgx\t\t", "IC 1\topen cluster\t1"});
            grid.setTextMatrix(0, 2, "> Alt     ");
            grid.setCol(2);
            grid.setSort(FlexGrid::SortGenericAscending);
        };
        FlexGrid single;
        build(single);
        FlexGrid batched;
        QSignalSpy resets(batched.model(), &QAbstractItemModel::modelReset);
        {
            const FlexGrid::UpdateBatch outer(batched), inner(batched);
            build(batched);
        }
        QCOMPARE(resets.size(), 1);
        QCOMPARE(allCells(batched), allCells(single));
        QCOMPARE(batched.horizontalHeader()->saveState(), single.horizontalHeader()->saveState());  // the widths
        for (const bool sortOnly : {true, false}) {  // a batch of one change tells the views too
            const FlexGrid::UpdateBatch batch(batched);
            sortOnly ? batched.setSort(FlexGrid::SortGenericDescending) : batched.Clear();
        }
        QCOMPARE(resets.size(), 3);
    }
};

QTEST_MAIN(TestFlexGrid)
#include "test_flexgrid.moc"
