#include "MDI.h"
#include "MainMod.h"
#include "frmNavigator.h"
#include "DataGrid.h"
#include "DatePicker.h"
#include "TempDatabase.h"
#include "TestRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

// The navigator as the user meets it: opened from the main window's menu.
class tst_NavigatorWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensFromTheMenuOnce();
    void listsFilledAndNothingChosen();
    void listsTakeNoFreeText();
    void clearKeepsDatesAndStatement();
    void pickersCheckTheirBoxes();
    void searchBoxesSelectAllOnFocus();
    void gridSettings();
    void followsResizes();

private:
    frmNavigator *openFromMenu();

    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<MDI> m_main;
};

void tst_NavigatorWindow::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<TempDatabase>();
    m_db->addCustomer("Baker", {{"City", "Salem"}, {"Zip", "97301"}, {"Type", "Retail"}});
    m_db->addCustomer("Acme", {{"City", ""}, {"Zip", ""}, {"Type", ""}});
    m_db->addCustomer("Smithfield", {{"City", "salem"}, {"Zip", "97302"}, {"Type", "Legal"}});
    m_main = std::make_unique<MDI>();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void tst_NavigatorWindow::cleanup()
{
    m_main.reset();
    m_db.reset();
}

frmNavigator *tst_NavigatorWindow::openFromMenu()
{
    auto *command = m_main->findChild<QAction *>("CustomerNavigator");
    if (!command)
        return nullptr;
    command->trigger();
    return m_main->registry().find<frmNavigator>();
}

void tst_NavigatorWindow::opensFromTheMenuOnce()
{
    frmNavigator *form = openFromMenu();
    QVERIFY(form);
    QVERIFY(gNavigatorOpen);
    QCOMPARE(form->parentWidget()->windowTitle(), QString("Navigator"));
    QCOMPARE(form->parentWidget()->pos(), QPoint(0, 0));
    const QSize outer = m_main->frameGeometry().size();
    QCOMPARE(form->parentWidget()->size(), QSize(int(outer.width() * 0.9), int(outer.height() * 0.9)));

    form->txtSearch->setText("kept");
    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    QCOMPARE(openFromMenu(), form);
    QCOMPARE(form->txtSearch->text(), QString("kept"));
    QCOMPARE(form->vsfgCustomers->rows(), 1);
    QCOMPARE(m_main->area()->subWindowList().size(), 1);

    QTest::mouseClick(form->btnExit, Qt::LeftButton);
    QTRY_VERIFY(!m_main->registry().find<frmNavigator>());
    QVERIFY(!gNavigatorOpen);
    // Opened again it is new: the last search is forgotten.
    frmNavigator *again = openFromMenu();
    QVERIFY(again->searchSQL().isEmpty());
    QVERIFY(again->txtSearch->text().isEmpty());
}

void tst_NavigatorWindow::listsFilledAndNothingChosen()
{
    frmNavigator *form = openFromMenu();
    auto entries = [](QComboBox *list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->itemText(i);
        return all;
    };
    QCOMPARE(entries(form->cmbCustomer), (QStringList{"Acme", "Baker", "Smithfield"}));
    // Salem and salem are one city; an empty city is an entry, an empty type is not.
    QCOMPARE(entries(form->cmbCity).size(), 2);
    QCOMPARE(entries(form->cmbCity).first(), QString());
    QCOMPARE(entries(form->cmbZip), (QStringList{"", "97301", "97302"}));
    QCOMPARE(entries(form->cmbType), (QStringList{"Legal", "Retail"}));
    for (QComboBox *list : {form->cmbCustomer, form->cmbCity, form->cmbZip, form->cmbType})
        QCOMPARE(list->currentIndex(), -1);
    QVERIFY(!form->chkLeaseEnds->isChecked());
    QVERIFY(!form->chkCallBack->isChecked());
    QCOMPARE(form->dtLeaseEndsStart->date(), QDate::currentDate());
    QCOMPARE(form->dtCallBackStop->date(), QDate::currentDate());
    QCOMPARE(form->vsfgCustomers->rows(), 0);
    QVERIFY(form->searchSQL().isEmpty());
}

void tst_NavigatorWindow::listsTakeNoFreeText()
{
    frmNavigator *form = openFromMenu();
    form->cmbCustomer->setFocus();
    QTest::keyClicks(form->cmbCustomer, "sm");
    QCOMPARE(form->cmbCustomer->currentText(), QString("Smithfield"));
    QTest::keyClicks(form->cmbCustomer, "zz");
    QCOMPARE(form->cmbCustomer->currentText(), QString("Smithfield"));
    QVERIFY(!form->cmbCustomer->isEditable());
    QCOMPARE(form->cmbCustomer->count(), 3);
}

void tst_NavigatorWindow::clearKeepsDatesAndStatement()
{
    frmNavigator *form = openFromMenu();
    const QDate chosen(2025, 3, 4);
    form->dtLeaseEndsStart->setDate(chosen);
    form->chkLeaseEnds->setChecked(true);
    form->chkCallBack->setChecked(true);
    form->cmbCity->setCurrentIndex(1);
    form->cmbType->setCurrentIndex(0);
    form->txtSearch->setText("a");
    form->txtSearch2->setText("b");
    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    const QString last = form->searchSQL();
    QVERIFY(!last.isEmpty());

    QTest::mouseClick(form->btnClear, Qt::LeftButton);
    for (DataGrid *grid : {form->vsfgCustomers, form->vsfgEquipment, form->vsfgTelemarket})
        QCOMPARE(grid->rows(), 0);
    for (QComboBox *list : {form->cmbCustomer, form->cmbCity, form->cmbZip, form->cmbType})
        QCOMPARE(list->currentText(), QString());
    QVERIFY(form->txtSearch->text().isEmpty() && form->txtSearch2->text().isEmpty());
    QVERIFY(!form->chkLeaseEnds->isChecked() && !form->chkCallBack->isChecked());
    QCOMPARE(form->dtLeaseEndsStart->date(), chosen);
    QCOMPARE(form->searchSQL(), last);
}

void tst_NavigatorWindow::pickersCheckTheirBoxes()
{
    frmNavigator *form = openFromMenu();
    form->dtLeaseEndsStop->setFocus();
    form->dtLeaseEndsStop->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(form->dtLeaseEndsStop, Qt::Key_Up);
    QVERIFY(form->chkLeaseEnds->isChecked());
    QVERIFY(!form->chkCallBack->isChecked());
    // Unchecked again, the chosen dates stay and are not used.
    const QDate moved = form->dtLeaseEndsStop->date();
    form->chkLeaseEnds->setChecked(false);
    QCOMPARE(form->dtLeaseEndsStop->date(), moved);
    QVERIFY(!form->criteria().leaseEnds);

    QTest::mouseClick(form->dtCallBackStart, Qt::LeftButton);
    QVERIFY(form->chkCallBack->isChecked());
}

void tst_NavigatorWindow::searchBoxesSelectAllOnFocus()
{
    frmNavigator *form = openFromMenu();
    form->txtSearch2->setText("toner");
    QTest::mouseClick(form->txtSearch2, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(form->txtSearch2->selectedText(), QString("toner"));
}

void tst_NavigatorWindow::gridSettings()
{
    frmNavigator *form = openFromMenu();
    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    DataGrid *grid = form->vsfgCustomers;
    QCOMPARE(grid->rows(), 4);
    QCOMPARE(grid->accessibleName(), QString("Customers"));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    // A header click sorts, a second one reverses.
    const int header = grid->horizontalHeader()->sectionViewportPosition(0) + 5;
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(header, 5));
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(header, 5));
    QCOMPARE(grid->textMatrix(1, 0), QString("Smithfield"));

    // Typing picks the first row from the top whose current column begins with the text.
    grid->setFocus();
    grid->setCurrentCell(1, 0);
    QTest::keyClicks(grid, "ba");
    QCOMPARE(grid->textMatrix(grid->row(), 0), QString("Baker"));

    // The screenshot a reviewer compares with the designed layout.
    QDir().mkpath(CORVANE_BUILD_DIR "/screenshots");
    m_main->grab().save(CORVANE_BUILD_DIR "/screenshots/navigator.png");
}

void tst_NavigatorWindow::followsResizes()
{
    frmNavigator *form = openFromMenu();
    QWidget *frame = form->parentWidget();
    frame->resize(700, 520);
    QTRY_COMPARE(form->Frame2->width(), 700 - 20);
    QCOMPARE(form->vsfgCustomers->width(), form->vsfgTelemarket->width());
    QCOMPARE(form->Frame1->geometry(), QRect(8, 0, 745, 153));
    const QRect before = form->Frame3->geometry();
    frame->showMinimized();
    QCOMPARE(form->Frame3->geometry(), before);
    frame->showNormal();
    QTRY_COMPARE(form->Frame3->geometry(), before);
    // Taller: the lower frames follow the customers frame, 100 twips apart.
    frame->resize(700, 700);
    QTRY_VERIFY(form->Frame3->geometry().top() > before.top());
    QCOMPARE(form->Frame4->geometry().top(), form->Frame3->geometry().bottom() + 1 + 7);
}

CORVANE_TEST(tst_NavigatorWindow)
#include "tst_NavigatorWindow.moc"
