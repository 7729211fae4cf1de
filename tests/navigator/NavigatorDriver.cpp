#include "NavigatorDriver.h"

#include "DatePicker.h"
#include "frmNavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

void pick(QComboBox *list, const QString &text)
{
    const int index = text.isEmpty() ? -1 : list->findText(text, Qt::MatchFixedString);
    QVERIFY2(text.isEmpty() || index >= 0, qPrintable(text + " is not in the list"));
    list->setCurrentIndex(index);
}

void setWindow(
    QCheckBox *box, DatePicker *start, DatePicker *stop, const std::optional<DateWindow> &window)
{
    box->setChecked(bool(window));
    if (window) {
        start->setDate(window->start);
        stop->setDate(window->stop);
    }
}

} // namespace

void setCriteria(frmNavigator &form, const SearchCriteria &c)
{
    pick(form.cmbCustomer, c.customer);
    pick(form.cmbCity, c.city);
    pick(form.cmbZip, c.zip);
    pick(form.cmbType, c.type);
    setWindow(form.chkLeaseEnds, form.dtLeaseEndsStart, form.dtLeaseEndsStop, c.leaseEnds);
    setWindow(form.chkCallBack, form.dtCallBackStart, form.dtCallBackStop, c.callBack);
    form.txtSearch->setText(c.word1);
    form.txtSearch2->setText(c.word2);
}
