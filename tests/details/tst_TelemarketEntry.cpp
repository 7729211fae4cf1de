#include "DatePicker.h"
#include "DetailsFixture.h"
#include "Formats.h"
#include "MainMod.h"
#include "TestRegistry.h"
#include "frmTelemarketEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The call window as the customer window opens it: the call-back date it proposes, the rows it
// stores, its close step.
class tst_TelemarketEntry : public DetailsFixture
{
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void callBackFollowsTheDate_data();
    void callBackFollowsTheDate();
    void storedCallBackHoldsUntilTheDateIsLeft();
    void storedCallWithoutDates();
    void dateOfCallLeftAsItWasIsNoChange_data();
    void dateOfCallLeftAsItWasIsNoChange();

private:
    frmTelemarketEntry *openNew() { return open<frmTelemarketEntry>("", "Acme"); }
    frmTelemarketEntry *openStored(qint64 id)
    {
        return open<frmTelemarketEntry>(QString::number(id), "Acme");
    }
    bool isOpen() { return main().registry().find<frmTelemarketEntry>(); }
};

namespace {

const QString Table = QStringLiteral("Telemarket");

QVariantMap storedCall()
{
    return { { "DateofCall", QDate(2024, 1, 31) }, { "Telemarketer", "Dana" },
        { "NextCallBack", QDate(2024, 9, 1) }, { "Interest", "wants a colour copier" },
        { "DateEntered", QDateTime(QDate(2024, 1, 31), QTime(16, 5)) } };
}

} // namespace

void tst_TelemarketEntry::opensAsDesigned()
{
    const qint64 id = db().addCall("Acme", storedCall());
    frmTelemarketEntry *form = openStored(id);
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    QCOMPARE(frame->pos(), QPoint(0, 0));
    QCOMPARE(frame->minimumSize(), frame->maximumSize());
    QCOMPARE(DetailsFixture::caption(form), QString("Telemarket Entry"));
    QCOMPARE(main().registry().open<frmTelemarketEntry>(), form);

    QCOMPARE(
        DetailsFixture::tabOrderProblem(form,
            { form->dtDate, form->txtTelemarketer, form->dtCallBack, form->txtInterest, form->btnOK,
                form->btnCancel },
            { "Date of Call:", "Telemarketer:", "Next Call Back:", "Interest:", "OK", "Cancel" }),
        QString());
    // The value labels say their values, labelled by their captions.
    QCOMPARE(DetailsFixture::spokenName(form->txtID), QString::number(id));
    QCOMPARE(DetailsFixture::spokenName(form->txtCustomer), QString("Acme"));
    QCOMPARE(DetailsFixture::labelOf(form->txtID), form->lblID);
    QCOMPARE(DetailsFixture::labelOf(form->txtCustomer), form->lblCustomer);
    QTRY_VERIFY(form->dtDate->hasFocus());
    DetailsFixture::saveScreenshot(form->parentWidget(), "telemarket-entry.png");
}

void tst_TelemarketEntry::callBackFollowsTheDate_data()
{
    QTest::addColumn<QDate>("call");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("callBack");
    QTest::newRow("15 March + 3") << QDate(2025, 3, 15) << 3 << QDate(2025, 6, 15);
    QTest::newRow("31 May + 1") << QDate(2025, 5, 31) << 1 << QDate(2025, 6, 30);
    QTest::newRow("31 January + 1, leap") << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 29);
    QTest::newRow("31 January + 1, common") << QDate(2025, 1, 31) << 1 << QDate(2025, 2, 28);
    QTest::newRow("over the year end") << QDate(2024, 11, 30) << 3 << QDate(2025, 2, 28);
    QTest::newRow("none") << QDate(2025, 5, 31) << 0 << QDate(2025, 5, 31);
    QTest::newRow("back") << QDate(2025, 3, 31) << -1 << QDate(2025, 2, 28);
    QTest::newRow("back over the year end") << QDate(2025, 1, 15) << -2 << QDate(2024, 11, 15);
}

// The call-back by the rule on load, then again on every change of the date of the call, and
// the new call stored as shown.
void tst_TelemarketEntry::callBackFollowsTheDate()
{
    QFETCH(QDate, call);
    QFETCH(int, months);
    QFETCH(QDate, callBack);
    gCallBackMonths = qint16(months);
    frmTelemarketEntry *form = openNew();
    const QDate today = QDate::currentDate();
    QCOMPARE(form->dtDate->date(), today);
    QCOMPARE(form->dtCallBack->date(), addMonths(today, months));
    QVERIFY(form->isSaved());

    // A call-back set by hand goes when the date of the call changes.
    form->dtCallBack->setDate(QDate(2030, 1, 1));
    form->dtDate->setDate(call);
    QCOMPARE(form->dtCallBack->date(), callBack);
    QCOMPARE(DetailsFixture::caption(form), QString("Telemarket Entry *"));

    QTest::keyClicks(form->txtTelemarketer, "Lee");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QTRY_VERIFY(!isOpen());
    const QVariantMap saved = lastRow(Table);
    QCOMPARE(saved["Customer"].toString(), QString("Acme"));
    QCOMPARE(saved["Telemarketer"].toString(), QString("Lee"));
    QCOMPARE(saved["DateofCall"].toDate(), call);
    QCOMPARE(saved["NextCallBack"].toDate(), callBack);
    QCOMPARE(saved["Interest"], QVariant(QString(""))); // empty text, not Null
    QVERIFY(saved["DateEntered"].toDateTime() >= before);
}

void tst_TelemarketEntry::storedCallBackHoldsUntilTheDateIsLeft()
{
    gCallBackMonths = 1;
    const qint64 id = db().addCall("Acme", storedCall());
    frmTelemarketEntry *form = openStored(id);
    QCOMPARE(form->dtDate->date(), QDate(2024, 1, 31));
    QCOMPARE(form->dtCallBack->date(), QDate(2024, 9, 1));
    QTRY_VERIFY(form->dtDate->hasFocus());

    // Leaving the date of the call sets the call-back by the rule, and is no change.
    QTest::mouseClick(form->txtTelemarketer, Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_COMPARE(form->txtTelemarketer->selectedText(), QString("Dana"));
    QCOMPARE(form->dtCallBack->date(), QDate(2024, 2, 29));
    QVERIFY(form->isSaved());
    QCOMPARE(DetailsFixture::caption(form), QString("Telemarket Entry"));

    // A call-back set by hand holds while the date of the call is not entered and left again.
    form->dtCallBack->setDate(QDate(2024, 4, 4));
    QVERIFY(!form->isSaved());
    QTest::mouseClick(form->txtInterest->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(form->dtCallBack->date(), QDate(2024, 4, 4));
    QTest::mouseClick(form->btnOK, Qt::LeftButton);
    QTRY_VERIFY(!isOpen());
    const QVariantMap saved = row(Table, id);
    QCOMPARE(saved["NextCallBack"].toDate(), QDate(2024, 4, 4));
    QCOMPARE(saved["DateEntered"], storedCall()["DateEntered"]);
    QCOMPARE(saved["Interest"].toString(), QString("wants a colour copier"));
    QCOMPARE(count(Table), 1);
}

void tst_TelemarketEntry::storedCallWithoutDates()
{
    const qint64 id
        = db().addCall("Acme", { { "DateofCall", QVariant() }, { "NextCallBack", QVariant() } });
    frmTelemarketEntry *form = openStored(id);
    QCOMPARE(form->dtDate->date(), QDate::currentDate());
    QCOMPARE(form->dtCallBack->date(), QDate::currentDate());
    QCOMPARE(form->txtTelemarketer->text(), QString("Caller"));
    QVERIFY(form->isSaved());
}

// A date of the call typed that is no date is no change of the window: the date stays.
void tst_TelemarketEntry::dateOfCallLeftAsItWasIsNoChange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leaveBy");
    QTest::newRow("refused text") << "13/45/2025" << int(Qt::Key_Tab);
    // The box announces its date again on Enter, changed or not.
    QTest::newRow("Enter on the date as it stands") << "" << int(Qt::Key_Return);
}

void tst_TelemarketEntry::dateOfCallLeftAsItWasIsNoChange()
{
    QFETCH(QString, typed);
    QFETCH(int, leaveBy);
    gCallBackMonths = 3;
    frmTelemarketEntry *form = openNew();
    const QDate today = QDate::currentDate();
    QTRY_VERIFY(form->dtDate->hasFocus());
    QTest::keyClicks(form->dtDate, typed);
    QTest::keyClick(form->dtDate, Qt::Key(leaveBy));
    QCOMPARE(form->dtDate->date(), today);
    QCOMPARE(form->dtCallBack->date(), addMonths(today, 3));
    QVERIFY(form->isSaved());
}

CORVANE_TEST(tst_TelemarketEntry)
#include "tst_TelemarketEntry.moc"
