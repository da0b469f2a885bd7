#include "catalogfiles.h"
#include "formats/catalogloader.h"
#include "snapshot.h"
#include "windowfixture.h"
#include "workedsession.h"
#include "ui/print/plandocument.h"
#include "ui/print/printcommand.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>

// The plan on paper: its first page as a picture, night vision, a long list across pages, and
// File > Print... in the main window.

namespace {

const QSizeF A4Pt = QPageSize(QPageSize::A4).size(QPageSize::Point);

// An A4 page at 72 dpi that keeps the texts painted on it, in order, and nothing else.
class TextRecorder : public QImage, QPaintEngine {
public:
    TextRecorder() : QImage(A4Pt.toSize(), QImage::Format_RGB32), QPaintEngine(AllFeatures)
    {
        setDotsPerMeterX(qRound(72 / 0.0254));
        setDotsPerMeterY(qRound(72 / 0.0254));
    }

    QStringList texts;

    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
    Type type() const override { return User; }
};

// The first page at 96 dpi, the brightest object charted.
QImage firstPage(const Planner &planner, bool nightVision)
{
    const std::vector<int> order = sortedRows(planner.list(), int(ListColumn::Magnitude), Qt::AscendingOrder);
    const PrintedPlan plan = printedPlan(planner, order, {}, planner.list().rows[std::size_t(order.front())].object);
    const PlanDocument document(plan, A4Pt, nightVision);
    QImage image((A4Pt * 96 / 72).toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(96.0 / 72, 96.0 / 72);
    document.paintPage(painter, 0);
    return image;
}

}  // namespace

class TestPrint : public QObject {
    Q_OBJECT

    // The worked session with the shipped catalog, down to magnitude 9 above 30 degrees.
    Planner m_worked{QLocale::c()};

private slots:
    void initTestCase()
    {
        m_worked.setCatalog(loadCatalogFile(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv").value());
        m_worked.setSessionTexts(workedSessionTexts({{SessionField::MinElevation, "30"}, {SessionField::FaintestMagnitude, "9"}}));
    }

    void firstPageAsKept()
    {
        QVERIFY(matchesSnapshot(firstPage(m_worked, false), QStringLiteral("printed-page")));
    }

    // For a screen at the telescope: black paper, and every mark, the chart's too, a shade of red.
    void nightVisionIsRedOnBlack()
    {
        const QImage page = firstPage(m_worked, true);
        QCOMPARE(page.pixel(0, 0), qRgb(0, 0, 0));
        int brightRed = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                QVERIFY2(qGreen(pixel) <= qRed(pixel) && qBlue(pixel) <= qRed(pixel), qPrintable(QString::number(pixel, 16)));
                brightRed += qRed(pixel) == 255 && qGreen(pixel) == 0;
            }
        }
        QVERIFY(brightRed > 1000);  // the text
    }

    // Every page repeats the headings and says which page of how many it is; the rows, in the
    // order given, are each printed once.
    void longListFlowsOntoPages()
    {
        Planner planner(QLocale::c());
        planner.setCatalog(loadCatalogLines(QString::fromUtf8(catalogBytes("Obj", 300)).split("\r\n", Qt::SkipEmptyParts)).value());
        planner.setSessionTexts(workedSessionTexts());
        const std::vector<int> order = sortedRows(planner.list(), int(ListColumn::Identifier), Qt::DescendingOrder);
        const PlanDocument document(printedPlan(planner, order, {}, nullptr), A4Pt, false);
        QVERIFY(document.pageCount() >= 3);
        QStringList printedRows;
        for (int page = 0; page < document.pageCount(); ++page) {
            TextRecorder recorder;
            QPainter painter(&recorder);
            document.paintPage(painter, page);
            QCOMPARE(recorder.texts.last(), QStringLiteral("Page %1 of %2").arg(page + 1).arg(document.pageCount()));
            const qsizetype headings = recorder.texts.indexOf("Identifier");
            QCOMPARE(recorder.texts.mid(headings, 3), QStringList({"Identifier", "Messier", "Type"}));
            printedRows << recorder.texts.filter(QRegularExpression("^Obj \\d+$"));
        }
        QStringList listed;
        for (int index : order)
            listed << planner.list().rows[std::size_t(index)].object->identifier;
        QCOMPARE(printedRows, listed);
    }

    void paperFollowsTheTerritory()
    {
        const std::pair<const char *, QPageSize::PageSizeId> papers[] = {
            {"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"en_GB", QPageSize::A4}, {"es_MX", QPageSize::A4}, {"C", QPageSize::A4}};
        for (const auto &[locale, paper] : papers)
            QCOMPARE(defaultPaper(QLocale(locale)).id(), paper);
    }

    // The dialog starts from the paper of the window's locale and from its night vision; nothing is
    // printed when it is cancelled.
    void printsFromTheMenu()
    {
        WindowFixture fixture;
        fixture.start();
        const QString status = fixture.status();
        fixture.trigger(QStringLiteral("Print..."));
        QCOMPARE(fixture.status(), status);
        QCOMPARE(fixture.messages(), QString());

        ResultsView &view = fixture.view();  // a row selected: its chart too
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(0, 0)).center());
        fixture.trigger(QStringLiteral("Night Vision"));
        fixture.fakes.printing.pdfPath = fixture.folder.filePath("plan.pdf");
        fixture.trigger(QStringLiteral("Print..."));
        fixture.trigger(QStringLiteral("Night Vision"));
        // Every page of the document, not the one blank page a printer starts with.
        QVERIFY(QString::fromLatin1(fileBytes(fixture.fakes.printing.pdfPath)).count(QRegularExpression("/Type\\s*/Page\\b")) >= 2);
        QVERIFY(fixture.status().endsWith("Plan printed."));
        QCOMPARE(fixture.fakes.printing.offeredNightVision, QList<bool>({false, true}));
        QCOMPARE(fixture.fakes.printing.offeredPaper, QList<QPageSize>(2, QPageSize(QPageSize::A4)));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
