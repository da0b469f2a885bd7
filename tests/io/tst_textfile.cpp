#include "io/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lowers the largest file this process may write, which holds for root as well, so that
// a write fails part-way. The signal the kernel sends on the first write past the limit is
// ignored, so that the write returns an error instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit lowered = previous;
        lowered.rlim_cur = maxBytes;
        active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active = false;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

}  // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void splitLinesAtEveryLineEnd_data();
    void splitLinesAtEveryLineEnd();
    void joinedLinesSplitBack_data();
    void joinedLinesSplitBack();
    void decodeText_data();
    void decodeText();
    void readTextLinesReadsAFile();
    void readTextLinesNamesTheFolderOfAMissingFile();
    void writeTextFileWritesExactBytes();
    void writeTextFileReplacesAnExistingFile();
    void writeTextFileReportsAFolderThatDoesNotExist();
    void writeTextFileReportsADirectoryInPlaceOfTheFile();
    void failedWriteLeavesTheExistingFileWhole();
};

void TestTextFile::splitLinesAtEveryLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("lone CR") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("lone LF") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("mixed") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("final CR LF ends the last line") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("final LF ends the last line") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("final CR ends the last line") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("two final line ends leave an empty line")
        << "a\r\nb\r\n\r\n" << QStringList{"a", "b", ""};
    QTest::newRow("empty line in the middle") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two line ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF is two line ends") << "a\r\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("a single line end is one empty line") << "\r\n" << QStringList{""};
    QTest::newRow("empty text has no lines") << "" << QStringList{};
    QTest::newRow("blanks stay") << " a \r\n b " << QStringList{" a ", " b "};
}

void TestTextFile::splitLinesAtEveryLineEnd()
{
    QFETCH(QString, text);

    QTEST(splitLines(text), "lines");
}

void TestTextFile::joinedLinesSplitBack_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");

    QTest::newRow("no lines") << QStringList{} << "";
    QTest::newRow("one line") << QStringList{"a"} << "a\r\n";
    QTest::newRow("empty last line") << QStringList{"a", ""} << "a\r\n\r\n";
    QTest::newRow("empty first line") << QStringList{"", "b"} << "\r\nb\r\n";
}

void TestTextFile::joinedLinesSplitBack()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);

    QCOMPARE(joinLinesCrLf(lines), text);
    QCOMPARE(splitLines(joinLinesCrLf(lines)), lines);
}

void TestTextFile::decodeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("M 31,Andromeda") << QStringLiteral("M 31,Andromeda");
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x80\x93 Nebula")
                           << QStringLiteral("Caf\u00e9 \u2013 Nebula");
    QTest::newRow("Latin-1 fall-back")
        << QByteArray("Caf\xe9 N\xfcrnberg") << QStringLiteral("Caf\u00e9 N\u00fcrnberg");
    // One byte that is not UTF-8 makes the whole text Latin-1, so that the UTF-8 pair is
    // read as its two Latin-1 letters and no byte is lost.
    QTest::newRow("mostly UTF-8 with one Latin-1 byte")
        << QByteArray("\xc3\xa9 \xe9") << QStringLiteral("\u00c3\u00a9 \u00e9");
    QTest::newRow("truncated UTF-8 sequence") << QByteArray("ab\xc3") << QStringLiteral("ab\u00c3");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestTextFile::decodeText()
{
    QFETCH(QByteArray, bytes);

    QTEST(::decodeText(bytes), "text");
}

void TestTextFile::readTextLinesReadsAFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lines.txt"));
    QVERIFY(writeBytes(path, "first\r\nsecond\nthird\r"));

    const TextFileLines file = readTextLines(path);

    QVERIFY2(file.ok(), qPrintable(file.error));
    QCOMPARE(file.lines, QStringList({"first", "second", "third"}));
}

void TestTextFile::readTextLinesNamesTheFolderOfAMissingFile()
{
    QTemporaryDir folder;

    const TextFileLines file = readTextLines(folder.filePath(QStringLiteral("absent.txt")));

    QVERIFY(!file.ok());
    QVERIFY(file.lines.isEmpty());
    QVERIFY2(file.error.contains(QStringLiteral("\"absent.txt\"")), qPrintable(file.error));
    QVERIFY2(file.error.contains(QDir::toNativeSeparators(folder.path())), qPrintable(file.error));
}

void TestTextFile::writeTextFileWritesExactBytes()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.txt"));

    const QString reason = writeTextFile(path, QStringLiteral("M 31\tCaf\u00e9\r\nM 42\r\n"));

    QVERIFY2(reason.isEmpty(), qPrintable(reason));
    QCOMPARE(fileBytes(path), QByteArray("M 31\tCaf\xc3\xa9\r\nM 42\r\n"));
}

void TestTextFile::writeTextFileReplacesAnExistingFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("defaults.txt"));
    QVERIFY(writeBytes(path, "a much longer text that was there before\r\n"));

    const QString reason = writeTextFile(path, QStringLiteral("short\r\n"));

    QVERIFY2(reason.isEmpty(), qPrintable(reason));
    QCOMPARE(fileBytes(path), QByteArray("short\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"defaults.txt"});
}

void TestTextFile::writeTextFileReportsAFolderThatDoesNotExist()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("absent/results.txt"));

    const QString reason = writeTextFile(path, QStringLiteral("text\r\n"));

    QVERIFY(!reason.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestTextFile::writeTextFileReportsADirectoryInPlaceOfTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("results.txt"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("results.txt")));
    QVERIFY(writeBytes(path + QStringLiteral("/inside.txt"), "kept"));

    const QString reason = writeTextFile(path, QStringLiteral("text\r\n"));

    QVERIFY(!reason.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(fileBytes(path + QStringLiteral("/inside.txt")), QByteArray("kept"));
}

void TestTextFile::failedWriteLeavesTheExistingFileWhole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("defaults.txt"));
    const QByteArray before("51.5\r\n-0.1\r\n");
    QVERIFY(writeBytes(path, before));
    const QString longText = QString(100000, u'x') + QStringLiteral("\r\n");

    QString reason;
    {
        const FileSizeLimit limit(16);
        QVERIFY(limit.active);
        reason = writeTextFile(path, longText);
    }

    QVERIFY(!reason.isEmpty());
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"defaults.txt"});
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
