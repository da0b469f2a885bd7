#include "ui/grid/flexgrid.h"

#include "astro/listgeneration.h"
#include "astro/listgrid.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <limits>

class TestFlexGrid : public QObject {
    Q_OBJECT

private slots:
    void layoutColumns_data();
    void layoutColumns();
    void resultsLayoutHasElevenColumns();
    void trailingBlanksWidenColumn_data();
    void trailingBlanksWidenColumn();
    void columnsAreJustWideEnoughForTheirHeadings();
    void fontChangeKeepsColumnsFitting();
    void listGridResetGivesResultsColumns();

    void addItemOrder_data();
    void addItemOrder();
    void addItemCells_data();
    void addItemCells();
    void widerLayoutBringsNoDroppedPartBack();
    void textMatrixWrites_data();
    void textMatrixWrites();
    void outOfRangeCells_data();
    void outOfRangeCells();
    void clearEmptiesEveryCell();
    void setRows_data();
    void setRows();

    void sortAllDataRows_data();
    void sortAllDataRows();
    void sortRowsBetweenRowAndRowSel_data();
    void sortRowsBetweenRowAndRowSel();
    void sortReadsNumbersInTheGridsLocale();
    void sortKeepsSelectionOnItsRow();

    void mouseUp_data();
    void mouseUp();
    void mouseMove_data();
    void mouseMove();
    void pressMakesCellCurrent_data();
    void pressMakesCellCurrent();
    void dblClick_data();
    void dblClick();

    void batchGivesSameGridAsSingleInserts();
    void batchEndsInOneReset();
    void emptyBatchSendsNothing();
    void singleChangesKeepViewInStep();
};

namespace {

const QString CityLayout =
    QStringLiteral("<City                                    |>Lat        |>Lon         ");
const QString ThreeColumns = QStringLiteral("<Name|>Value|<Note");

// Stands for AddItem without an index.
constexpr int NoIndex = std::numeric_limits<int>::min();

QString blanks(int count)
{
    return QString(count, u' ');
}

Qt::Alignment horizontalAlignment(const QVariant &alignment)
{
    return Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
}

// The texts of one column in rows 1 to the last.
QStringList columnTexts(const FlexGrid &grid, int col)
{
    QStringList texts;
    for (int row = 1; row < grid.Rows(); ++row)
        texts.append(grid.TextMatrix(row, col));
    return texts;
}

// How much wider a column is than its heading text.
int roomBesideHeadingPx(const FlexGrid &grid, int col)
{
    return grid.columnWidth(col) - grid.fontMetrics().horizontalAdvance(grid.TextMatrix(0, col));
}

QList<QStringList> allCells(const FlexGrid &grid)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid.Rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid.Cols(); ++col)
            cells.append(grid.TextMatrix(row, col));
        rows.append(cells);
    }
    return rows;
}

// Rows 1 to 3 of a grid with the city layout.
void fillCities(FlexGrid &grid)
{
    grid.setFormatString(CityLayout);
    grid.AddItem("Berlin,Germany\t52.52\t13.40\t");
    grid.AddItem("Quito,Ecuador\t-0.18\t-78.47\t");
    grid.AddItem("Perth,Australia\t-31.95\t115.86\t");
}

void showCities(FlexGrid &grid)
{
    fillCities(grid);
    grid.resize(800, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

// The middle of a column's heading, or a point right of the last heading for col -1.
QPoint headingPoint(const FlexGrid &grid, int col)
{
    const QHeaderView *header = grid.horizontalHeader();
    const int x = col < 0 ? header->length() + 10
                          : header->sectionViewportPosition(col) + header->sectionSize(col) / 2;
    return {x, header->height() / 2};
}

// The middle of a data cell; row -1 is below the last row, col -1 right of the last column.
QPoint cellPoint(const FlexGrid &grid, int row, int col)
{
    const int lastViewRow = grid.Rows() - 2;
    const int y = row < 0 ? grid.rowViewportPosition(lastViewRow) + grid.rowHeight(lastViewRow) + 10
                          : grid.rowViewportPosition(row - 1) + grid.rowHeight(row - 1) / 2;
    const int x = col < 0 ? grid.horizontalHeader()->length() + 10
                          : grid.columnViewportPosition(col) + grid.columnWidth(col) / 2;
    return {x, y};
}

enum class Target { Headings, Cells };

QWidget *targetWidget(const FlexGrid &grid, Target target)
{
    return target == Target::Headings ? grid.horizontalHeader()->viewport() : grid.viewport();
}

QPoint targetPoint(const FlexGrid &grid, Target target, int row, int col)
{
    return target == Target::Headings ? headingPoint(grid, col) : cellPoint(grid, row, col);
}

// The grid's rows in the order of their identifiers' insertion, with keys that sort
// differently by every column.
void fillObjects(FlexGrid &grid)
{
    grid.setFormatString("<Identifier|<Alt|<Ra");
    grid.AddItem("M42\t-5.25\t5 35.2\t");
    grid.AddItem("M13\t10.50\t16 41.7\t");
    grid.AddItem("m31\t9.50\t0 42.7\t");
    grid.AddItem("M1\t\t5 34.5\t");
}

void sortAll(FlexGrid &grid, int keyCol, int order)
{
    grid.setCol(keyCol);
    grid.setColSel(keyCol);
    grid.setRow(0);
    grid.setRowSel(0);
    grid.setSort(order);
}

}  // namespace

Q_DECLARE_METATYPE(Target)

void TestFlexGrid::layoutColumns_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<Qt::Alignment>("alignment");

    const struct {
        const char *heading;
        int blanks;
    } results[] = {{"Identifier", 7}, {"M#", 6},  {"Type", 19},          {"Size", 0},
                   {"Alt", 5},        {"Az", 7},  {"Ra", 9},             {"Dec", 4},
                   {"hrs to Transit", 0}, {"Mag", 1}, {"Constellation", 7}};
    for (int col = 0; col < 11; ++col) {
        QTest::addRow("results %d", col) << ResultsLayout << col
                                         << results[col].heading + blanks(results[col].blanks)
                                         << Qt::Alignment(Qt::AlignLeft);
    }
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;
    QTest::newRow("city") << CityLayout << 0 << "City" + blanks(36) << left;
    QTest::newRow("lat") << CityLayout << 1 << "Lat" + blanks(8) << right;
    QTest::newRow("lon") << CityLayout << 2 << "Lon" + blanks(9) << right;
    QTest::newRow("no alignment mark") << "Name|>Qty" << 0 << "Name" << left;
    QTest::newRow("after no mark") << "Name|>Qty" << 1 << "Qty" << right;
    QTest::newRow("empty heading") << "<|>" << 1 << "" << right;
    QTest::newRow("only the first mark counts") << "<>x|<<" << 0 << ">x" << left;
}

void TestFlexGrid::layoutColumns()
{
    QFETCH(QString, layout);
    QFETCH(int, col);
    QFETCH(QString, heading);
    QFETCH(Qt::Alignment, alignment);

    FlexGrid grid;
    grid.setFormatString(layout);
    grid.AddItem("a\tb\tc\td\te\tf\tg\th\ti\tj\tk\t");

    QCOMPARE(grid.Cols(), layout.count(u'|') + 1);
    QCOMPARE(grid.TextMatrix(0, col), heading);
    const QAbstractItemModel *model = grid.model();
    QCOMPARE(model->headerData(col, Qt::Horizontal).toString(), heading);
    QCOMPARE(horizontalAlignment(model->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole)),
             alignment);
    QCOMPARE(horizontalAlignment(model->index(0, col).data(Qt::TextAlignmentRole)), alignment);
}

void TestFlexGrid::resultsLayoutHasElevenColumns()
{
    FlexGrid grid;
    grid.setFormatString(ResultsLayout);

    QCOMPARE(ResultsLayout.size(), 146);
    QCOMPARE(grid.Cols(), 11);
    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.FormatString(), ResultsLayout);
}

void TestFlexGrid::trailingBlanksWidenColumn_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("bareLayout");
    QTest::addColumn<int>("col");

    QString bareResults = ResultsLayout;
    bareResults.replace("<Alt     |", "<Alt|");
    QTest::newRow("results Alt") << ResultsLayout << bareResults << 4;
    QTest::newRow("city") << CityLayout << "<City|>Lat        |>Lon         " << 0;
    QTest::newRow("right-aligned Lat") << CityLayout << "<City|>Lat|>Lon" << 1;
}

// A column is as wide as its heading text plus a fixed room, so its trailing blanks add just
// their own width.
void TestFlexGrid::trailingBlanksWidenColumn()
{
    QFETCH(QString, layout);
    QFETCH(QString, bareLayout);
    QFETCH(int, col);

    FlexGrid withBlanks;
    withBlanks.setFormatString(layout);
    FlexGrid bare;
    bare.setFormatString(bareLayout);

    const QString heading = withBlanks.TextMatrix(0, col);
    const QString bareHeading = bare.TextMatrix(0, col);
    QCOMPARE(bareHeading, heading.trimmed());
    const QFontMetrics metrics = withBlanks.fontMetrics();
    QVERIFY(withBlanks.columnWidth(col) > bare.columnWidth(col));
    QCOMPARE(withBlanks.columnWidth(col) - bare.columnWidth(col),
             metrics.horizontalAdvance(heading) - metrics.horizontalAdvance(bareHeading));
}

void TestFlexGrid::columnsAreJustWideEnoughForTheirHeadings()
{
    FlexGrid grid;
    grid.setFormatString(ResultsLayout);

    const int roomPx = roomBesideHeadingPx(grid, 0);
    QVERIFY(roomPx >= 0);
    for (int col = 1; col < grid.Cols(); ++col)
        QCOMPARE(roomBesideHeadingPx(grid, col), roomPx);
}

void TestFlexGrid::fontChangeKeepsColumnsFitting()
{
    FlexGrid grid;
    grid.setFormatString(CityLayout);
    const int roomBeforePx = roomBesideHeadingPx(grid, 0);
    const int widthBeforePx = grid.columnWidth(0);

    QFont bigger = grid.font();
    bigger.setPointSizeF(bigger.pointSizeF() * 2);
    grid.setFont(bigger);

    QVERIFY(grid.columnWidth(0) > widthBeforePx);
    for (int col = 0; col < grid.Cols(); ++col)
        QCOMPARE(roomBesideHeadingPx(grid, col), roomBeforePx);
}

// List generation resets the grid through its ListGrid face before every fill.
void TestFlexGrid::listGridResetGivesResultsColumns()
{
    FlexGrid grid;
    fillCities(grid);
    grid.setTextMatrix(0, 1, "> " + grid.TextMatrix(0, 1));

    ListGrid &listGrid = grid;
    resetResultsGrid(listGrid);

    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.Cols(), 11);
    QCOMPARE(grid.TextMatrix(0, 0), "Identifier" + blanks(7));
    QCOMPARE(grid.TextMatrix(0, 1), "M#" + blanks(6));
}

void TestFlexGrid::addItemOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("inserts at row 1 show in reverse")
        << QStringList{"a", "b", "c"} << QList<int>{1, 1, 1} << QStringList{"c", "b", "a"};
    QTest::newRow("no index appends") << QStringList{"a", "b", "c"}
                                      << QList<int>{NoIndex, NoIndex, NoIndex}
                                      << QStringList{"a", "b", "c"};
    QTest::newRow("into the middle") << QStringList{"a", "b", "c"}
                                     << QList<int>{NoIndex, NoIndex, 2}
                                     << QStringList{"a", "c", "b"};
    QTest::newRow("at the end") << QStringList{"a", "b"} << QList<int>{NoIndex, 2}
                                << QStringList{"a", "b"};
    QTest::newRow("-1 appends") << QStringList{"a", "b"} << QList<int>{1, -1}
                                << QStringList{"a", "b"};
    QTest::newRow("other negative index appends") << QStringList{"a", "b"} << QList<int>{1, -7}
                                                  << QStringList{"a", "b"};
    QTest::newRow("0 inserts below the heading") << QStringList{"a", "b"} << QList<int>{1, 0}
                                                 << QStringList{"b", "a"};
    QTest::newRow("past the end appends") << QStringList{"a", "b"} << QList<int>{1, 9}
                                          << QStringList{"a", "b"};
}

void TestFlexGrid::addItemOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, indexes);
    QFETCH(QStringList, expected);

    FlexGrid grid;
    grid.setFormatString(ThreeColumns);
    for (int i = 0; i < names.size(); ++i) {
        const QString rowText = names[i] + "\t1\tx\t";
        if (indexes[i] == NoIndex)
            grid.AddItem(rowText);
        else
            grid.AddItem(rowText, indexes[i]);
    }

    QCOMPARE(columnTexts(grid, 0), expected);
    QCOMPARE(grid.TextMatrix(0, 0), "Name");
    QCOMPARE(grid.model()->rowCount(), expected.size());
}

void TestFlexGrid::addItemCells_data()
{
    QTest::addColumn<QString>("rowText");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("ends with a TAB") << "M42\t4.00\tOri\t" << QStringList{"M42", "4.00", "Ori"};
    QTest::newRow("no final TAB") << "M42\t4.00\tOri" << QStringList{"M42", "4.00", "Ori"};
    QTest::newRow("extra parts dropped") << "M42\t4.00\tOri\tnebula\tx\t"
                                         << QStringList{"M42", "4.00", "Ori"};
    QTest::newRow("missing parts empty") << "M42\t" << QStringList{"M42", "", ""};
    QTest::newRow("empty parts") << "\t\tOri\t" << QStringList{"", "", "Ori"};
    QTest::newRow("empty text") << "" << QStringList{"", "", ""};
    QTest::newRow("blanks kept") << " M 42 \t 4\t\t" << QStringList{" M 42 ", " 4", ""};
}

void TestFlexGrid::addItemCells()
{
    QFETCH(QString, rowText);
    QFETCH(QStringList, cells);

    FlexGrid grid;
    grid.setFormatString(ThreeColumns);
    grid.AddItem(rowText);

    QCOMPARE(allCells(grid).value(1), cells);
    for (int col = 0; col < cells.size(); ++col)
        QCOMPARE(grid.model()->index(0, col).data().toString(), cells[col]);
}

// A part dropped for want of a column stays dropped when the grid gets more columns.
void TestFlexGrid::widerLayoutBringsNoDroppedPartBack()
{
    FlexGrid grid;
    grid.setFormatString("<A|<B");
    grid.AddItem("a\tb\tc\t");
    grid.setFormatString("<A|<B|<C");

    QCOMPARE(allCells(grid).value(1), QStringList({"a", "b", ""}));
}

void TestFlexGrid::textMatrixWrites_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("data cell") << 2 << 1 << "-0.20" << "-0.20";
    QTest::newRow("last cell") << 3 << 2 << "116" << "116";
    QTest::newRow("heading marker") << 0 << 1 << "> Lat        " << "> Lat        ";
    QTest::newRow("empty") << 1 << 0 << "" << "";
    // A TAB separates cells, so no cell can hold one.
    QTest::newRow("TAB becomes a blank") << 1 << 0 << "a\tb" << "a b";
}

void TestFlexGrid::textMatrixWrites()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QString, readBack);

    FlexGrid grid;
    fillCities(grid);
    QList<QStringList> expected = allCells(grid);
    expected[row][col] = readBack;

    grid.setTextMatrix(row, col, text);

    QCOMPARE(allCells(grid), expected);
    const QVariant shown = row == 0 ? grid.model()->headerData(col, Qt::Horizontal)
                                    : grid.model()->index(row - 1, col).data();
    QCOMPARE(shown.toString(), readBack);
}

void TestFlexGrid::outOfRangeCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("row past the end") << 4 << 0;
    QTest::newRow("column past the end") << 1 << 3;
    QTest::newRow("negative row") << -1 << 0;
    QTest::newRow("negative column") << 0 << -1;
}

void TestFlexGrid::outOfRangeCells()
{
    QFETCH(int, row);
    QFETCH(int, col);

    FlexGrid grid;
    fillCities(grid);
    const QList<QStringList> before = allCells(grid);

    QCOMPARE(grid.TextMatrix(row, col), QString());
    grid.setTextMatrix(row, col, "x");

    QCOMPARE(allCells(grid), before);
    QCOMPARE(grid.Rows(), 4);
    QCOMPARE(grid.Cols(), 3);
}

void TestFlexGrid::clearEmptiesEveryCell()
{
    FlexGrid grid;
    fillCities(grid);

    grid.Clear();

    QCOMPARE(grid.Rows(), 4);
    QCOMPARE(grid.Cols(), 3);
    const QList<QStringList> empty(4, QStringList(3, QString()));
    QCOMPARE(allCells(grid), empty);
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString());

    grid.setRows(1);

    QCOMPARE(grid.Rows(), 1);
    QCOMPARE(grid.model()->rowCount(), 0);
    QCOMPARE(grid.Cols(), 3);
}

void TestFlexGrid::setRows_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("expectedRows");
    QTest::addColumn<QStringList>("expectedNames");

    QTest::newRow("fewer") << 3 << 3 << QStringList{"Berlin,Germany", "Quito,Ecuador"};
    QTest::newRow("same") << 4 << 4
                          << QStringList{"Berlin,Germany", "Quito,Ecuador", "Perth,Australia"};
    QTest::newRow("more") << 6 << 6
                          << QStringList{"Berlin,Germany", "Quito,Ecuador", "Perth,Australia",
                                         "", ""};
    QTest::newRow("heading only") << 1 << 1 << QStringList{};
    QTest::newRow("zero keeps the heading") << 0 << 1 << QStringList{};
    QTest::newRow("negative keeps the heading") << -3 << 1 << QStringList{};
}

void TestFlexGrid::setRows()
{
    QFETCH(int, rowCount);
    QFETCH(int, expectedRows);
    QFETCH(QStringList, expectedNames);

    FlexGrid grid;
    fillCities(grid);
    grid.setRows(rowCount);

    QCOMPARE(grid.Rows(), expectedRows);
    QCOMPARE(grid.model()->rowCount(), expectedRows - 1);
    QCOMPARE(columnTexts(grid, 0), expectedNames);
    QCOMPARE(grid.TextMatrix(0, 0), "City" + blanks(36));
}

void TestFlexGrid::sortAllDataRows_data()
{
    QTest::addColumn<int>("keyCol");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("numbers ascending, empty last")
        << 1 << 1 << QStringList{"M42", "m31", "M13", "M1"};
    QTest::newRow("numbers descending, empty first")
        << 1 << 2 << QStringList{"M1", "M13", "m31", "M42"};
    QTest::newRow("RA as text ascending") << 2 << 1 << QStringList{"m31", "M13", "M1", "M42"};
    QTest::newRow("RA as text descending") << 2 << 2 << QStringList{"M42", "M1", "M13", "m31"};
    QTest::newRow("text ignoring case") << 0 << 1 << QStringList{"M1", "M13", "m31", "M42"};
    QTest::newRow("text ignoring case descending")
        << 0 << 2 << QStringList{"M42", "m31", "M13", "M1"};
    QTest::newRow("no such order") << 1 << 0 << QStringList{"M42", "M13", "m31", "M1"};
    QTest::newRow("no such order either") << 1 << 3 << QStringList{"M42", "M13", "m31", "M1"};
}

void TestFlexGrid::sortAllDataRows()
{
    QFETCH(int, keyCol);
    QFETCH(int, order);
    QFETCH(QStringList, expected);

    FlexGrid grid;
    fillObjects(grid);
    QHash<QString, QStringList> rowOf;
    for (const QStringList &cells : allCells(grid))
        rowOf.insert(cells[0], cells);

    sortAll(grid, keyCol, order);

    QCOMPARE(columnTexts(grid, 0), expected);
    const QList<QStringList> sorted = allCells(grid);
    QCOMPARE(sorted[0], QStringList({"Identifier", "Alt", "Ra"}));
    for (int row = 1; row < sorted.size(); ++row)
        QCOMPARE(sorted[row], rowOf.value(sorted[row][0]));
    QCOMPARE(grid.Row(), 0);
    QCOMPARE(grid.Col(), keyCol);
}

void TestFlexGrid::sortRowsBetweenRowAndRowSel_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<QStringList>("expected");

    // By Alt ascending: -5.25 (M42), 9.50 (m31), 10.50 (M13), empty (M1).
    QTest::newRow("rows 2 to 3") << 2 << 3 << QStringList{"M42", "m31", "M13", "M1"};
    QTest::newRow("rows 3 down to 2") << 3 << 2 << QStringList{"M42", "m31", "M13", "M1"};
    QTest::newRow("rows 1 to 2") << 1 << 2 << QStringList{"M42", "M13", "m31", "M1"};
    QTest::newRow("rows 3 to 4") << 3 << 4 << QStringList{"M42", "M13", "m31", "M1"};
    QTest::newRow("heading to row 3") << 0 << 3 << QStringList{"M42", "m31", "M13", "M1"};
    QTest::newRow("one row is all data rows") << 2 << 2 << QStringList{"M42", "m31", "M13", "M1"};
}

void TestFlexGrid::sortRowsBetweenRowAndRowSel()
{
    QFETCH(int, row);
    QFETCH(int, rowSel);
    QFETCH(QStringList, expected);

    FlexGrid grid;
    fillObjects(grid);
    grid.setCol(1);
    grid.setRow(row);
    grid.setRowSel(rowSel);
    grid.setSort(FlexGrid::SortGenericAscending);

    QCOMPARE(columnTexts(grid, 0), expected);
    QCOMPARE(grid.TextMatrix(0, 0), "Identifier");
}

void TestFlexGrid::sortReadsNumbersInTheGridsLocale()
{
    FlexGrid grid;
    grid.setLocale(QLocale(QLocale::German, QLocale::Germany));
    grid.setFormatString("<Name|>Alt");
    grid.AddItem("a\t10,25\t");
    grid.AddItem("b\t-3,50\t");
    grid.AddItem("c\t9,75\t");
    grid.AddItem("d\t1.234,00\t");

    sortAll(grid, 1, FlexGrid::SortGenericAscending);

    QCOMPARE(columnTexts(grid, 1), QStringList({"-3,50", "9,75", "10,25", "1.234,00"}));
}

void TestFlexGrid::sortKeepsSelectionOnItsRow()
{
    FlexGrid grid;
    fillObjects(grid);
    grid.selectRow(2);  // m31
    sortAll(grid, 1, FlexGrid::SortGenericDescending);

    const QModelIndexList selected = grid.selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].data().toString(), "m31");
}

void TestFlexGrid::mouseUp_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("buttonCode");
    QTest::addColumn<int>("shiftCode");

    const auto headings = Target::Headings;
    const auto cells = Target::Cells;
    const auto left = Qt::LeftButton;
    const auto right = Qt::RightButton;
    const auto middle = Qt::MiddleButton;
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    QTest::newRow("left on a heading") << headings << 0 << 1 << left << none << 1 << 0;
    QTest::newRow("right on a heading") << headings << 0 << 2 << right << none << 2 << 0;
    QTest::newRow("middle on a heading") << headings << 0 << 0 << middle << none << 4 << 0;
    QTest::newRow("right of the last heading") << headings << 0 << -1 << left << none << 1 << 0;
    QTest::newRow("Shift and Ctrl") << headings << 0 << 0 << left << shiftCtrl << 1 << 3;
    QTest::newRow("Alt") << cells << 1 << 0 << left << alt << 1 << 4;
    QTest::newRow("left on a cell") << cells << 2 << 1 << left << none << 1 << 0;
    QTest::newRow("right on a cell") << cells << 3 << 0 << right << none << 2 << 0;
    QTest::newRow("below the last row") << cells << -1 << 2 << left << none << 1 << 0;
    QTest::newRow("right of the last column") << cells << 1 << -1 << left << none << 1 << 0;
}

void TestFlexGrid::mouseUp()
{
    QFETCH(Target, target);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, buttonCode);
    QFETCH(int, shiftCode);

    FlexGrid grid;
    showCities(grid);
    QSignalSpy mouseUps(&grid, &FlexGrid::MouseUp);
    int mouseRowAtSignal = -2;
    int mouseColAtSignal = -2;
    connect(&grid, &FlexGrid::MouseUp, this, [&] {
        mouseRowAtSignal = grid.MouseRow();
        mouseColAtSignal = grid.MouseCol();
    });

    QWidget *widget = targetWidget(grid, target);
    const QPoint pos = targetPoint(grid, target, row, col);
    // Only a release, so that nothing but the release can tell the grid where the pointer is.
    QTest::mouseRelease(widget, button, modifiers, pos);

    QCOMPARE(mouseUps.size(), 1);
    QCOMPARE(mouseRowAtSignal, row);
    QCOMPARE(mouseColAtSignal, col);
    const QList<QVariant> arguments = mouseUps.first();
    QCOMPARE(arguments[0].toInt(), buttonCode);
    QCOMPARE(arguments[1].toInt(), shiftCode);
    const QPoint gridPos = widget->mapTo(&grid, pos);
    QCOMPARE(arguments[2].toFloat(), float(gridPos.x()));
    QCOMPARE(arguments[3].toFloat(), float(gridPos.y()));
}

void TestFlexGrid::mouseMove_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("over a heading") << Target::Headings << 0 << 2;
    QTest::newRow("right of the last heading") << Target::Headings << 0 << -1;
    QTest::newRow("over a cell") << Target::Cells << 3 << 1;
    QTest::newRow("below the last row") << Target::Cells << -1 << 0;
    QTest::newRow("right of the last column") << Target::Cells << 2 << -1;
}

void TestFlexGrid::mouseMove()
{
    QFETCH(Target, target);
    QFETCH(int, row);
    QFETCH(int, col);

    FlexGrid grid;
    showCities(grid);
    QTest::mouseMove(targetWidget(grid, target), targetPoint(grid, target, row, col));

    QTRY_COMPARE(grid.MouseRow(), row);
    QCOMPARE(grid.MouseCol(), col);
}

void TestFlexGrid::pressMakesCellCurrent_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("expectedRow");
    QTest::addColumn<int>("expectedCol");

    QTest::newRow("a cell") << Target::Cells << 2 << 1 << 2 << 1;
    QTest::newRow("another cell") << Target::Cells << 1 << 2 << 1 << 2;
    QTest::newRow("a heading") << Target::Headings << 0 << 2 << 0 << 2;
    // Nowhere to make current: the current cell stays as set before the press.
    QTest::newRow("below the last row") << Target::Cells << -1 << 1 << 3 << 0;
}

void TestFlexGrid::pressMakesCellCurrent()
{
    QFETCH(Target, target);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, expectedRow);
    QFETCH(int, expectedCol);

    FlexGrid grid;
    showCities(grid);
    grid.setRow(3);
    grid.setRowSel(3);
    grid.setCol(0);
    grid.setColSel(0);

    QTest::mousePress(targetWidget(grid, target), Qt::LeftButton, {},
                      targetPoint(grid, target, row, col));

    QCOMPARE(grid.Row(), expectedRow);
    QCOMPARE(grid.RowSel(), expectedRow);
    QCOMPARE(grid.Col(), expectedCol);
    QCOMPARE(grid.ColSel(), expectedCol);
}

void TestFlexGrid::dblClick_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("a city") << Target::Cells << 2 << 0;
    QTest::newRow("another city") << Target::Cells << 3 << 2;
    QTest::newRow("a heading") << Target::Headings << 0 << 1;
}

void TestFlexGrid::dblClick()
{
    QFETCH(Target, target);
    QFETCH(int, row);
    QFETCH(int, col);

    FlexGrid grid;
    showCities(grid);
    grid.setRow(1);
    QSignalSpy dblClicks(&grid, &FlexGrid::DblClick);
    int rowAtSignal = -2;
    int mouseRowAtSignal = -2;
    connect(&grid, &FlexGrid::DblClick, this, [&] {
        rowAtSignal = grid.Row();
        mouseRowAtSignal = grid.MouseRow();
    });

    QTest::mouseDClick(targetWidget(grid, target), Qt::LeftButton, {},
                       targetPoint(grid, target, row, col));

    QCOMPARE(dblClicks.size(), 1);
    QCOMPARE(rowAtSignal, row);
    QCOMPARE(mouseRowAtSignal, row);
}

void TestFlexGrid::batchGivesSameGridAsSingleInserts()
{
    const auto build = [](FlexGrid &grid) {
        grid.Clear();
        grid.setRows(1);
        grid.setFormatString(ResultsLayout);
        for (int i = 0; i < 60; ++i)
            grid.AddItem(QStringLiteral("NGC %1\t\tgx\t%2\t").arg(i).arg(i % 7), 1);
        grid.setTextMatrix(0, 3, "> Size");
    };
    FlexGrid single;
    fillCities(single);
    build(single);
    FlexGrid batched;
    fillCities(batched);
    {
        FlexGrid::UpdateBatch outer(batched);
        FlexGrid::UpdateBatch inner(batched);
        build(batched);
    }

    QCOMPARE(allCells(batched), allCells(single));
    QCOMPARE(batched.model()->rowCount(), batched.Rows() - 1);
    QCOMPARE(batched.verticalHeader()->count(), batched.Rows() - 1);
    QCOMPARE(batched.horizontalHeader()->count(), 11);
    for (int col = 0; col < 11; ++col)
        QCOMPARE(batched.columnWidth(col), single.columnWidth(col));
}

void TestFlexGrid::batchEndsInOneReset()
{
    FlexGrid grid;
    fillCities(grid);
    const QAbstractItemModel *model = grid.model();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removals(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changes(model, &QAbstractItemModel::dataChanged);
    QSignalSpy layouts(model, &QAbstractItemModel::layoutChanged);

    {
        FlexGrid::UpdateBatch outer(grid);
        {
            FlexGrid::UpdateBatch inner(grid);
            grid.setRows(1);
            grid.AddItem("Lima,Peru\t-12.05\t-77.04\t", 1);
            grid.AddItem("Oslo,Norway\t59.91\t10.75\t", 1);
        }
        QCOMPARE(resets.size(), 0);
        grid.setTextMatrix(1, 0, "Oslo");
        sortAll(grid, 1, FlexGrid::SortGenericAscending);
    }

    QCOMPARE(resets.size(), 1);
    QCOMPARE(inserts.size(), 0);
    QCOMPARE(removals.size(), 0);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(layouts.size(), 0);
    QCOMPARE(columnTexts(grid, 0), QStringList({"Lima,Peru", "Oslo"}));
    QCOMPARE(grid.verticalHeader()->count(), 2);
}

void TestFlexGrid::emptyBatchSendsNothing()
{
    FlexGrid grid;
    fillCities(grid);
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);

    { FlexGrid::UpdateBatch batch(grid); }

    QCOMPARE(resets.size(), 0);
}

// Without a batch the view learns of every change as it happens.
void TestFlexGrid::singleChangesKeepViewInStep()
{
    FlexGrid grid;
    grid.setFormatString(CityLayout);
    const QHeaderView *rows = grid.verticalHeader();
    const auto inStep = [&] {
        return grid.model()->rowCount() == grid.Rows() - 1 && rows->count() == grid.Rows() - 1;
    };

    for (int i = 0; i < 5; ++i) {
        grid.AddItem(QStringLiteral("City %1\t1\t2\t").arg(i), 1);
        QVERIFY(inStep());
    }
    grid.setRows(3);
    QVERIFY(inStep());
    grid.setRows(8);
    QVERIFY(inStep());
    grid.Clear();
    QVERIFY(inStep());
    grid.setFormatString(ThreeColumns);
    QVERIFY(inStep());
    QCOMPARE(grid.horizontalHeader()->count(), 3);
    grid.setRows(1);
    QVERIFY(inStep());
}

QTEST_MAIN(TestFlexGrid)
#include "test_flexgrid.moc"
