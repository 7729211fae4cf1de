#pragma once

#include "MDI.h"
#include "ScriptedMsgBox.h"
#include "WindowTestBase.h"

#include <QObject>
#include <QVariantMap>
#include <memory>

class EntryForm;
class QWidget;

// The main window on a fresh database, as the customer window finds it when it opens a
// machine or a call: tests open the entry windows through the main window's registry. Each
// test class derives from it and gets a fresh one per test function; a message left unshown
// or an unexpected one fails the test.
class DetailsFixture : public QObject, public WindowTestBase
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

protected:
    // Rows every test of the class starts with.
    virtual void seed() { }

public:
    ScriptedMsgBox &messages() { return *m_messages; }

    // Opens the window as the customer window's Add and Edit do, and hands it the record.
    template <typename T> T *open(const QString &id, const QString &customer)
    {
        T *form = main().registry().open<T>();
        form->FillForm(id, customer);
        return form;
    }

    // Every column of one stored row by name; empty when there is no such row.
    QVariantMap row(const QString &table, qint64 id) const;
    // The row added last.
    QVariantMap lastRow(const QString &table) const;
    int count(const QString &table) const;

    // The name a screen reader gives a control: its own, or on systems that name a list by
    // its label (the list's own name is then its text), the label's.
    static QString spokenName(QWidget *control);
    // The caption a screen reader reads with a control.
    static QObject *labelOf(QWidget *control);
    // Empty when Tab goes through the controls in this order, past the parts inside a control,
    // and each is spoken with its name; otherwise what differs.
    static QString tabOrderProblem(
        QWidget *form, const QList<QWidget *> &order, const QStringList &names);
    // The close box of the window's frame.
    static void closeBox(QWidget *form);

private:
    std::unique_ptr<ScriptedMsgBox> m_messages;
};
