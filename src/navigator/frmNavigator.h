#pragma once

#include "ChildForm.h"
#include "NavigatorLayout.h"
#include "SearchCriteria.h"

#include <memory>

class DataGrid;
class LiveWordIndex;
class DatePicker;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window in which the user finds customers: the criteria above, the customers found and
// the selected customer's machines and calls below.
class frmNavigator : public ChildForm
{
    Q_OBJECT
public:
    explicit frmNavigator(QWidget *parent = nullptr);
    ~frmNavigator() override;

    void load() override;
    void unload() override;

    // Runs the search the criteria describe and shows the customers found.
    void UpdateGrids();

    // The text of the last search; empty until the first search.
    QString searchSQL() const { return mSearchSQL; }
    SearchCriteria criteria() const;
    // The searched columns kept in memory while the window is open; null before load.
    LiveWordIndex *wordIndex() const { return m_words.get(); }

    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QComboBox *cmbCustomer, *cmbCity, *cmbZip, *cmbType;
    QCheckBox *chkLeaseEnds, *chkCallBack;
    DatePicker *dtLeaseEndsStart, *dtLeaseEndsStop, *dtCallBackStart, *dtCallBackStop;
    QLineEdit *txtSearch, *txtSearch2;
    QPushButton *btnFind, *btnClear, *btnPrint, *btnExport, *btnAddNew, *btnExit;
    DataGrid *vsfgCustomers, *vsfgEquipment, *vsfgTelemarket;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildCriteriaFrame();
    void buildResultFrames();
    void setTabOrder();
    void connectEvents();

    void FillCriteriaLists();
    void btnClear_Click();
    void btnExit_Click();
    void btnAddNew_Click();
    void vsfgCustomers_RowColChange(int newRow);
    void vsfgCustomers_DblClick();
    // Opens the customer window on the name, in front of the other windows.
    void showCustomer(const QString &name);
    void btnPrint_Click();
    void btnExport_Click();
    void Form_Resize();
    void applyLayout(const NavigatorLayout &layout);

    QString mSearchSQL;
    NavigatorLayout m_layout = NavigatorLayout::designed();
    std::unique_ptr<LiveWordIndex> m_words;
};
