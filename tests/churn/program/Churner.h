#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

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
    // Learns the stored names from the customer window's list, says "ready" and starts.
    void start();

private:
    void step();
    // Tells the change and makes it through the window; reports it once the action returned.
    template <typename Action> void change(const QStringList &what, Action action);
    // A name of this run's own, never stored before: the word, the seed, a number.
    QString freshName(const char *word);
    frmCustomerEntry *customerWindow(const QString &name);

    MDI &m_main;
    QRandomGenerator m_random;
    quint32 m_seed;
    int m_serial = 0;
    QStringList m_known; // the names of the stored customers, as this run knows them
};
