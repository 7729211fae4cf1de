#include "FakeRegistry.h"
#include "MDI.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

// The About box as the user meets it: opened from Help, About in the main window.
class TestAboutWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromHelpOnce();
    void textsAndPicture();
    void buttons();
    void fixedDialogBorder();
    void etchedRule();
    void keysThatClose_data();
    void keysThatClose();
    void systemInfo_data();
    void systemInfo();

private:
    frmAbout *openFromMenu();
    QMdiSubWindow *frameOf(frmAbout *form) const;

    std::unique_ptr<FakeRegistry> m_store;
    std::unique_ptr<ScriptedMsgBox> m_messages;
    std::unique_ptr<MDI> m_main;
};

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

void TestAboutWindow::init()
{
    // An empty store: no system information tool is named.
    cleanup();
    m_store = std::make_unique<FakeRegistry>();
    m_messages = std::make_unique<ScriptedMsgBox>();
    m_main = std::make_unique<MDI>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void TestAboutWindow::cleanup()
{
    // Everything goes before anything is checked, so that a failure leaves nothing behind.
    m_main.reset();
    const QStringList problems = m_messages ? m_messages->problems() : QStringList();
    m_messages.reset();
    m_store.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

frmAbout *TestAboutWindow::openFromMenu()
{
    auto *about = m_main->findChild<QAction *>(QStringLiteral("About"));
    if (!about)
        return nullptr;
    about->trigger();
    return m_main->registry().find<frmAbout>();
}

QMdiSubWindow *TestAboutWindow::frameOf(frmAbout *form) const
{
    return qobject_cast<QMdiSubWindow *>(form->parentWidget());
}

void TestAboutWindow::opensFromHelpOnce()
{
    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QCOMPARE(frameOf(form)->windowTitle(), QStringLiteral("About Screen"));
    QVERIFY(!QApplication::activeModalWidget());

    QCOMPARE(openFromMenu(), form);
    QCOMPARE(m_main->area()->subWindowList().size(), 1);
    // Wholly inside the main window's client area.
    QVERIFY(m_main->area()->viewport()->rect().contains(frameOf(form)->geometry()));
}

void TestAboutWindow::textsAndPicture()
{
    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QCOMPARE(form->lblTitle->text(), QStringLiteral("Corvane"));
    QCOMPARE(form->lblVersion->text(), QStringLiteral("Version 1.3 12/12/03"));
    QCOMPARE(form->lblDescription->text(), QStringLiteral("Designed and Written By:"));
    QCOMPARE(form->Label1->text(), QStringLiteral("Velmora"));
    const QFont maker = form->Label1->font();
    QCOMPARE(maker.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(maker.pointSize(), 12);
    QVERIFY(maker.bold());

    // Top to bottom, each text whole, beside the picture and above the rule.
    const QList<QLabel *> texts
        = { form->lblTitle, form->lblVersion, form->lblDescription, form->Label1 };
    int below = 0;
    for (QLabel *text : texts) {
        QVERIFY2(text->geometry().top() >= below, qPrintable(text->objectName()));
        QVERIFY2(text->sizeHint().width() <= text->width(), qPrintable(text->objectName()));
        QVERIFY2(text->sizeHint().height() <= text->height() + 2, qPrintable(text->objectName()));
        QVERIFY(text->geometry().left() > form->picIcon->geometry().right());
        QCOMPARE(accessibleName(text), text->text());
        below = text->geometry().bottom();
    }
    QVERIFY(below < form->ruleY());

    // The program's own icon, 32 by 32, at the top left; the main window carries it too.
    QCOMPARE(form->picIcon->pixmap().size(), QSize(32, 32));
    QCOMPARE(form->picIcon->pos(), QPoint(16, 16));
    QVERIFY(!m_main->windowIcon().isNull());
    QCOMPARE(m_main->windowIcon().pixmap(32, 32).toImage(), form->picIcon->pixmap().toImage());
    QCOMPARE(
        QApplication::windowIcon().pixmap(32, 32).toImage(), form->picIcon->pixmap().toImage());

    // The screenshot a reviewer compares with the designed window.
    QDir().mkpath(CORVANE_BUILD_DIR "/screenshots");
    QVERIFY(frameOf(form)->grab().save(CORVANE_BUILD_DIR "/screenshots/about.png"));
}

void TestAboutWindow::buttons()
{
    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QCOMPARE(form->cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(form->cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(accessibleName(form->cmdOK), QStringLiteral("OK"));
    QCOMPARE(accessibleName(form->cmdSysInfo), QStringLiteral("System Info..."));
    QVERIFY(form->cmdOK->isDefault());
    QCOMPARE(QApplication::focusWidget(), form->cmdOK);
    for (QPushButton *button : { form->cmdOK, form->cmdSysInfo }) {
        QVERIFY(button->sizeHint().width() <= button->width());
        QVERIFY(button->geometry().top() > form->ruleY());
        QVERIFY(form->rect().contains(button->geometry()));
    }
    QVERIFY(!form->cmdOK->geometry().intersects(form->cmdSysInfo->geometry()));
}

void TestAboutWindow::fixedDialogBorder()
{
    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QMdiSubWindow *frame = frameOf(form);
    const Qt::WindowFlags flags = frame->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(frame->minimumSize(), frame->maximumSize());
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(form->size(), QSize(382, 200));
}

void TestAboutWindow::etchedRule()
{
    frmAbout *form = openFromMenu();
    QVERIFY(form);
    const QImage image = form->grab().toImage();
    const int y = form->ruleY();
    for (int x : { form->ruleLeft(), form->width() / 2, form->ruleRight() }) {
        QCOMPARE(image.pixelColor(x, y), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(x, y + 1), QColor(Qt::white));
        QVERIFY(image.pixelColor(x, y + 2) != QColor(Qt::white));
    }
    QVERIFY(image.pixelColor(form->ruleLeft() - 1, y) != QColor(0x80, 0x80, 0x80));
    QVERIFY(image.pixelColor(form->ruleRight() + 1, y) != QColor(0x80, 0x80, 0x80));
}

void TestAboutWindow::keysThatClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus"); // the control that has the focus when the key comes

    QTest::newRow("Enter on OK") << int(Qt::Key_Return) << "cmdOK";
    QTest::newRow("keypad Enter on OK") << int(Qt::Key_Enter) << "cmdOK";
    QTest::newRow("Escape on OK") << int(Qt::Key_Escape) << "cmdOK";
    QTest::newRow("Escape on System Info") << int(Qt::Key_Escape) << "cmdSysInfo";
    QTest::newRow("Enter on the window") << int(Qt::Key_Return) << "frmAbout";
    QTest::newRow("Escape on the window") << int(Qt::Key_Escape) << "frmAbout";
}

void TestAboutWindow::keysThatClose()
{
    QFETCH(int, key);
    QFETCH(QString, focus);

    frmAbout *form = openFromMenu();
    QVERIFY(form);
    QPointer<QMdiSubWindow> frame = frameOf(form);
    QWidget *target = focus == form->objectName() ? form : form->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(!m_main->registry().find<frmAbout>());
    QTRY_VERIFY(frame.isNull());
}

void TestAboutWindow::systemInfo_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("clicked") << "click";
    QTest::newRow("access key Alt+S") << "alt+s";
    QTest::newRow("Enter on the focused button") << "enter";
}

void TestAboutWindow::systemInfo()
{
    QFETCH(QString, how);

    frmAbout *form = openFromMenu();
    QVERIFY(form);
    m_messages->expect(Unavailable, QStringLiteral("Corvane"));
    if (how == "click") {
        QTest::mouseClick(form->cmdSysInfo, Qt::LeftButton);
    } else if (how == "alt+s") {
        QCOMPARE(QApplication::focusWidget(), form->cmdOK);
        QTest::keyClick(form->cmdOK, Qt::Key_S, Qt::AltModifier);
    } else {
        form->cmdSysInfo->setFocus();
        QTest::keyClick(form->cmdSysInfo, Qt::Key_Return);
    }
    // The access key clicks its button as a click looks: a moment later.
    QTRY_VERIFY(m_messages->allShown());
    // The window stays open after the message.
    QCOMPARE(m_main->registry().find<frmAbout>(), form);
    QVERIFY(form->isVisible());
}

CORVANE_TEST(TestAboutWindow)
#include "tst_AboutWindow.moc"
