#include "CustomerFixture.h"

#include "Database.h"
#include "MDI.h"
#include "frmCustomerEntry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

CustomerFixture::CustomerFixture()
{
    setUp();
}

frmCustomerEntry *CustomerFixture::openFromMenu()
{
    if (auto *command = main().findChild<QAction *>("CustomerEntry"))
        command->trigger();
    return main().registry().find<frmCustomerEntry>();
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

QStringList CustomerFixture::column(const QString &sql, const QVariantList &values)
{
    return rowsOf(sql, values);
}

QStringList CustomerFixture::namesIn(const char *table)
{
    return column(QString("SELECT DISTINCT Customer FROM %1 ORDER BY Customer").arg(table));
}
