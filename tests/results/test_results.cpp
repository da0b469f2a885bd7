#include "plan/listcolumns.h"
#include "ui/results/resultsmodel.h"
#include "ui/results/resultsview.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// One listed object: its catalog entry and where it stands.
struct Row {
    const char *identifier, *messier, *type, *size;
    double raDeg, decDeg;
    const char *magnitude;
    double altDeg, azDeg, hoursToTransit;
    const char *constellation;
};

// Built so that every column sorts them in another order; "NGC 224" and "IC 434" share an
// altitude, "NGC 7089" and "IC 434" an azimuth, and two types are each given twice.
const std::vector<Row> Sky = {
    {"NGC 1976", "M 42", "nebula", "85", 83.82, -5.39, "4.0", 9.5, 181.0, -2.0, "Ori"},
    {"NGC 224", "M 31", "galaxy", "190", 10.68, 41.27, "3.4", 10.5, 45.0, 3.25, "And"},
    {"NGC 6254", "M 10", "globular cluster", "x", 254.29, -4.1, "6.6", -3.0, 300.0, 0.5, "Oph"},
    {"NGC 7089", "M 2", "globular cluster", "16", 323.36, -0.82, "6.5", 25.0, 90.0, -5.0, "Aqr"},
    {"IC 434", "", "nebula", "60", 85.25, -2.46, "x", 10.5, 90.0, 1.25, "Ori"},
};

std::optional<double> numberIn(const char *text)
{
    bool ok = false;
    const double value = QString::fromLatin1(text).toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

ObservingList listOf(const std::vector<Row> &rows)
{
    std::vector<CatalogObject> objects;
    for (const Row &row : rows)
        objects.push_back({row.identifier, row.messier, row.raDeg, row.decDeg, row.size, {}, row.magnitude,
                           row.type, row.constellation, {}, numberIn(row.size), numberIn(row.magnitude), {}});
    ObservingList list{{}, Catalog(std::move(objects)), {}};
    for (std::size_t i = 0; i < rows.size(); ++i)
        list.rows.push_back({&list.catalog.objects()[i], {{rows[i].altDeg, rows[i].azDeg}, {}, rows[i].hoursToTransit}});
    return list;
}

// The identifiers in the order shown, "|" between them.
QString shownIdentifiers(const ResultsModel &model)
{
    QStringList identifiers;
    for (int row = 0; row < model.rowCount(); ++row)
        identifiers << model.index(row, 0).data().toString();
    return identifiers.join(u'|');
}

// As the mouse sends it: press and release, then the second press as a double click, and its
// release.
void doubleClick(QWidget *widget, QPoint pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

QString heading(const ResultsModel &model, int column)
{
    return model.headerData(column, Qt::Horizontal).toString();
}

// A model on a view in a window with a second widget after it in the focus chain.
struct Shown {
    QWidget window;
    ResultsModel model;
    QAbstractItemModelTester modelRules{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    ResultsView *view = new ResultsView(&model, &window);
    QWidget *next = new QLineEdit(&window);

    Shown()
    {
        model.showList(listOf(Sky), QLocale::c());
        view->resize(700, 300);
        next->move(0, 320);
        window.show();
    }

    void clickHeading(int column, Qt::MouseButton button = Qt::LeftButton)
    {
        QHeaderView *header = view->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), button, {}, centre);
    }

    QPoint rowCentre(int row) const { return view->visualRect(model.index(row, 1)).center(); }
};

}  // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    // Every cell as the list writes it, in the locale given; headings keep their trailing blanks,
    // and a column is wide enough for its heading and its widest cell.
    void cellsAndHeadings()
    {
        const std::pair<const char *, QString> cases[] = {
            {"C", "NGC 224|M 31|galaxy|190|10.50|45.00|0 42.7|41 16|3.25|3.4|And"},
            {"de_DE", "NGC 224|M 31|galaxy|190|10,50|45,00|0 42,7|41 16|3,25|3.4|And"}};
        for (const auto &[locale, cells] : cases) {
            Shown shown;
            shown.model.showList(listOf({Sky[1], Sky[2]}), QLocale(QString::fromLatin1(locale)));
            for (int column = 0; column < ListColumnCount; ++column) {
                const QModelIndex cell = shown.model.index(0, column);
                QCOMPARE(cell.data().toString(), cells.section(u'|', column, column));
                QCOMPARE(cell.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
                for (const QString &text : {heading(shown.model, column), shown.model.index(1, column).data().toString()})
                    QVERIFY(shown.view->columnWidth(column) > shown.view->fontMetrics().horizontalAdvance(text));
            }
        }
        Shown shown;
        QCOMPARE(heading(shown.model, 0), QStringLiteral("Identifier       "));
        QCOMPARE(heading(shown.model, 8), QStringLiteral("hrs to Transit"));
        QVERIFY(shown.view->columnWidth(3) < shown.view->columnWidth(4));  // "Size" against "Alt     "
    }

    // Heading clicks, any button: another column sorts ascending and is marked "> ", the same
    // column again descending, marked "< ", then ascending again; equal keys keep the list's order.
    void sortByHeading()
    {
        const std::tuple<int, int, QString> cases[] = {  // column, clicks, identifiers in order
            {0, 1, "IC 434|NGC 224|NGC 1976|NGC 6254|NGC 7089"},  // numbers in texts by value
            {1, 1, "IC 434|NGC 7089|NGC 6254|NGC 224|NGC 1976"},  // "", M 2, M 10, M 31, M 42
            {2, 1, "NGC 224|NGC 6254|NGC 7089|NGC 1976|IC 434"},
            {2, 2, "NGC 1976|IC 434|NGC 6254|NGC 7089|NGC 224"},
            {3, 1, "NGC 7089|IC 434|NGC 1976|NGC 224|NGC 6254"},  // "x" after the numbers
            {4, 1, "NGC 6254|NGC 1976|NGC 224|IC 434|NGC 7089"},  // -3 before 9.5 before 10.5
            {4, 2, "NGC 7089|NGC 224|IC 434|NGC 1976|NGC 6254"},
            {4, 3, "NGC 6254|NGC 1976|NGC 224|IC 434|NGC 7089"},
            {5, 1, "NGC 224|NGC 7089|IC 434|NGC 1976|NGC 6254"},
            {6, 1, "NGC 224|NGC 1976|IC 434|NGC 6254|NGC 7089"},
            {7, 1, "NGC 1976|NGC 6254|IC 434|NGC 7089|NGC 224"},  // "-6 37" before "-5 54"
            {8, 2, "NGC 224|IC 434|NGC 6254|NGC 1976|NGC 7089"},
            {9, 1, "NGC 224|NGC 1976|NGC 7089|NGC 6254|IC 434"},
            {10, 1, "NGC 224|NGC 7089|NGC 6254|NGC 1976|IC 434"}};
        for (const auto &[column, clicks, identifiers] : cases) {
            Shown shown;
            shown.clickHeading((column + 1) % ListColumnCount);
            for (int click = 0; click < clicks; ++click)
                shown.clickHeading(column, click == 1 ? Qt::RightButton : Qt::LeftButton);
            QCOMPARE(shownIdentifiers(shown.model), identifiers);
            const QString marker = clicks == 2 ? "< " : "> ";
            QCOMPARE(heading(shown.model, column), marker + QString::fromUtf16(ListColumns[std::size_t(column)].gridHeading));
            QCOMPARE(heading(shown.model, (column + 1) % ListColumnCount),
                     QString::fromUtf16(ListColumns[std::size_t(column + 1) % ListColumnCount].gridHeading));
            QVERIFY(shown.view->columnWidth(column) > shown.view->fontMetrics().horizontalAdvance(heading(shown.model, column)));
            QStringList fromOrder;
            for (const int listRow : shown.model.displayOrder())
                fromOrder << QString::fromLatin1(Sky[std::size_t(listRow)].identifier);
            QCOMPARE(fromOrder.join(u'|'), identifiers);
        }
    }

    // A new list comes in the order chosen last, and the next click goes on from it; the current
    // object stays current while it is listed.
    void newListKeepsSortAndCurrent()
    {
        Shown shown;
        QSignalSpy currents(shown.view, &ResultsView::currentObjectChanged);
        shown.clickHeading(4);
        QTest::mouseClick(shown.view->viewport(), Qt::LeftButton, {}, shown.rowCentre(2));  // NGC 224
        QCOMPARE(currents.takeFirst().value(0).toString(), "NGC 224");

        shown.model.showList(listOf({Sky[3], Sky[1], Sky[4]}), QLocale::c());
        QCOMPARE(shownIdentifiers(shown.model), "NGC 224|IC 434|NGC 7089");
        QCOMPARE(heading(shown.model, 4), "> Alt     ");
        QCOMPARE(shown.view->currentIndex().row(), 0);
        QCOMPARE(shown.view->selectionModel()->selectedRows(), QModelIndexList{shown.model.index(0, 0)});
        QCOMPARE(shown.model.viewRowOf("NGC 224"), 0);
        shown.clickHeading(4);
        QCOMPARE(shownIdentifiers(shown.model), "NGC 7089|NGC 224|IC 434");  // the current row follows
        QCOMPARE(shown.view->currentIndex().row(), 1);
        QVERIFY(currents.isEmpty());

        shown.model.showList(listOf({Sky[0]}), QLocale::c());
        QCOMPARE(currents.takeFirst().value(0).toString(), QString());
        QCOMPARE(shown.model.viewRowOf("NGC 224"), -1);
        QCOMPARE(heading(shown.model, 4), "< Alt     ");
    }

    // Dragging a heading's border widens the column for good and sorts nothing; double click and
    // Enter ask for the object's images; the arrow keys move the current row; Tab leaves.
    void mouseAndKeys()
    {
        Shown shown;
        QHeaderView *header = shown.view->horizontalHeader();
        const int widthBefore = shown.view->columnWidth(0);
        const QPoint border(header->sectionViewportPosition(1) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(header->viewport(), border + QPoint(40, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, border + QPoint(40, 0));
        shown.model.showList(listOf(Sky), QLocale::c());
        QCOMPARE(shown.view->columnWidth(0), widthBefore + 40);
        QCOMPARE(shownIdentifiers(shown.model), "NGC 1976|NGC 224|NGC 6254|NGC 7089|IC 434");
        QCOMPARE(heading(shown.model, 0), "Identifier       ");

        QSignalSpy activated(shown.view, &ResultsView::objectActivated);
        QSignalSpy currents(shown.view, &ResultsView::currentObjectChanged);
        doubleClick(shown.view->viewport(), shown.rowCentre(3));
        doubleClick(shown.view->viewport(), shown.rowCentre(4) + QPoint(0, 60));  // no row
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter})
            QTest::keyClick(shown.view, key);
        QCOMPARE(activated.size(), 3);
        QCOMPARE(QStringList({activated[0][0].toString(), activated[1][0].toString(), activated[2][0].toString()}),
                 QStringList({"NGC 7089", "NGC 6254", "IC 434"}));
        QCOMPARE(currents.size(), 4);  // NGC 7089 clicked, then three keys
        QCOMPARE(shown.view->selectionModel()->selectedRows(), QModelIndexList{shown.model.index(4, 0)});

        // The releases of a double click on a heading are two clicks, and it asks for no images.
        doubleClick(header->viewport(), QPoint(5, header->height() / 2));
        QCOMPARE(activated.size(), 3);
        QCOMPARE(heading(shown.model, 0), "< Identifier       ");

        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        shown.view->setFocus();
        QTest::keyClick(shown.view, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), shown.next);
    }
};

QTEST_MAIN(TestResults)
#include "test_results.moc"
