#include "ui/help/userguide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestUserGuide : public QObject {
    Q_OBJECT

private slots:
    void init();

    void firstFolderWithAGuideWins();
    void laterFolderWhenTheFirstHasNone();
    void installedAddressWhenNoFolderHasOne();
    void aFolderNamedLikeTheGuideIsNoGuide();

private:
    QString folder(const QString &name, bool withGuide);

    std::unique_ptr<QTemporaryDir> root;  // a fresh one for every test
};

void TestUserGuide::init()
{
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
}

QString TestUserGuide::folder(const QString &name, bool withGuide)
{
    const QString path = root->filePath(name);
    if (!QDir().mkpath(path))
        return {};
    if (withGuide) {
        QFile guide(path + QStringLiteral("/guide.html"));
        if (!guide.open(QIODevice::WriteOnly) || guide.write("<html></html>") < 0)
            return {};
    }
    return path;
}

void TestUserGuide::firstFolderWithAGuideWins()
{
    const QString besideProgram = folder(QStringLiteral("bin"), true);
    const QString installed = folder(QStringLiteral("share"), true);
    QCOMPARE(userGuideAddress({besideProgram, installed}),
             QUrl(QStringLiteral("file://") + besideProgram + QStringLiteral("/guide.html")));
}

void TestUserGuide::laterFolderWhenTheFirstHasNone()
{
    const QString besideProgram = folder(QStringLiteral("bin"), false);
    const QString installed = folder(QStringLiteral("share"), true);
    QCOMPARE(userGuideAddress({besideProgram, installed}),
             QUrl(QStringLiteral("file://") + installed + QStringLiteral("/guide.html")));
}

void TestUserGuide::installedAddressWhenNoFolderHasOne()
{
    const QString besideProgram = folder(QStringLiteral("bin"), false);
    const QString installed = root->filePath(QStringLiteral("not-installed"));
    QCOMPARE(userGuideAddress({besideProgram, installed}),
             QUrl(QStringLiteral("file://") + installed + QStringLiteral("/guide.html")));
}

void TestUserGuide::aFolderNamedLikeTheGuideIsNoGuide()
{
    const QString besideProgram = folder(QStringLiteral("bin"), false);
    QVERIFY(QDir().mkpath(besideProgram + QStringLiteral("/guide.html")));
    const QString installed = folder(QStringLiteral("share"), true);
    QCOMPARE(userGuideAddress({besideProgram, installed}),
             QUrl(QStringLiteral("file://") + installed + QStringLiteral("/guide.html")));
}

QTEST_GUILESS_MAIN(TestUserGuide)
#include "test_userguide.moc"
