#include "tst_MainWindow.h"
#include "TestRegistry.h"

#include "ProbeForm.h"
#include "ErrorGuard.h"
#include "MDI.h"
#include "MainMod.h"
#include "frmNavigator.h"
#include "ScriptedMsgBox.h"
#include "TempDatabase.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

QList<QMdiSubWindow *> frames(MDI &main)
{
    return main.area()->subWindowList();
}

} // namespace

tst_MainWindow::tst_MainWindow() = default;
tst_MainWindow::~tst_MainWindow() = default;

void tst_MainWindow::init()
{
    m_database = std::make_unique<TempDatabase>();
    m_database->addCustomer(QStringLiteral("Acme Office"), { { "City", "Salem" } });
    m_messages = std::make_unique<ScriptedMsgBox>();
    ProbeForm::script = {};
    m_exits = 0;
    MDI::setExitHandler([this] { ++m_exits; });
    m_main = std::make_unique<MDI>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void tst_MainWindow::cleanup()
{
    // Tearing down is no closing: no window's closing logic runs here.
    m_main.reset();
    MDI::setExitHandler(nullptr);
    QVERIFY2(m_messages->problems().isEmpty(), qPrintable(m_messages->problems().join('\n')));
    m_messages.reset();
    m_database.reset();
    gNavigatorOpen = false;
}

void tst_MainWindow::trigger(const char *action)
{
    auto *found = m_main->findChild<QAction *>(QLatin1String(action));
    QVERIFY2(found, action);
    found->trigger();
}

void tst_MainWindow::captionAndClientArea()
{
    QCOMPARE(m_main->objectName(), QStringLiteral("MDI"));
    QCOMPARE(m_main->windowTitle(), QStringLiteral("Corvane"));
    QCOMPARE(m_main->centralWidget(), m_main->area());
    // 11100 x 8910 twips at 15 twips to the pixel.
    QCOMPARE(m_main->area()->size(), QSize(740, 594));
    QVERIFY(frames(*m_main).isEmpty());
}

void tst_MainWindow::menuBar_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items"); // object names of the items under it

    QTest::newRow("File") << 0 << "File"
                          << "File" << QStringList { "Exit" };
    QTest::newRow("Customer Entry") << 1 << "CustomerEntry"
                                    << "Customer Entry" << QStringList {};
    QTest::newRow("Customer Navigator") << 2 << "CustomerNavigator"
                                        << "Customer Navigator" << QStringList {};
    QTest::newRow("Help") << 3 << "Help"
                          << "Help" << QStringList { "About" };
}

void tst_MainWindow::menuBar()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);

    const QList<QAction *> bar = m_main->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QAction *entry = bar.at(position);
    QCOMPARE(entry->objectName(), name);
    QCOMPARE(entry->text(), caption);
    QStringList under;
    if (entry->menu())
        for (const QAction *item : entry->menu()->actions())
            under << item->objectName();
    QCOMPARE(under, items);
}

void tst_MainWindow::noAccessOrShortcutKeys()
{
    const QList<QAction *> actions = m_main->findChildren<QAction *>();
    QCOMPARE(captions(actions).filter(QStringLiteral("&")), QStringList());
    for (const QAction *action : actions)
        QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->text()));
}

void tst_MainWindow::navigatorOpenedTwiceIsOneWindow()
{
    trigger("CustomerNavigator");
    auto *navigator = m_main->registry().find<frmNavigator>();
    QVERIFY(navigator);
    QVERIFY(gNavigatorOpen);
    navigator->txtSearch->setText(QStringLiteral("toner"));

    // Another window in front: choosing the navigator again neither resets nor raises it.
    auto *probe = m_main->registry().open<ProbeForm>();
    m_main->area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(probe->parentWidget()));
    trigger("CustomerNavigator");

    QCOMPARE(m_main->registry().find<frmNavigator>(), navigator);
    QCOMPARE(navigator->txtSearch->text(), QStringLiteral("toner"));
    QCOMPARE(frames(*m_main).size(), 2);
    QCOMPARE(m_main->area()->activeSubWindow()->widget(), probe);
}

void tst_MainWindow::reopenedAfterCloseIsFresh_data()
{
    QTest::addColumn<bool>("closedByFrame"); // else the window closes itself
    QTest::newRow("closed with the frame's close box") << true;
    QTest::newRow("the window closes itself") << false;
}

void tst_MainWindow::reopenedAfterCloseIsFresh()
{
    QFETCH(bool, closedByFrame);

    auto *first = m_main->registry().open<ProbeForm>();
    QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow *>(first->parentWidget());
    QVERIFY(frame);
    QVERIFY(frame->isVisible());
    QCOMPARE(ProbeForm::script.loads, 1);

    QVERIFY(closedByFrame ? frame->close() : first->close());
    QCOMPARE(ProbeForm::script.queries, 1);
    QCOMPARE(ProbeForm::script.unloads, 1);
    QVERIFY(!m_main->registry().find<ProbeForm>());
    // Asked for again at once, before the old frame is deleted: a fresh window.
    QPointer<ProbeForm> old = first;
    auto *second = m_main->registry().open<ProbeForm>();
    QCOMPARE(ProbeForm::script.loads, 2);
    QVERIFY(second->isVisible());
    QTRY_VERIFY(frame.isNull());
    QVERIFY(old.isNull());
    QCOMPARE(frames(*m_main).size(), 1);
    QCOMPARE(m_main->registry().find<ProbeForm>(), second);
}

void tst_MainWindow::captionFollowsTheWindow()
{
    auto *probe = m_main->registry().open<ProbeForm>();
    auto *frame = qobject_cast<QMdiSubWindow *>(probe->parentWidget());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Probe"));
    probe->setWindowTitle(QStringLiteral("Probe *"));
    QCOMPARE(frame->windowTitle(), QStringLiteral("Probe *"));
    probe->setWindowTitle(QStringLiteral("Probe"));
    QCOMPARE(frame->windowTitle(), QStringLiteral("Probe"));
    // The frame fits the window's own size.
    QCOMPARE(probe->size(), QSize(300, 200));
}

void tst_MainWindow::failedLoadLeavesNoWindow()
{
    ProbeForm::script.failLoad = true;
    m_messages->expect(QStringLiteral("no such table: Probe"), QStringLiteral("Corvane"));
    QVERIFY(!runGuarded([this] { m_main->registry().open<ProbeForm>(); }));
    QVERIFY(m_messages->allShown());
    QVERIFY(!m_main->registry().find<ProbeForm>());
    QVERIFY(frames(*m_main).isEmpty());

    ProbeForm::script.failLoad = false;
    QVERIFY(m_main->registry().open<ProbeForm>()->isVisible());
    QCOMPARE(ProbeForm::script.loads, 2);
}

void tst_MainWindow::exitRunsNoClosingLogic()
{
    ProbeForm::script.refuseClose = true;
    m_main->registry().open<ProbeForm>();
    trigger("CustomerNavigator");

    trigger("Exit");
    QCOMPARE(m_exits, 1);
    QCOMPARE(ProbeForm::script.queries, 0);
    QCOMPARE(ProbeForm::script.unloads, 0);
    QVERIFY(gNavigatorOpen); // the navigator's closing logic did not run either
    QCOMPARE(frames(*m_main).size(), 2);
}

void tst_MainWindow::closeBoxStopsAtRefusingChild_data()
{
    QTest::addColumn<bool>("refuserFirst");
    QTest::newRow("the refusing window opened first") << true;
    QTest::newRow("the refusing window opened last") << false;
}

void tst_MainWindow::closeBoxStopsAtRefusingChild()
{
    QFETCH(bool, refuserFirst);

    ProbeForm::script.refuseClose = true;
    if (refuserFirst)
        m_main->registry().open<ProbeForm>();
    trigger("CustomerNavigator");
    if (!refuserFirst)
        m_main->registry().open<ProbeForm>();

    QVERIFY(!m_main->close());
    QVERIFY(m_main->isVisible());
    QCOMPARE(m_exits, 0);
    QCOMPARE(ProbeForm::script.queries, 1);
    QCOMPARE(ProbeForm::script.unloads, 0);
    QVERIFY(m_main->registry().find<ProbeForm>());
    // One by one in the order they opened: the navigator closed only when it came first.
    QCOMPARE(gNavigatorOpen, refuserFirst);
    QCOMPARE(bool(m_main->registry().find<frmNavigator>()), refuserFirst);
}

void tst_MainWindow::closeBoxClosesEveryChild()
{
    m_main->registry().open<ProbeForm>();
    trigger("CustomerNavigator");

    QVERIFY(m_main->close());
    QVERIFY(!m_main->isVisible());
    QCOMPARE(ProbeForm::script.unloads, 1);
    QVERIFY(!gNavigatorOpen);
    QVERIFY(!m_main->registry().find<ProbeForm>());
    QVERIFY(!m_main->registry().find<frmNavigator>());
}

CORVANE_TEST(tst_MainWindow)
