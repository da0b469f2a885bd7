#include "filesizelimit.h"
#include "io/textfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

// Reading and writing the program's text files.
class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF, LF, CR") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("a final line end ends the last line") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("two final line ends") << "a\nb\n\n" << QStringList{"a", "b", ""};
        QTest::newRow("LF CR is two line ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty text") << "" << QStringList{};
    }

    void splitLines()
    {
        QFETCH(QString, text);
        QTEST(::splitLines(text), "lines");
    }

    void decodeText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("\xc3\xa9\xe2\x80\x93") << QStringLiteral("\u00e9\u2013");
        // One byte that is not UTF-8 makes the whole text Latin-1, so that no byte is lost.
        QTest::newRow("UTF-8 and one Latin-1 byte") << QByteArray("\xc3\xa9 \xe9") << QStringLiteral("\u00c3\u00a9 \u00e9");
        QTest::newRow("cut UTF-8 sequence") << QByteArray("ab\xc3") << QStringLiteral("ab\u00c3");
    }

    void decodeText()
    {
        QFETCH(QByteArray, bytes);
        QTEST(::decodeText(bytes), "text");
    }

    void writeReplacesWithExactBytes()
    {
        const QTemporaryDir folder;
        const QString path = folder.filePath("results.txt");
        QVERIFY(writeTextFile(path, "a much longer text than the new one").isEmpty());
        QCOMPARE(writeTextFile(path, QStringLiteral("M 31\tCaf\u00e9\r\n")), QString());
        QCOMPARE(fileBytes(path), QByteArray("M 31\tCaf\xc3\xa9\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"results.txt"});
    }

    void failedWriteLeavesTheExistingFileWhole_data()
    {
        QTest::addColumn<int>("characters");
        QTest::newRow("held in the write buffer") << 1000;  // fails only when flushed
        QTest::newRow("written at once") << 100000;
    }

    void failedWriteLeavesTheExistingFileWhole()
    {
        QFETCH(int, characters);
        const QTemporaryDir folder;
        const QString path = folder.filePath("defaults.txt");
        QVERIFY(writeTextFile(path, "51.5\r\n-0.1\r\n").isEmpty());
        QString reason;
        {
            const FileSizeLimit fullDisk;
            reason = writeTextFile(path, QString(characters, u'x'));
        }
        QCOMPARE(reason, qt_error_string(EFBIG));  // the system's own words, never "Unknown error"
        QCOMPARE(fileBytes(path), QByteArray("51.5\r\n-0.1\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"defaults.txt"});
    }

    void refusesWhatIsNotAFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing") << "absent.csv" << "There is no file \"absent.csv\" in the folder";
        QTest::newRow("device") << "/dev/zero" << "is not a file that can be read";
        QTest::newRow("pipe") << "pipe" << "is not a file that can be read";  // reading would wait for ever
        QTest::newRow("over 64 MB") << "huge.csv" << "is too large to be read (over 64 MB)";
    }

    void refusesWhatIsNotAFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        const QTemporaryDir folder;
        QVERIFY(QDir::setCurrent(folder.path()) && mkfifo("pipe", 0600) == 0);
        QFile huge(QStringLiteral("huge.csv"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxTextFileBytes + 1));
        const TextFileLines file = readTextLines(path);
        QDir::setCurrent(QDir::tempPath());
        QVERIFY(file.lines.isEmpty());
        QVERIFY2(file.problem.contains(problem), qPrintable(file.problem));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
