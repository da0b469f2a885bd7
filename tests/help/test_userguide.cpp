#include "ui/help/userguide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUserGuide : public QObject {
    Q_OBJECT

private slots:
    // The folders in turn: beside the program, then the installed data folder.
    void firstFolderWithTheGuideWins()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString share = root.filePath(QStringLiteral("share"));
        const QUrl inBin = QUrl::fromLocalFile(bin + "/guide.html");
        const QUrl inShare = QUrl::fromLocalFile(share + "/guide.html");
        QCOMPARE(userGuideAddress({bin, share}), inShare);  // none has one: the last folder
        QVERIFY(QDir().mkpath(bin + "/guide.html") && QDir().mkpath(share));
        QVERIFY(QFile(share + "/guide.html").open(QIODevice::WriteOnly));
        QCOMPARE(userGuideAddress({bin, share}), inShare);  // a folder is no guide
        QVERIFY(QDir(bin).rmdir("guide.html"));
        QVERIFY(QFile(bin + "/guide.html").open(QIODevice::WriteOnly));
        QCOMPARE(userGuideAddress({bin, share}), inBin);
    }
};

QTEST_GUILESS_MAIN(TestUserGuide)
#include "test_userguide.moc"
