#include "CustomerFixture.h"

#include "CellText.h"
#include "DataGrid.h"
#include "Database.h"
#include "MDI.h"
#include "Recordset.h"
#include "frmCustomerEntry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

CustomerFixture::CustomerFixture()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<TempDatabase>();
    m_main = std::make_unique<MDI>();
    m_main->show();
    (void)QTest::qWaitForWindowExposed(m_main.get());
}

CustomerFixture::~CustomerFixture()
{
    m_main.reset();
    m_db.reset();
}

frmCustomerEntry *CustomerFixture::openFromMenu()
{
    if (auto *command = m_main->findChild<QAction *>("CustomerEntry"))
        command->trigger();
    return m_main->registry().find<frmCustomerEntry>();
}

frmCustomerEntry *CustomerFixture::openOn(const QString &name)
{
    frmCustomerEntry *form = openFromMenu();
    typeName(form, name);
    return form;
}

void CustomerFixture::typeName(frmCustomerEntry *form, const QString &name)
{
    QLineEdit *edit = form->cmbCustomer->lineEdit();
    clickInto(edit);
    // Emptied in one go, so that no shorter name is looked up on the way.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, name);
}

void CustomerFixture::clickInto(QWidget *field)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    // The selection that comes with the focus is made once the click is done.
    QApplication::processEvents();
}

void CustomerFixture::typeInto(QWidget *field, const QString &text)
{
    clickInto(field);
    QTest::keyClicks(field, text);
}

QString CustomerFixture::caption(const QWidget *form)
{
    return form->parentWidget() ? form->parentWidget()->windowTitle() : form->windowTitle();
}

QStringList CustomerFixture::rows(const DataGrid &grid)
{
    QStringList all;
    for (int r = grid.fixedRows(); r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells << grid.textMatrix(r, c);
        all << cells.join('|');
    }
    return all;
}

QStringList CustomerFixture::headers(const DataGrid &grid)
{
    QStringList all;
    for (int c = 0; c < grid.cols(); ++c)
        all << grid.textMatrix(0, c);
    return all;
}

void CustomerFixture::clickCell(DataGrid &grid, int row, int col, bool twice)
{
    const QModelIndex index = grid.model()->index(row - grid.fixedRows(), col);
    grid.scrollTo(index);
    const QPoint at = grid.visualRect(index).center();
    if (twice)
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
}

QStringList CustomerFixture::tables()
{
    return column("SELECT * FROM Customer ORDER BY Customer")
        + column("SELECT * FROM Equipment ORDER BY ID")
        + column("SELECT * FROM Telemarket ORDER BY ID");
}

QStringList CustomerFixture::column(const QString &sql, const QVariantList &values)
{
    QStringList all;
    Recordset rs = m_db->db().openRecordset(sql, values);
    while (!rs.eof()) {
        QStringList cells;
        for (int i = 0; i < rs.fieldCount(); ++i)
            cells << cellText(rs.field(i));
        all << cells.join('|');
        rs.moveNext();
    }
    return all;
}

QStringList CustomerFixture::namesIn(const char *table)
{
    return column(QString("SELECT DISTINCT Customer FROM %1 ORDER BY Customer").arg(table));
}

void CustomerFixture::saveScreenshot(const QString &name)
{
    QDir().mkpath(CORVANE_BUILD_DIR "/screenshots");
    m_main->grab().save(QStringLiteral(CORVANE_BUILD_DIR "/screenshots/") + name);
}
