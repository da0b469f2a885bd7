#include "filesizelimit.h"
#include "formats/textfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

// Reading and writing the program's text files.
class TestFormatsTextFile : public QObject {
    Q_OBJECT

private slots:
    // LF CR is two line ends; a final line end ends the last line, it starts none. One byte that
    // is not UTF-8 makes the whole text Latin-1, so that no byte is lost; a sequence cut at the end
    // is such a byte.
    void decodesAndSplitsLines()
    {
        const std::pair<QByteArray, QStringList> cases[] = {
            {"a\r\nb\nc\rd\n\re\r", {"a", "b", "c", "d", "", "e"}}, {"a\nb\n\n", {"a", "b", ""}}, {"", {}},
            {"\xc3\xa9\xe2\x80\x93", {"\u00e9\u2013"}}, {"\xc3\xa9 \xe9\n", {"\u00c3\u00a9 \u00e9"}}, {"ab\xc3", {"ab\u00c3"}}};
        for (const auto &[bytes, lines] : cases)
            QCOMPARE(splitLines(decodeText(bytes)), lines);
    }

    // A write replaces a longer file with exactly its bytes, and leaves no other file behind. One
    // that fails, held in the write buffer until the flush or written at once, leaves the existing
    // file whole, with the system's own words, never "Unknown error".
    void writesWholeFilesOrNone()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath("results.txt");
        QVERIFY(!writeTextFile(path, "a much longer text than the new one"));
        QVERIFY(!writeTextFile(path, "M 31\tCaf\u00e9\r\n"));
        QCOMPARE(fileBytes(path), QByteArray("M 31\tCaf\xc3\xa9\r\n"));
        for (const int characters : {1000, 100000}) {
            const auto problem = [&] { const FileSizeLimit fullDisk; return writeTextFile(path, QString(characters, u'x')); }();
            QCOMPARE(problem.value().what, qt_error_string(EFBIG));
            QCOMPARE(fileBytes(path), QByteArray("M 31\tCaf\xc3\xa9\r\n"));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"results.txt"});
    }

    void refusesWhatIsNotAFile()
    {
        const QTemporaryDir folder;
        QVERIFY(mkfifo(qPrintable(folder.filePath("pipe")), 0600) == 0);  // reading would wait for ever
        for (const qint64 bytes : {MaxTextFileBytes, MaxTextFileBytes + 1}) {
            QFile file(folder.filePath(QString::number(bytes)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(bytes));
        }
        QVERIFY(readTextLines(folder.filePath(QString::number(MaxTextFileBytes))).ok());  // just at the limit
        const std::pair<QString, QString> cases[] = {
            {"absent.csv", "There is no file \"absent.csv\" in the folder"},
            {"pipe", "\"" + QDir::toNativeSeparators(folder.filePath("pipe")) + "\" is not a file that can be read"},
            {QString::number(MaxTextFileBytes + 1), "is too large to be read (over 64 MB)"}};
        for (const auto &[name, problem] : cases) {
            const Result<QStringList> file = readTextLines(folder.filePath(name));
            QVERIFY2(!file.ok() && file.problem().what.contains(problem), qPrintable(file.problem().what));
        }
    }
};

QTEST_GUILESS_MAIN(TestFormatsTextFile)
#include "test_formats_textfile.moc"
