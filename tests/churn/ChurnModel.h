#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>

class Database;

// What the database must hold after the churn program's runs: every change a run reported
// done, applied the way the program applies it (names match ignoring letter case; a rename
// moves the machines, the calls and the customer; a delete takes all three). The state is
// told as sorted lines, one per row, so that what a file holds compares with it as a whole.
class ChurnModel
{
public:
    // Applies every change the run reported done. Returns the change the run had begun and not
    // reported (the kill came while it ran or just after it was stored), or an empty list.
    // A report out of order is put into 'problem'.
    QStringList takeRun(const QByteArray &output, QString *problem);
    // A change as the program prints it: the kind, then its fields.
    void apply(const QStringList &change);

    QStringList expected() const;
    // The rows of the three tables, in the form of expected().
    static QStringList stored(Database &db);

    int changesApplied() const { return m_applied; }

private:
    // Keyed by the folded name, by the serial number, by the interest text.
    QMap<QString, QStringList> m_customers;
    QMap<QString, QStringList> m_machines;
    QMap<QString, QStringList> m_calls;
    int m_applied = 0;
};
