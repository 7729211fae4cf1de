#include "FakeRegistry.h"
#include "MDI.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "WindowTestBase.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

// The About box as the user meets it: opened from Help, About in the main window, on a machine
// that names no system information tool.
class tst_AboutWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void looksAsDesigned();
    void keysAndButtons_data();
    void keysAndButtons();

private:
    frmAbout *openFromMenu();

    std::unique_ptr<FakeRegistry> m_store;
    std::unique_ptr<ScriptedMsgBox> m_messages;
    std::unique_ptr<MDI> m_main;
};

namespace {

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

void tst_AboutWindow::init()
{
    cleanup();
    m_store = std::make_unique<FakeRegistry>();
    m_messages = std::make_unique<ScriptedMsgBox>();
    m_main = std::make_unique<MDI>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_AboutWindow::cleanup()
{
    // Everything goes before anything is checked, so that a failure leaves nothing behind.
    m_main.reset();
    const QStringList problems = m_messages ? m_messages->problems() : QStringList();
    m_messages.reset();
    m_store.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

frmAbout *tst_AboutWindow::openFromMenu()
{
    m_main->findChild<QAction *>(QStringLiteral("About"))->trigger();
    return m_main->registry().find<frmAbout>();
}

void tst_AboutWindow::looksAsDesigned()
{
    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QCOMPARE(openFromMenu(), form); // once, and not modal
    QCOMPARE(m_main->area()->subWindowList().size(), 1);
    QVERIFY(!QApplication::activeModalWidget());
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    QCOMPARE(frame->windowTitle(), QStringLiteral("About Screen"));
    QVERIFY(
        !(frame->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(frame->minimumSize(), frame->maximumSize());
    QVERIFY(m_main->area()->viewport()->rect().contains(frame->geometry()));

    // Texts top to bottom, each whole and readable, beside the picture and above the rule.
    const QStringList texts
        = { "Corvane", "Version 1.3 12/12/03", "Designed and Written By:", "Velmora" };
    const QList<QLabel *> labels
        = { form->lblTitle, form->lblVersion, form->lblDescription, form->Label1 };
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(accessibleName(labels[i]), texts[i]);
        QVERIFY(labels[i]->sizeHint().width() <= labels[i]->width());
        QVERIFY(i == 0 || labels[i]->y() > labels[i - 1]->geometry().bottom());
    }
    QVERIFY(form->Label1->geometry().bottom() < form->ruleY());
    QCOMPARE(form->Label1->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(form->Label1->font().pointSize(), 12);
    QVERIFY(form->Label1->font().bold());

    // The program's own icon, 32 by 32 at the top left, and the main window's too.
    QCOMPARE(form->picIcon->pixmap().size(), QSize(32, 32));
    QCOMPARE(m_main->windowIcon().pixmap(32, 32).toImage(), form->picIcon->pixmap().toImage());

    // The etched rule: grey over white, between its ends.
    const QImage image = form->grab().toImage();
    const int y = form->ruleY();
    for (int x : { form->ruleLeft(), form->width() / 2, form->ruleRight() }) {
        QCOMPARE(image.pixelColor(x, y), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(x, y + 1), QColor(Qt::white));
    }

    // Buttons below the rule, named by their captions; OK is the default and has the focus.
    QCOMPARE(accessibleName(form->cmdOK), QStringLiteral("OK"));
    QCOMPARE(form->cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(accessibleName(form->cmdSysInfo), QStringLiteral("System Info..."));
    QVERIFY(form->cmdOK->isDefault());
    QCOMPARE(QApplication::focusWidget(), form->cmdOK);
    for (QPushButton *button : { form->cmdOK, form->cmdSysInfo }) {
        QVERIFY(button->sizeHint().width() <= button->width());
        QVERIFY(button->y() > y + 1 && form->rect().contains(button->geometry()));
    }

    QVERIFY(WindowTestBase::saveScreenshot(frame, "about.png"));
}

void tst_AboutWindow::keysAndButtons_data()
{
    QTest::addColumn<QString>("focus"); // the control the key goes to
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes"); // else it tells that the tool is unavailable

    const int none = Qt::NoModifier;
    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << none << true;
    QTest::newRow("keypad Enter on OK") << "cmdOK" << int(Qt::Key_Enter) << none << true;
    QTest::newRow("Escape on System Info") << "cmdSysInfo" << int(Qt::Key_Escape) << none << true;
    QTest::newRow("Enter on the window") << "frmAbout" << int(Qt::Key_Return) << none << true;
    QTest::newRow("Escape on the window") << "frmAbout" << int(Qt::Key_Escape) << none << true;
    QTest::newRow("OK clicked") << "cmdOK" << 0 << none << true;
    QTest::newRow("System Info clicked") << "cmdSysInfo" << 0 << none << false;
    QTest::newRow("Enter on System Info") << "cmdSysInfo" << int(Qt::Key_Return) << none << false;
    QTest::newRow("Alt+S on OK") << "cmdOK" << int(Qt::Key_S) << int(Qt::AltModifier) << false;
}

void tst_AboutWindow::keysAndButtons()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);

    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QPointer<QWidget> frame = form->parentWidget();
    auto *target = focus == "frmAbout" ? form : form->findChild<QWidget *>(focus);
    target->setFocus();
    if (!closes)
        m_messages->expect("System Information Is Unavailable At This Time", "Corvane");
    if (key)
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        QTest::mouseClick(target, Qt::LeftButton);

    if (closes) {
        QVERIFY(!m_main->registry().find<frmAbout>());
        QTRY_VERIFY(frame.isNull());
    } else {
        // An access key clicks its button as a click looks: a moment later. The window stays.
        QTRY_VERIFY(m_messages->allShown());
        QCOMPARE(m_main->registry().find<frmAbout>(), form);
    }
}

CORVANE_TEST(tst_AboutWindow)
#include "tst_AboutWindow.moc"
