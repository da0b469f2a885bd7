#include "ui/grid/flexgrid.h"
#include "ui/grid/gridsortkey.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString CityLayout = QStringLiteral("<City                                    |>Lat        |>Lon         ");
const QString ResultsLikeLayout = QStringLiteral("<Identifier       |<Type    |<Alt     ");

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
            {ResultsLikeLayout, "Identifier       |Type    |Alt     ", "LLL", "|barred spiral galaxy|"},
            {CityLayout, "City" + QString(36, u' ') + "|Lat        |Lon         ", "LRR", "||-122.41940000000"},
            {"Name|>Qty", "Name|Qty", "LR", "|"},
            {"<>x|>", ">x|", "LR", "|"}};  // the first mark only
        for (const auto &[layout, headings, alignments, widestCells] : layouts) {
            FlexGrid grid;
            grid.setFormatString(layout);
            grid.AddItem(widestCells.split(u'|').join(u'\t'));
            const QAbstractItemModel *model = grid.model();
            QCOMPARE(grid.Cols(), alignments.size());
            for (int col = 0; col < grid.Cols(); ++col) {
                const int alignment = alignments[col] == u'R' ? Qt::AlignRight : Qt::AlignLeft;
                QCOMPARE(grid.TextMatrix(0, col), headings.section(u'|', col, col));
                QCOMPARE(model->headerData(col, Qt::Horizontal).toString(), grid.TextMatrix(0, col));
                QCOMPARE(model->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & 0xf, alignment);
                QCOMPARE(model->index(0, col).data(Qt::TextAlignmentRole).toInt() & 0xf, alignment);
                for (int row : {0, 1})
                    QVERIFY(grid.columnWidth(col) >= grid.fontMetrics().horizontalAdvance(grid.TextMatrix(row, col)) + 4);
            }
            FlexGrid bare;
            bare.setFormatString(layout.left(layout.indexOf(u' ')));
            QVERIFY(!layout.contains(u' ') || grid.columnWidth(0) > bare.columnWidth(0));
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
            QCOMPARE(column(grid, 0), QString::fromLatin1(expected));
            grid.appendRows({QStringLiteral("z\t2")});
            QCOMPARE(column(grid, 0).section(u'|', -1) + grid.TextMatrix(0, 0), QStringLiteral("zName"));
            QCOMPARE(grid.verticalHeader()->count(), indexes.size() + 1);
        }
    }

    void cellsAndRows()
    {
        FlexGrid grid;
        fillCities(grid);
        QCOMPARE(allCells(grid).mid(1), (QList<QStringList>{{"Berlin", "52.52", "13.40"}, {" Quito ", "-0.18", ""},
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

        // Rows that go away take the current cell and the selection back inside the grid.
        grid.setRow(3);
        grid.setRowSel(3);
        grid.setCol(3);
        grid.setRows(6);
        QCOMPARE(column(grid, 0), "a b| Quito |Perth||");
        grid.setRows(2);
        QCOMPARE(QList<int>({grid.Rows(), grid.Row(), grid.RowSel(), grid.verticalHeader()->count()}),
                 QList<int>({2, 1, 1, 1}));
        grid.setFormatString("<Only");
        QCOMPARE(grid.Col(), 0);
        grid.Clear();
        QCOMPARE(allCells(grid), QList<QStringList>(2, QStringList(1)));
        grid.setRows(-3);
        QCOMPARE(grid.Rows(), 1);
    }

    void sortKeys()
    {
        const std::tuple<const char *, Qt::SortOrder, QString, QString> cases[] = {
            {"C", Qt::AscendingOrder, "10.5|9.5|100", "9.5|10.5|100"},
            {"C", Qt::AscendingOrder, "-3.50|2.00|-12.25", "-12.25|-3.50|2.00"},
            {"en_US", Qt::AscendingOrder, "1,234.00|999.00", "999.00|1,234.00"},
            {"de_DE", Qt::AscendingOrder, "10,5|-3,50|9,5", "-3,50|9,5|10,5"},
            // Hours and minutes, degrees and minutes, as the list writes them.
            {"C", Qt::AscendingOrder, "5 35.2|12 30.8|1 36.7|1 4.8|0 42.7", "0 42.7|1 4.8|1 36.7|5 35.2|12 30.8"},
            {"C", Qt::AscendingOrder, "-21 30|-1 45|0 15|-21 10", "-21 10|-21 30|-1 45|0 15"},
            {"C", Qt::AscendingOrder, "NGC 1976|ngc 224|IC 434|NGC 7000|NGC 224A", "IC 434|ngc 224|NGC 224A|NGC 1976|NGC 7000"},
            {"C", Qt::AscendingOrder, "M 10|M 2|M 1|M 100", "M 1|M 2|M 10|M 100"},
            // nan and inf compare with nothing as numbers; empty and blank-padded cells are edges too.
            {"C", Qt::AscendingOrder, "oc|7.5||nan|gx| 12 |inf|-1", "-1|7.5| 12 ||gx|inf|nan|oc"},
            {"C", Qt::AscendingOrder, "Ori|2.50|and|1|ORI|2.5|AND|1.00", "1|1.00|2.50|2.5|and|AND|Ori|ORI"},
            {"C", Qt::DescendingOrder, "Ori|2.50|and|1|ORI|2.5|AND|1.00", "Ori|ORI|and|AND|2.50|2.5|1|1.00"}};
        for (const auto &[locale, order, texts, expected] : cases) {
            const QStringList cells = texts.split(u'|');
            QList<GridSortKey> keys;
            for (const QString &cell : cells)
                keys.append(GridSortKey(cell, QLocale(QString::fromLatin1(locale))));
            QStringList sorted;
            for (const qsizetype position : stableSortOrder(keys, order))
                sorted.append(cells[position]);
            QCOMPARE(sorted.join(u'|'), expected);
        }
    }

    // Numbers in the grid's own locale; rows move whole, the heading and the selection stay. The
    // rows sorted run from Row to RowSel, either way round; order 0 sorts nothing.
    void sortRows()
    {
        const std::tuple<int, int, int, const char *> cases[] = {  // order, Row, RowSel, then the rows
            {1, 0, 0, "M42|m31|M13|M1"}, {2, 0, 0, "M1|M13|m31|M42"}, {2, 3, 3, "M1|M13|m31|M42"},
            {0, 0, 0, "M42|M13|m31|M1"}, {2, 2, 1, "M13|M42|m31|M1"}, {2, 0, 2, "M13|M42|m31|M1"},
            {1, 3, 4, "M42|M13|m31|M1"}};
        for (const auto &[order, row, rowSel, expected] : cases) {
            FlexGrid grid;
            grid.setLocale(QLocale(QLocale::German, QLocale::Germany));
            grid.setFormatString("<Identifier|<Alt");
            for (const char *rowText : {"M42\t-5,25", "M13\t10,50", "m31\t9,50", "M1\t"})
                grid.AddItem(rowText);
            grid.selectRow(2);  // m31
            grid.setCol(1);
            grid.setRow(row);
            grid.setRowSel(rowSel);
            grid.setSort(order);
            QCOMPARE(column(grid, 0), QString::fromLatin1(expected));
            QCOMPARE(grid.TextMatrix(0, 1), "Alt");
            QCOMPARE(grid.TextMatrix(grid.Rows() - 1, 0) == "M1", grid.TextMatrix(grid.Rows() - 1, 1).isEmpty());
            QCOMPARE(grid.selectionModel()->selectedRows().value(0).data().toString(), "m31");
        }
    }

    // A release alone, so that nothing else tells the grid where the pointer is: MouseRow and
    // MouseCol are -1 off the cells, the button and Shift+Alt come as codes. Then a double click,
    // which makes the cell current unless there is none (row 1 stays current).
    void mouse()
    {
        const std::tuple<int, int, Qt::MouseButton, int> cases[] = {  // row (0: headings), col, button, code
            {0, 1, Qt::LeftButton, 1}, {0, 2, Qt::RightButton, 2}, {0, -1, Qt::MiddleButton, 4},
            {3, 0, Qt::RightButton, 2}, {-1, 2, Qt::LeftButton, 1}, {3, -1, Qt::LeftButton, 1}};
        for (const auto &[row, col, button, code] : cases) {
            FlexGrid grid;
            fillCities(grid);
            grid.resize(800, 300);
            grid.show();
            QVERIFY(QTest::qWaitForWindowExposed(&grid));
            grid.setRow(1);
            QList<QPoint> seen;  // (MouseRow, MouseCol) at MouseUp, then (Row, MouseRow) at DblClick
            QSignalSpy mouseUps(&grid, &FlexGrid::MouseUp);
            connect(&grid, &FlexGrid::MouseUp, this, [&] { seen << QPoint(grid.MouseRow(), grid.MouseCol()); });
            connect(&grid, &FlexGrid::DblClick, this, [&] { seen << QPoint(grid.Row(), grid.MouseRow()); });
            const QHeaderView *header = grid.horizontalHeader();
            QWidget *widget = row == 0 ? header->viewport() : grid.viewport();
            const QPoint cell = cellCentre(grid, row < 0 ? 3 : std::max(row, 1), std::max(col, 0));
            const QPoint pos(col < 0 ? header->length() + 10 : cell.x(),
                             row == 0 ? header->height() / 2 : row < 0 ? cell.y() + 40 : cell.y());
            QTest::mouseRelease(widget, button, Qt::ShiftModifier | Qt::AltModifier, pos);
            QCOMPARE(seen, QList<QPoint>{QPoint(row, col)});
            QCOMPARE(mouseUps[0][0].toInt(), code);
            QCOMPARE(mouseUps[0][1].toInt(), 1 + 4);  // Shift 1, Alt 4
            QTest::mouseDClick(widget, button, {}, pos);
            QCOMPARE(seen.value(1), QPoint(row >= 0 && col >= 0 ? row : 1, row));
        }
    }

    // Dragging over the cells moves the selection's end; dragging a heading's border widens the
    // column and sorts nothing; the keys move the current row, Enter chooses it, Tab leaves.
    void dragsAndKeys()
    {
        QWidget window;
        auto *grid = new FlexGrid(&window);
        auto *next = new QWidget(&window);
        next->setFocusPolicy(Qt::TabFocus);
        fillCities(*grid);
        grid->resize(600, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy mouseUps(grid, &FlexGrid::MouseUp);
        QSignalSpy enters(grid, &FlexGrid::EnterPressed);

        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cellCentre(*grid, 1, 0));
        QTest::mouseMove(grid->viewport(), cellCentre(*grid, 3, 1));
        QMouseEvent drag(QEvent::MouseMove, cellCentre(*grid, 3, 1), grid->viewport()->mapToGlobal(cellCentre(*grid, 3, 1)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(grid->viewport(), &drag);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cellCentre(*grid, 3, 1));
        QCOMPARE(QList<int>({grid->Row(), grid->RowSel(), grid->ColSel()}), QList<int>({1, 3, 1}));
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 3);

        QHeaderView *header = grid->horizontalHeader();
        const int widthBefore = grid->columnWidth(0);
        const QPoint border(header->sectionViewportPosition(1) - 1, header->height() / 2);
        mouseUps.clear();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QMouseEvent widen(QEvent::MouseMove, border + QPoint(40, 0), header->viewport()->mapToGlobal(border + QPoint(40, 0)),
                          Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(header->viewport(), &widen);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, border + QPoint(40, 0));
        QCOMPARE(grid->columnWidth(0), widthBefore + 40);
        QVERIFY(mouseUps.isEmpty());
        grid->AddItem("Rome\t41.89\t12.48");  // a new row keeps the wider column
        QCOMPARE(grid->columnWidth(0), widthBefore + 40);

        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->Row(), 3);
        QCOMPARE(enters.size(), 1);
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    void batchGivesTheSameGrid()
    {
        const auto build = [](FlexGrid &grid) {
            fillCities(grid);
            grid.Clear();
            grid.setRows(1);
            grid.setFormatString(ResultsLikeLayout);
            QStringList rows;
            for (int i = 0; i < 60; ++i)
                rows << QStringLiteral("NGC %1\tgx\t%2\t").arg(i).arg(i % 7);
            grid.appendRows(rows);
            grid.AddItem(QStringLiteral("IC 1\topen cluster with a very long type\t1\t"), 1);
            grid.setTextMatrix(0, 2, "> Alt     ");
            grid.setCol(2);
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
        for (int col = 0; col < 3; ++col)
            QCOMPARE(batched.columnWidth(col), single.columnWidth(col));
    }
};

QTEST_MAIN(TestFlexGrid)
#include "test_flexgrid.moc"
