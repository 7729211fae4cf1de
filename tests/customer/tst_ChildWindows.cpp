#include "CustomerFixture.h"
#include "MDI.h"
#include "ScriptedMsgBox.h"
#include "TestRegistry.h"
#include "frmCustomerEntry.h"
#include "frmNavigator.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

// The child windows as the user reaches them: each opens wholly inside the main window, the
// one the user came from is in front again after another closes, and the keys move between
// them and answer in them wherever the focus is.
class tst_ChildWindows : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fx = std::make_unique<CustomerFixture>();
        m_fx->db().addCustomer("Acme");
        m_fx->main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_fx->main()));
    }
    void cleanup() { m_fx.reset(); }
    void keys_data();
    void keys();

private:
    std::unique_ptr<CustomerFixture> m_fx;
};

void tst_ChildWindows::keys_data()
{
    QTest::addColumn<QString>("opener"); // of the window in front; "" for the navigator
    QTest::addColumn<bool>("small"); // in a main window of 420 x 300, else of its first size
    QTest::addColumn<QString>("typed"); // box=text, typed before the keys
    QTest::addColumn<QString>("focus"); // the control the keys start in
    QTest::addColumn<QString>("keys"); // each to the control that has the focus then
    QTest::addColumn<QString>("message"); // "title: text", answered Cancel
    QTest::addColumn<QString>("after"); // the windows left, the front one last

    const QString e = "frmEquipmentEntry", n = "frmNavigator", c = "frmCustomerEntry";
    const QString r = "frmRenameCustomer", nc = n + ' ' + c;
    const QString asked = "Information Not Saved: Equipment information has not been saved. "
                          "Do you want to save it now?";
    const QString exists = "Customer Name Exists: Customer Name already exists, please select "
                           "another name.";
    auto row
        = [](const char *name, const char *opener, bool small, const char *typed, const char *focus,
              const char *keys, const QString &message, const QString &after) {
              QTest::newRow(name) << opener << small << typed << focus << keys << message << after;
          };
    // Closing hands the front back to the customer window the user came from.
    row("call: Enter on OK", "btnAddTelemarket", true, "txtTelemarketer=Lee", "btnOK", "Return", "",
        nc);
    row("equipment: Escape asks", "btnAddEquipment", false, "txtModel=C3", "txtModel", "Esc", asked,
        nc + ' ' + e);
    row("equipment: Escape", "btnAddEquipment", true, "", "txtSN", "Esc", "", nc);
    row("rename: Enter in To: is OK", "btnRename", true, "", "txtTo", "Return", exists,
        nc + ' ' + r);
    row("rename: Enter on Cancel", "btnRename", false, "", "btnCancel", "Return", "", nc);
    row("rename: Escape", "btnRename", false, "", "txtTo", "Esc", "", nc);
    row("About: Enter", "About", true, "", "cmdOK", "Return", "", nc);
    row("report options: Enter is Print", "btnPrint", false, "", "chkEquipment", "Return", "",
        n + " Viewer");
    row("report options: Escape", "btnPrint", true, "", "chkEquipment", "Esc", "", n);
    // A tap at a time reaches every window, from a multi-line box, a date picker or a grid.
    row("Ctrl+Tab twice", "btnAddEquipment", false, "", "txtNotes", "Ctrl+Tab, Ctrl+Tab", "",
        e + ' ' + c + ' ' + n);
    row("Ctrl+Shift+Tab undoes", "btnAddEquipment", false, "", "dtDate",
        "Ctrl+Tab, Ctrl+Shift+Backtab", "", nc + ' ' + e);
    row("Ctrl+Shift+Tab", "CustomerEntry", false, "", "vsfgEquipment", "Ctrl+Shift+Tab", "",
        c + ' ' + n);
    row("Ctrl+F4", "CustomerEntry", true, "", "vsfgEquipment", "Ctrl+F4", "", n);
    // The menu bar, and a command picked there.
    row("F10", "", true, "", "txtSearch", "F10, Right, Return", "", nc);
    row("Alt", "", false, "", "vsfgCustomers", "Alt, Right, Return", "", nc);
}

void tst_ChildWindows::keys()
{
    QFETCH(QString, opener);
    QFETCH(bool, small);
    QFETCH(QString, typed);
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    QFETCH(QString, after);
    MDI &main = m_fx->main();
    ScriptedMsgBox messages;
    auto windows = [area = main.area()] {
        QStringList shown;
        for (QMdiSubWindow *frame : area->subWindowList(QMdiArea::ActivationHistoryOrder)) {
            if (frame->isVisible())
                shown << frame->widget()->objectName()
                        + (area->viewport()->rect().contains(frame->geometry()) ? "" : " outside");
        }
        return shown.join(' ');
    };
    if (small) {
        main.resize(420, 300 + main.menuBar()->height());
        QTRY_COMPARE(main.area()->height(), 300);
    }

    // The navigator after a search; then its Print, or the customer window on "Acme" and the
    // opener there or in the menu.
    main.findChild<QAction *>("CustomerNavigator")->trigger();
    auto *nav = main.registry().find<frmNavigator>();
    QTest::mouseClick(nav->btnFind, Qt::LeftButton);
    if (opener == "btnPrint") {
        QTest::mouseClick(nav->btnPrint, Qt::LeftButton);
    } else if (!opener.isEmpty()) {
        frmCustomerEntry *customer = m_fx->openOn("Acme");
        if (auto *button = customer->findChild<QPushButton *>(opener))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            main.findChild<QAction *>(opener)->trigger();
    }
    QWidget *front = main.area()->activeSubWindow()->widget();
    QVERIFY2(!windows().contains("outside"), qPrintable(windows()));
    if (opener == "btnPrint" && !small)
        m_fx->saveScreenshot("nav-report-options.png");

    if (!typed.isEmpty())
        front->findChild<QLineEdit *>(typed.section('=', 0, 0))->setText(typed.section('=', 1));
    front->findChild<QWidget *>(focus)->setFocus();
    if (!message.isEmpty())
        messages.expect(message.section(": ", 1), message.section(": ", 0, 0), MsgBox::Cancel);
    for (const QString &name : keys.split(", ")) {
        // Alt alone is no key sequence: it is typed as it stands.
        const QKeyCombination key = name == "Alt" ? Qt::Key_Alt : QKeySequence(name)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    QVERIFY2(messages.problems().isEmpty(), qPrintable(messages.problems().join('\n')));
    QTRY_COMPARE(windows(), after);
    QCOMPARE(main.area()->activeSubWindow()->widget()->objectName(), after.section(' ', -1));
}

CORVANE_TEST(tst_ChildWindows)
#include "tst_ChildWindows.moc"
