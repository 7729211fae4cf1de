#include "DatePicker.h"
#include "TestRegistry.h"
#include "TypedDate.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class tst_DatePicker : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void initTestCase() { cleanup(); }
    void shownDate_data();
    void shownDate();
    void userKeys_data();
    void userKeys();
    void codeIsNoUserChange();
    void calendarPick();
    void clicks_data();
    void clicks();
    void clickedPartIsReplaced_data();
    void clickedPartIsReplaced();
    void tabLeavesThePicker_data();
    void tabLeavesThePicker();
    void typedWhole_data();
    void typedWhole();
    void refusedTextOnEnter();
    void twoDigitYears();
};

namespace {

// A text box, the picker on 7 June 2023, and a second picker; the focus in the text box.
struct PickerRow
{
    QWidget window;
    QLineEdit *before = new QLineEdit(&window);
    DatePicker *picker = new DatePicker(&window);
    DatePicker *after = new DatePicker(&window);

    PickerRow()
    {
        auto *row = new QHBoxLayout(&window);
        for (QWidget *field : std::initializer_list<QWidget *> { before, picker, after })
            row->addWidget(field);
        picker->setDate(QDate(2023, 6, 7));
        window.show();
        before->setFocus();
    }
};

void openCalendar(DatePicker &picker)
{
    picker.resize(160, 28);
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() - 6, picker.height() / 2));
}

} // namespace

void tst_DatePicker::shownDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("en_US") << "en_US"
                           << "1/5/2023";
    QTest::newRow("de_DE, two-digit year made four") << "de_DE"
                                                     << "05.01.2023";
}

void tst_DatePicker::shownDate()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    DatePicker picker;
    picker.setDate(QDate(2023, 1, 5));
    QVERIFY(picker.calendarPopup());
    QTEST(picker.text(), "text");
}

void tst_DatePicker::userKeys_data()
{
    QTest::addColumn<QString>("keys"); // "up", "down" or characters typed over the month
    QTest::addColumn<QDate>("expected");

    QTest::newRow("spin up the month") << "up" << QDate(2023, 4, 5);
    QTest::newRow("spin down the month") << "down" << QDate(2023, 2, 5);
    QTest::newRow("type a month") << "7" << QDate(2023, 7, 5);
}

void tst_DatePicker::userKeys()
{
    QFETCH(QString, keys);
    DatePicker picker;
    picker.setDate(QDate(2023, 3, 5));
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.setFocus();
    picker.setSelectedSection(QDateTimeEdit::MonthSection);
    QSignalSpy changes(&picker, &DatePicker::userChanged);
    if (keys == "up")
        QTest::keyClick(&picker, Qt::Key_Up);
    else if (keys == "down")
        QTest::keyClick(&picker, Qt::Key_Down);
    else
        QTest::keyClicks(&picker, keys);
    QTEST(picker.date(), "expected");
    QCOMPARE(changes.size(), 1);
}

void tst_DatePicker::codeIsNoUserChange()
{
    DatePicker picker;
    QSignalSpy changes(&picker, &DatePicker::userChanged);
    QSignalSpy dateChanges(&picker, &QDateEdit::dateChanged);
    picker.setDate(QDate(2024, 2, 29));
    picker.setDate(QDate(2024, 3, 1));
    QCOMPARE(dateChanges.size(), 2);
    QCOMPARE(changes.size(), 0);
}

void tst_DatePicker::calendarPick()
{
    DatePicker picker;
    picker.setDate(QDate(2023, 1, 5));
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QSignalSpy changes(&picker, &DatePicker::userChanged);
    openCalendar(picker);
    QCalendarWidget *calendar = picker.calendarWidget();
    QTRY_VERIFY(calendar->isVisible());
    auto *days = calendar->findChild<QTableView *>();
    QVERIFY(days);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(picker.date(), QDate(2023, 1, 6));
    QTRY_VERIFY(!calendar->isVisible());
    QCOMPARE(changes.size(), 1);
    // Once the calendar is closed, code setting the date is not the user again.
    picker.setDate(QDate(2023, 3, 3));
    QCOMPARE(changes.size(), 1);
}

void tst_DatePicker::clicks_data()
{
    QTest::addColumn<bool>("button");
    QTest::newRow("on the text") << false;
    QTest::newRow("on the drop-down button") << true;
}

void tst_DatePicker::clicks()
{
    QFETCH(bool, button);
    DatePicker picker;
    picker.resize(160, 28);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QSignalSpy clicks(&picker, &DatePicker::clicked);
    QSignalSpy changes(&picker, &DatePicker::userChanged);
    if (button)
        openCalendar(picker);
    else
        QTest::mouseClick(picker.findChild<QLineEdit *>(), Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(changes.size(), 0);
    if (button)
        QTRY_VERIFY(picker.calendarWidget()->isVisible());
    picker.calendarWidget()->window()->close();
}

void tst_DatePicker::clickedPartIsReplaced_data()
{
    QTest::addColumn<int>("position"); // of the click, in the text "3/15/2023"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("month") << 1 << "7" << QDate(2023, 7, 15);
    QTest::newRow("middle of the day") << 3 << "28" << QDate(2023, 3, 28);
    QTest::newRow("end of the day") << 4 << "9" << QDate(2023, 3, 9);
    QTest::newRow("inside the year") << 7 << "2019" << QDate(2019, 3, 15);
}

void tst_DatePicker::clickedPartIsReplaced()
{
    QFETCH(int, position);
    QFETCH(QString, typed);
    DatePicker picker;
    picker.resize(160, 28);
    picker.setDate(QDate(2023, 3, 15));
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QLineEdit *text = picker.findChild<QLineEdit *>();
    QCOMPARE(text->text(), QString("3/15/2023"));
    int x = 0;
    while (x < text->width() && text->cursorPositionAt(QPoint(x, 8)) != position)
        ++x;
    QVERIFY(x < text->width());
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(x, text->height() / 2));
    QTest::keyClicks(text, typed);
    QTEST(picker.date(), "expected");
}

void tst_DatePicker::tabLeavesThePicker_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("forward");
    QTest::newRow("month, Tab") << 0 << true;
    QTest::newRow("day, Tab") << 1 << true;
    QTest::newRow("year, Tab") << 2 << true;
    QTest::newRow("month, Shift+Tab") << 0 << false;
    QTest::newRow("day, Shift+Tab") << 1 << false;
}

void tst_DatePicker::tabLeavesThePicker()
{
    QFETCH(int, section);
    QFETCH(bool, forward);
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *picker = new DatePicker(&window);
    auto *after = new QLineEdit(&window);
    QWidget::setTabOrder(before, picker);
    QWidget::setTabOrder(picker, after);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    picker->setFocus();
    picker->setCurrentSectionIndex(section);
    const QDate shown = picker->date();

    QTest::keyClick(picker, forward ? Qt::Key_Tab : Qt::Key_Backtab,
        forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), forward ? after : before);
    QCOMPARE(picker->date(), shown);
}

void tst_DatePicker::typedWhole_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed"); // after Tab into the picker, which then Tab leaves
    QTest::addColumn<QDate>("expected"); // invalid: refused
    QTest::addColumn<bool>("changed"); // userChanged raised (once)
    auto row = [](const char *tag, const char *locale, const char *typed, QDate expected) {
        QTest::newRow(tag) << QString(locale) << QString(typed) << expected << expected.isValid();
    };
    const QDate refused;
    row("en_US", "en_US", "3/15/2025", QDate(2025, 3, 15));
    row("en_US, two-digit year", "en_US", "3/5/25", QDate(2025, 3, 5));
    QTest::newRow("en_US, the date it had") << "en_US"
                                            << "06/07/2023" << QDate(2023, 6, 7) << false;
    row("de_DE, short", "de_DE", "5.3.25", QDate(2025, 3, 5));
    row("en_GB, day first", "en_GB", "3/5/2025", QDate(2025, 5, 3));
    row("ja_JP, year first", "ja_JP", "2025/3/5", QDate(2025, 3, 5));
    row("ko_KR, closing dot", "ko_KR", "25. 3. 5.", QDate(2025, 3, 5));
    row("bg_BG, closing word left off", "bg_BG", "5.03.25", QDate(2025, 3, 5));
    row("ar_EG, without direction marks", "ar_EG", "5/3/2025", QDate(2025, 3, 5));
    row("month name", "en_US", "1Jan2026", refused);
    row("three-digit year", "en_US", "3/15/202", refused);
    row("before the earliest", "en_US", "1/1/1700", refused);
    row("en_US form in en_GB", "en_GB", "3/15/2025", refused);
}

// The whole date typed the way a user does: Tab in, type, Tab out.
void tst_DatePicker::typedWhole()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QFETCH(bool, changed);
    QLocale::setDefault(QLocale(locale));
    PickerRow row;
    const QDate start = row.picker->date();
    QVERIFY(QTest::qWaitForWindowExposed(&row.window));
    QSignalSpy changes(row.picker, &DatePicker::userChanged);

    QTest::keyClick(row.before, Qt::Key_Tab);
    QTest::keyClicks(row.picker, typed);
    // The text stands as typed, marked while it is no date.
    QCOMPARE(row.picker->text(), typed);
    const QString mark = expected.isValid() ? QString() : QString("Not a date");
    QCOMPARE(row.picker->accessibleDescription(), mark);

    QTest::keyClick(row.picker, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), row.after);
    const QDate shown = expected.isValid() ? expected : start;
    QCOMPARE(row.picker->date(), shown);
    QCOMPARE(row.picker->text(), QLocale().toString(shown, row.picker->displayFormat()));
    QCOMPARE(row.picker->accessibleDescription(), QString());
    QCOMPARE(changes.size(), changed ? 1 : 0);
}

// Enter keeps a refused text, marked, for mending; Escape gives it up.
void tst_DatePicker::refusedTextOnEnter()
{
    PickerRow row;
    QVERIFY(QTest::qWaitForWindowExposed(&row.window));
    QSignalSpy changes(row.picker, &DatePicker::userChanged);
    QTest::keyClick(row.before, Qt::Key_Tab);
    QTest::keyClicks(row.picker, "3/15/20x");
    QTest::keyClick(row.picker, Qt::Key_Return);
    QCOMPARE(row.picker->text(), QString("3/15/20x"));
    QCOMPARE(row.picker->date(), QDate(2023, 6, 7));
    // Seen as well: the field's background, right of the text, differs from a good date's.
    auto background = [](DatePicker *picker) {
        return picker->grab().toImage().pixelColor(picker->width() - 30, picker->height() / 2);
    };
    QVERIFY(background(row.picker) != background(row.after));
    QDir().mkpath(CORVANE_BUILD_DIR "/screenshots");
    row.window.grab().save(CORVANE_BUILD_DIR "/screenshots/date-pickers.png");

    QTest::keyClick(row.picker, Qt::Key_Backspace);
    QTest::keyClick(row.picker, Qt::Key_Return);
    QCOMPARE(row.picker->date(), QDate(2020, 3, 15));
    QCOMPARE(changes.size(), 1);
    QTest::keyClicks(row.picker, "1Jan2026");
    QTest::keyClick(row.picker, Qt::Key_Escape);
    QCOMPARE(row.picker->text(), QString("3/15/2020"));
    QCOMPARE(row.picker->accessibleDescription(), QString());
    QCOMPARE(changes.size(), 1);
}

// On 1 June 2025 two-digit years reach from 1945 to 2044.
void tst_DatePicker::twoDigitYears()
{
    QCOMPARE(readTypedDate(u"3/5/44", "M/d/yyyy", QDate(2025, 6, 1), true), QDate(2044, 3, 5));
    QCOMPARE(readTypedDate(u"3/5/45", "M/d/yyyy", QDate(2025, 6, 1), true), QDate(1945, 3, 5));
}

CORVANE_TEST(tst_DatePicker)
#include "tst_DatePicker.moc"
