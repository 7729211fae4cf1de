#pragma once

#include "ChildForm.h"
#include "ControlPlacement.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Recordset;
class WindowNotifier;

// What the machine and the call window share: one record of a customer, shown in fields under
// the labels ID and Customer, kept in mind as saved or changed (the caption follows), stored on
// OK, and the window's own save question before anything would drop a change.
class EntryForm : public ChildForm
{
    Q_OBJECT
public:
    // True while the window holds no change that has not been saved.
    bool isSaved() const { return Saved; }

    // Value labels: the record's ID (empty for a new record) and its customer's name.
    QLabel *txtID, *txtCustomer;
    QLabel *lblID, *lblCustomer;
    QPushButton *btnOK = nullptr, *btnCancel = nullptr;

protected:
    struct Texts
    {
        QString table; // the table whose one row the window stores
        QString caption; // the caption while saved; " *" is added while changed
        QString question; // the save question when a change would be dropped
        QString required; // the message for a missing required field
        QString notFound; // the message when the record asked for is no longer stored
        QString saveFailed; // what failed, when the engine refuses the save
    };
    EntryForm(const Texts &texts, QWidget *parent);

    // The fields stand in a column, each with its caption right-aligned before it. In twips.
    static constexpr int CaptionLeft = 120;
    static constexpr int CaptionWidth = 1575;
    static constexpr int FieldLeft = 1800;
    static constexpr int WideField = 3495;
    static constexpr int ShortField = 1695;
    static constexpr int TextHeight = 285;
    static constexpr int ListHeight = 315;

    // A field at this top in the field column, and its caption level with it.
    template <typename T>
    T *placeField(const char *name, int top, int width, int height, const char *captionName,
        const char *caption)
    {
        auto *field = placeControl<T>(this, name, FieldLeft, top, width, height);
        placeCaptionOf(field, captionName, QLatin1String(caption), top, height);
        return field;
    }
    // The caption of a field in the caption column, level with the field's first line.
    QLabel *placeCaptionOf(
        QWidget *field, const char *name, const QString &caption, int top, int height);

    void load() override;
    bool queryUnload() override;

    // The window's part of FillForm: puts up the record with this ID (decimal text) of the
    // customer, or a new record for the customer when the ID is empty or names no stored row.
    // Asks the save question first when the window holds a change; Cancel ignores the request.
    void handOver(const QString &id, const QString &customer);

    // Every edit handler: Saved False and the caption with " *".
    void markChanged();
    // After loading, filling and saving: Saved True and the plain caption.
    void markSaved();

    // OK and Cancel side by side under the fields (top in twips). OK is refused with the
    // message when the required field is empty; otherwise it stores the record, refreshes the
    // customer window's list and closes. Cancel closes through the close step.
    void addButtons(int top);
    // Tab goes through the controls in this order.
    static void chainTabOrder(const QList<QWidget *> &order);

    // Stores the record: edits the stored row, or adds one with DateEntered now.
    void saveRecord();
    // A text column's value: an empty box is stored as empty text, never as Null.
    static QVariant textValue(const QString &text);
    // What the window tells the others about a stored record; null without a main window.
    WindowNotifier *notifier() const;

    // What each window knows of its own fields.
    virtual bool requiredFieldPresent() const = 0;
    // The fields as the window loads them: empty, the dates today, nothing chosen.
    virtual void resetFields() = 0;
    // The fields from the current row of the table.
    virtual void showRow(const Recordset &row) = 0;
    // The columns of the row being stored, in the order the fields stand.
    virtual void writeRow(Recordset &row) const = 0;
    // Tells that a record of this table was stored, so the customer window refills its list.
    virtual void refreshCustomerList() = 0;

    bool Saved = true;

private:
    // The save question, when there is a change: true when the window may go on (the change
    // saved or dropped), false when it stays as it is.
    bool settleChanges();
    bool saveIfComplete();
    void btnOK_Click();

    Texts m_texts;
};
