#include "DataGrid.h"
#include "DatePicker.h"
#include "MDI.h"
#include "MainMod.h"
#include "NavigatorDriver.h"
#include "TestRegistry.h"
#include "Twips.h"
#include "WindowTestBase.h"
#include "frmNavigator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionGroupBox>
#include <QTest>

// The navigator as the user meets it: opened from the main window's menu.
class tst_NavigatorWindow : public QObject, public WindowTestBase
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
    void newSearchStartsAtTheFirstColumn();
    void followsResizes();
    void enterInASearchBoxSearches_data();
    void enterInASearchBoxSearches();
    void captionsWholeAndApart();
    void framesClearOfTheirControls();
    void designedLook();

private:
    frmNavigator *openFromMenu();
};

void tst_NavigatorWindow::init()
{
    QVERIFY(setUp());
    db().addCustomer("Baker", { { "City", "Salem" }, { "Zip", "97301" }, { "Type", "Retail" } });
    db().addCustomer("Acme", { { "City", "" }, { "Zip", "" }, { "Type", "" } });
    db().addCustomer(
        "Smithfield", { { "City", "salem" }, { "Zip", "97302" }, { "Type", "Legal" } });
}

void tst_NavigatorWindow::cleanup()
{
    tearDown();
}

frmNavigator *tst_NavigatorWindow::openFromMenu()
{
    auto *command = main().findChild<QAction *>("CustomerNavigator");
    if (!command)
        return nullptr;
    command->trigger();
    return main().registry().find<frmNavigator>();
}

void tst_NavigatorWindow::opensFromTheMenuOnce()
{
    frmNavigator *form = openFromMenu();
    QVERIFY(form);
    QVERIFY(gNavigatorOpen);
    QCOMPARE(form->parentWidget()->windowTitle(), QString("Navigator"));
    QCOMPARE(form->parentWidget()->pos(), QPoint(0, 0));
    const QSize outer = main().frameGeometry().size();
    QCOMPARE(
        form->parentWidget()->size(), QSize(int(outer.width() * 0.9), int(outer.height() * 0.9)));

    form->txtSearch->setText("kept");
    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    QCOMPARE(openFromMenu(), form);
    QCOMPARE(form->txtSearch->text(), QString("kept"));
    QCOMPARE(form->vsfgCustomers->rows(), 1);
    QCOMPARE(main().area()->subWindowList().size(), 1);

    QTest::mouseClick(form->btnExit, Qt::LeftButton);
    QTRY_VERIFY(!main().registry().find<frmNavigator>());
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
    QCOMPARE(entries(form->cmbCustomer), (QStringList { "Acme", "Baker", "Smithfield" }));
    // Salem and salem are one city; an empty city is an entry, an empty type is not.
    QCOMPARE(entries(form->cmbCity).size(), 2);
    QCOMPARE(entries(form->cmbCity).first(), QString());
    QCOMPARE(entries(form->cmbZip), (QStringList { "", "97301", "97302" }));
    QCOMPARE(entries(form->cmbType), (QStringList { "Legal", "Retail" }));
    for (QComboBox *list : { form->cmbCustomer, form->cmbCity, form->cmbZip, form->cmbType })
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
    for (DataGrid *grid : { form->vsfgCustomers, form->vsfgEquipment, form->vsfgTelemarket })
        QCOMPARE(grid->rows(), 0);
    for (QComboBox *list : { form->cmbCustomer, form->cmbCity, form->cmbZip, form->cmbType })
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
}

void tst_NavigatorWindow::newSearchStartsAtTheFirstColumn()
{
    for (int i = 0; i < 60; ++i)
        db().addCustomer(QString("Customer %1").arg(i, 2, 10, QChar('0')));
    frmNavigator *form = openFromMenu();
    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    DataGrid *grid = form->vsfgCustomers;
    QScrollBar *sideways = grid->horizontalScrollBar();
    QScrollBar *down = grid->verticalScrollBar();
    QTRY_VERIFY(sideways->maximum() > 0 && down->maximum() > 0);
    sideways->setValue(sideways->maximum());
    down->setValue(down->maximum());

    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    // Once the view has laid out its new rows.
    QCoreApplication::processEvents();
    QCOMPARE(sideways->value(), 0);
    QCOMPARE(down->value(), 0);
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

void tst_NavigatorWindow::enterInASearchBoxSearches_data()
{
    QTest::addColumn<bool>("second");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("first box") << false << "salem" << QStringList { "Baker", "Smithfield" };
    QTest::newRow("second box") << true << "smith" << QStringList { "Smithfield" };
}

void tst_NavigatorWindow::enterInASearchBoxSearches()
{
    QFETCH(bool, second);
    QFETCH(QString, word);
    frmNavigator *form = openFromMenu();
    QLineEdit *box = second ? form->txtSearch2 : form->txtSearch;
    box->setFocus();
    QTest::keyClicks(box, word);
    QVERIFY(form->searchSQL().isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    QTEST(gridColumn(*form->vsfgCustomers, 0), "found");
    QVERIFY(form->searchSQL().contains(word));
}

namespace {

// Where a caption's text is drawn within its box.
QRect textExtent(QWidget *caption)
{
    const QRect box = caption->geometry();
    const int width = caption->sizeHint().width();
    auto *label = qobject_cast<QLabel *>(caption);
    if (label && (label->alignment() & Qt::AlignRight))
        return QRect(box.right() + 1 - width, box.top(), width, box.height());
    return QRect(box.left(), box.top(), width, box.height());
}

QStyleOptionGroupBox frameOption(QGroupBox *frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return option;
}

} // namespace

void tst_NavigatorWindow::captionsWholeAndApart()
{
    frmNavigator *form = openFromMenu();
    const QList<QWidget *> children
        = form->Frame1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    int captions = 0;
    for (QWidget *caption : children) {
        if (!qobject_cast<QLabel *>(caption) && !qobject_cast<QCheckBox *>(caption))
            continue;
        ++captions;
        const QString name = caption->objectName();
        QVERIFY2(caption->sizeHint().width() <= caption->width(), qPrintable(name + " cut off"));
        // Text and check mark fit the designed height (the size hint adds room for a focus
        // frame that the designed boxes never had).
        QVERIFY2(
            caption->fontMetrics().height() <= caption->height(), qPrintable(name + " cut off"));
        if (qobject_cast<QCheckBox *>(caption))
            QVERIFY(caption->style()->pixelMetric(QStyle::PM_IndicatorHeight) <= caption->height());
        const QRect text = textExtent(caption);
        for (QWidget *other : children) {
            if (other != caption)
                QVERIFY2(!text.intersects(other->geometry()),
                    qPrintable(name + " covers " + other->objectName()));
        }
    }
    QCOMPARE(captions, 10);
}

void tst_NavigatorWindow::framesClearOfTheirControls()
{
    frmNavigator *form = openFromMenu();
    for (QGroupBox *frame : { form->Frame1, form->Frame2, form->Frame3, form->Frame4 }) {
        const QString name = frame->objectName();
        const QStyleOptionGroupBox option = frameOption(frame);
        QStyle *style = frame->style();
        const QRect caption
            = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QRect border
            = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, frame);
        // The caption is whole, inside the border's line, which runs through its middle.
        QVERIFY2(caption.width() > frame->fontMetrics().horizontalAdvance(frame->title()),
            qPrintable(name));
        QVERIFY2(caption.left() > border.left(), qPrintable(name));
        QVERIFY2(qAbs(border.top() - caption.center().y()) <= 1, qPrintable(name));
        // Every control stands below the caption, clear of the border.
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(child->y() > caption.bottom(), qPrintable(name + ": " + child->objectName()));
            QVERIFY2(child->x() > border.left() + 1, qPrintable(name + ": " + child->objectName()));
        }
        // The line is drawn where the border says, beside the caption, and not in the caption.
        const QImage image = frame->grab().toImage();
        const QColor background = image.pixelColor(caption.right() + 12, border.top() + 4);
        QVERIFY2(
            image.pixelColor(caption.right() + 12, border.top()) != background, qPrintable(name));
        QCOMPARE(image.pixelColor(caption.left() + 1, border.top()), background);
    }
}

// The window at the size it was designed for, with more customers than the grid shows: the
// screenshot a reviewer compares with the design.
void tst_NavigatorWindow::designedLook()
{
    for (int i = 1; i <= 12; ++i)
        db().addCustomer(QString("Customer %1").arg(i, 2, 10, QChar('0')), { { "City", "Bend" } });
    // The navigator takes nine tenths of the main window; these give it the designed frames.
    main().resize(850, 762);
    frmNavigator *form = openFromMenu();
    QTest::mouseClick(form->btnFind, Qt::LeftButton);
    DataGrid *grid = form->vsfgCustomers;
    QCOMPARE(grid->rows(), 16);
    QVERIFY(grid->height() >= twipsToPixels(2415));
    saveScreenshot("navigator.png");

    // At the grid's designed height at least eight rows show whole.
    grid->resize(grid->width(), twipsToPixels(2415));
    int whole = 0;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        if (cell.top() >= 0 && cell.bottom() < grid->viewport()->height())
            ++whole;
    }
    QVERIFY2(whole >= 8, qPrintable(QString::number(whole)));
}

CORVANE_TEST(tst_NavigatorWindow)
#include "tst_NavigatorWindow.moc"
