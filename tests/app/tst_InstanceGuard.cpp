#include "InstanceGuard.h"
#include "TestRegistry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

class tst_InstanceGuard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void secondCopy_data();
    void secondCopy();
    void releasedWhenGone();
    void deadCopyIsTakenOver();
    void anotherUserHasTheirOwn();
    void longRunningCopyKeepsIt();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_install;
};

void tst_InstanceGuard::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_install = m_root->filePath("install");
    QVERIFY(QDir().mkpath(m_install + "/sub"));
    QVERIFY(QDir().mkpath(m_root->filePath("other")));
    QVERIFY(QFile::link(m_install, m_root->filePath("link")));
}

void tst_InstanceGuard::secondCopy_data()
{
    QTest::addColumn<QString>("secondFolder");
    QTest::addColumn<bool>("secondGets");

    QTest::newRow("same folder") << "install" << false;
    QTest::newRow("same folder by another path") << "install/sub/.." << false;
    QTest::newRow("same folder through a link") << "link" << false;
    QTest::newRow("trailing slash") << "install/" << false;
    QTest::newRow("another folder") << "other" << true;
    QTest::newRow("a folder inside") << "install/sub" << true;
}

void tst_InstanceGuard::secondCopy()
{
    QFETCH(QString, secondFolder);
    InstanceGuard first(m_install);
    QVERIFY(first.tryAcquire());
    QVERIFY(first.tryAcquire()); // asking again while holding it
    InstanceGuard second(m_root->filePath(secondFolder));
    QTEST(second.tryAcquire(), "secondGets");
}

void tst_InstanceGuard::releasedWhenGone()
{
    {
        InstanceGuard first(m_install);
        QVERIFY(first.tryAcquire());
        InstanceGuard blocked(m_install);
        QVERIFY(!blocked.tryAcquire());
    }
    InstanceGuard later(m_install);
    QVERIFY(later.tryAcquire());
}

namespace {

// Whether a copy started in a process of its own, as the user `uid` (-1: as this one), got the
// guard of `folder`; the process ends without releasing anything.
bool childAcquires(const QString &folder, int uid = -1)
{
    const pid_t child = fork();
    if (child == 0) {
        if (uid >= 0 && setuid(uid_t(uid)) != 0)
            _exit(2);
        InstanceGuard guard(folder);
        _exit(guard.tryAcquire() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)
        && WEXITSTATUS(status) == 0;
}

} // namespace

void tst_InstanceGuard::deadCopyIsTakenOver()
{
    // A copy that dies without cleaning up leaves its guard behind.
    QVERIFY(childAcquires(m_install));
    InstanceGuard next(m_install);
    QVERIFY(next.tryAcquire());
}

void tst_InstanceGuard::anotherUserHasTheirOwn()
{
    if (geteuid() != 0)
        QSKIP("needs root to start a copy as another user");
    InstanceGuard first(m_install);
    QVERIFY(first.tryAcquire());
    QVERIFY(childAcquires(m_install, 65534)); // nobody
}

void tst_InstanceGuard::longRunningCopyKeepsIt()
{
    // The guards live in the temporary folder; a private one makes this test's easy to find.
    QTemporaryDir temp;
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    InstanceGuard first(m_install);
    const bool acquired = first.tryAcquire();
    const QStringList locks = QDir(temp.path()).entryList({ "*.lock" }, QDir::Files);
    qputenv("TMPDIR", before);
    QVERIFY(acquired);
    QCOMPARE(locks.size(), 1);

    // A copy that has run for hours is still running.
    QFile lock(temp.filePath(locks[0]));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(
        QDateTime::currentDateTime().addSecs(-4 * 3600), QFileDevice::FileModificationTime));
    lock.close();
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    InstanceGuard second(m_install);
    const bool secondGets = second.tryAcquire();
    qputenv("TMPDIR", before);
    QVERIFY(!secondGets);
}

CORVANE_TEST(tst_InstanceGuard)
#include "tst_InstanceGuard.moc"
