#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

class EntryForm;
class MDI;
class frmCustomerEntry;

// Keeps changing the customer base through the real windows, one user action after another,
// until it is killed: new and edited customers, machines and calls, renames and deletes. Each
// change is announced on stdout before it starts ("try ...") and reported once it is stored
// ("done ..."), its fields tab-separated, so that whoever killed the program can tell what
// the file must hold.
class Churner : public QObject
{
    Q_OBJECT
public:
    Churner(MDI &main, quint32 seed);

    // Opens the customer window, learns the stored names from its list, says "ready" and
    // starts changing.
    void start();

private:
    void step();
    void saveCustomer(const QString &name);
    void addMachine(const QString &customer);
    void addCall(const QString &customer);
    void rename(const QString &from);
    void remove(const QString &name);

    // Tells the change and makes it; reports it once the action returned.
    template <typename Action> void change(const QStringList &what, Action action);
    // OK in a machine or call window, which must then hold the record stored.
    void store(EntryForm *form, const QString &record);
    // A name of this run's own, never stored before: the word, the seed, a number.
    QString freshName(const char *word);
    QString pickKnown();
    frmCustomerEntry *customerWindow(const QString &name);
    template <typename T> T *opened(const char *what);

    MDI &m_main;
    QRandomGenerator m_random;
    quint32 m_seed;
    int m_serial = 0;
    // The names of the stored customers, as this run knows them.
    QStringList m_known;
};
