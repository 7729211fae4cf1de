#include "tst_ErrorGuard.h"
#include "TestRegistry.h"

#include "ProbeForm.h"
#include "BusyCursor.h"
#include "ErrorGuard.h"
#include "MDI.h"
#include "DbError.h"
#include "ScriptedMsgBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

const QString Title = QStringLiteral("Corvane");
const QString Locked = QStringLiteral("database is locked");

// An action of three steps, each under the hourglass, one of which may fail.
QStringList runSteps(int failingStep, bool &finished)
{
    QStringList ran;
    finished = runGuarded([&] {
        BusyCursor busy;
        for (int step = 1; step <= 3; ++step) {
            ran << QString::number(step);
            if (step == failingStep)
                throw DbError(Locked, QStringLiteral("UPDATE Customer SET City = 'Salem'"));
        }
    });
    return ran;
}

// A window whose own event handling meets an engine error.
class FailingWidget : public QWidget
{
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw DbError(Locked);
        return QWidget::event(event);
    }
};

} // namespace

tst_ErrorGuard::tst_ErrorGuard() = default;
tst_ErrorGuard::~tst_ErrorGuard() = default;

void tst_ErrorGuard::init()
{
    m_messages = std::make_unique<ScriptedMsgBox>();
    ProbeForm::script = {};
}

void tst_ErrorGuard::cleanup()
{
    QVERIFY2(m_messages->problems().isEmpty(), qPrintable(m_messages->problems().join('\n')));
    m_messages.reset();
    QVERIFY(!QApplication::overrideCursor());
}

void tst_ErrorGuard::stopsAtTheFailingStep_data()
{
    QTest::addColumn<int>("failingStep");
    QTest::addColumn<QStringList>("ran");
    QTest::newRow("no failure") << 0 << QStringList { "1", "2", "3" };
    QTest::newRow("first step fails") << 1 << QStringList { "1" };
    QTest::newRow("middle step fails") << 2 << QStringList { "1", "2" };
    QTest::newRow("last step fails") << 3 << QStringList { "1", "2", "3" };
}

void tst_ErrorGuard::stopsAtTheFailingStep()
{
    QFETCH(int, failingStep);
    QFETCH(QStringList, ran);

    bool busyDuringMessage = false;
    MsgBox::setHandler([&](const QString &text, const QString &title, MsgBox::Buttons buttons) {
        busyDuringMessage = QApplication::overrideCursor() != nullptr;
        return text == Locked && title == Title && buttons == MsgBox::OK ? MsgBox::Ok
                                                                         : MsgBox::Cancel;
    });
    bool finished = false;
    QCOMPARE(runSteps(failingStep, finished), ran);
    QCOMPARE(finished, failingStep == 0);
    QVERIFY(!busyDuringMessage);
    QVERIFY(!QApplication::overrideCursor());
}

void tst_ErrorGuard::otherExceptionsAreNotSwallowed()
{
    // Only the engine's refusals are the user's business; anything else is a fault to surface.
    QVERIFY_THROWS_EXCEPTION(
        std::logic_error, runGuarded([] { throw std::logic_error("not an engine error"); }));
}

void tst_ErrorGuard::nestedActionStopsTheOuterOne()
{
    // A change handler raised by the action's own programmatic change fails: the action that
    // made the change stops there too, and the user hears of it once.
    QLineEdit box;
    QObject::connect(&box, &QLineEdit::textChanged, &box, guarded([](const QString &text) {
        if (text == QStringLiteral("Acme"))
            throw DbError(Locked);
    }));
    m_messages->expect(Locked, Title);

    QStringList ran;
    const bool finished = runGuarded([&] {
        ran << "before";
        box.setText(QStringLiteral("Acme"));
        ran << "after";
    });
    QVERIFY(!finished);
    QCOMPARE(ran, QStringList { "before" });
    QVERIFY(m_messages->allShown());
    // The box itself goes on working.
    box.setText(QStringLiteral("Acme Office"));
    QCOMPARE(box.text(), QStringLiteral("Acme Office"));
}

void tst_ErrorGuard::guardedPassesSignalArguments()
{
    QLineEdit box;
    QStringList seen;
    int plain = 0;
    QObject::connect(
        &box, &QLineEdit::textChanged, &box, guarded([&](const QString &text) { seen << text; }));
    QObject::connect(&box, &QLineEdit::textChanged, &box, guarded([&] { ++plain; }));
    box.setText(QStringLiteral("Salem"));
    QCOMPARE(seen, QStringList { "Salem" });
    QCOMPARE(plain, 1);
}

void tst_ErrorGuard::eventHandlerErrorIsCaughtByTheApplication()
{
    FailingWidget widget;
    m_messages->expect(Locked, Title);
    QEvent event(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&widget, &event));
    QVERIFY(m_messages->allShown());
    // The program goes on delivering events.
    QEvent later(QEvent::User);
    m_messages->expect(Locked, Title);
    QCoreApplication::sendEvent(&widget, &later);
    QVERIFY(m_messages->allShown());
}

void tst_ErrorGuard::failedClosingLogicKeepsTheWindow()
{
    MDI main;
    main.show();
    auto *probe = main.registry().open<ProbeForm>();
    ProbeForm::script.failUnload = true;

    m_messages->expect(Locked, Title);
    QVERIFY(!main.close());
    QVERIFY(m_messages->allShown());
    QVERIFY(main.isVisible());
    QCOMPARE(main.registry().find<ProbeForm>(), probe);
    QVERIFY(probe->parentWidget()->isVisible());

    ProbeForm::script.failUnload = false;
    QVERIFY(main.close());
}

CORVANE_TEST(tst_ErrorGuard)
