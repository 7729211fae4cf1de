#include "MDI.h"
#include "ProbeForm.h"
#include "TestRegistry.h"
#include "WindowNotifier.h"
#include "WindowRegistry.h"

#include <QMdiSubWindow>
#include <QTest>

// Which main window a window's requests reach, and which windows still hear the news.
class tst_WindowNotifier : public QObject
{
    Q_OBJECT
private slots:
    void init() { ProbeForm::script = {}; }
    void cleanup() { WindowRegistry::setProgramRegistry(nullptr); }
    void requestsReachTheRightMainWindow_data();
    void requestsReachTheRightMainWindow();
    void onlyLoadedWindowsHearNews_data();
    void onlyLoadedWindowsHearNews();
};

// Two main windows, as a test next to the running program has: a window asks its own, and one
// that no main window holds asks the program's.
void tst_WindowNotifier::requestsReachTheRightMainWindow_data()
{
    QTest::addColumn<int>("host"); // -1: a window outside every main window
    QTest::addColumn<int>("program"); // -1: start-up named none
    QTest::addColumn<int>("expected");
    QTest::newRow("own before the program's") << 0 << 1 << 0;
    QTest::newRow("own without a program's") << 1 << -1 << 1;
    QTest::newRow("outside: the program's") << -1 << 1 << 1;
}

void tst_WindowNotifier::requestsReachTheRightMainWindow()
{
    QFETCH(int, host);
    QFETCH(int, program);
    QFETCH(int, expected);
    MDI mains[2];
    if (program >= 0)
        WindowRegistry::setProgramRegistry(&mains[program].registry());
    ProbeForm outside;
    ChildForm *form = host >= 0 ? mains[host].registry().open<ProbeForm>() : &outside;
    QCOMPARE(WindowNotifier::of(form), &mains[expected].registry().notifier());
}

// A window that has closed no longer answers, also while its frame waits to be deleted; one
// that refused to close still does.
void tst_WindowNotifier::onlyLoadedWindowsHearNews_data()
{
    QTest::addColumn<bool>("refuseClose");
    QTest::addColumn<int>("heard");
    QTest::newRow("closed") << false << 1;
    QTest::newRow("close refused") << true << 2;
}

void tst_WindowNotifier::onlyLoadedWindowsHearNews()
{
    QFETCH(bool, refuseClose);
    QFETCH(int, heard);
    MDI main;
    auto *probe = main.registry().open<ProbeForm>();
    int calls = 0;
    WindowNotifier &notifier = main.registry().notifier();
    notifier.subscribe(probe, &WindowNotifier::machinesChanged, [&calls] { ++calls; });
    emit notifier.machinesChanged(QStringLiteral("Acme Office"));

    ProbeForm::script.refuseClose = refuseClose;
    QCOMPARE(qobject_cast<QMdiSubWindow *>(probe->parentWidget())->close(), !refuseClose);
    emit notifier.machinesChanged(QStringLiteral("Acme Office"));
    QCOMPARE(calls, heard);
}

CORVANE_TEST(tst_WindowNotifier)
#include "tst_WindowNotifier.moc"
