#include "Churner.h"

#include "MDI.h"
#include "frmCustomerEntry.h"
#include "frmEquipmentEntry.h"
#include "frmRenameCustomer.h"
#include "frmTelemarketEntry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// Enough changes for any kill the tests make; a program nobody killed stops by itself.
constexpr int MostChanges = 20000;

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString &why)
{
    std::fputs(qPrintable(why + QLatin1Char('\n')), stderr);
    std::fflush(stderr);
    std::_Exit(3);
}

} // namespace

Churner::Churner(MDI &main, quint32 seed)
    : m_main(main)
    , m_random(seed)
    , m_seed(seed)
{ }

void Churner::start()
{
    const QComboBox *names = customerWindow(QString())->cmbCustomer;
    for (int i = 0; i < names->count(); ++i)
        m_known << names->itemText(i);
    say(QStringLiteral("ready"));
    QTimer::singleShot(0, this, &Churner::step);
}

void Churner::step()
{
    if (++m_serial > MostChanges)
        return QCoreApplication::exit(0);
    // Renames and deletes are the changes made of several statements, so they come often.
    const int roll = int(m_random.bounded(100));
    if (m_known.isEmpty() || roll < 25)
        saveCustomer(freshName("Kestrel"));
    else if (roll < 30)
        saveCustomer(pickKnown());
    else if (roll < 60) {
        // Now and then a machine or a call under a name typed but never saved as a customer.
        const QString customer = m_random.bounded(10) == 0 ? freshName("Wren") : pickKnown();
        roll < 45 ? addMachine(customer) : addCall(customer);
    } else if (roll < 85)
        rename(pickKnown());
    else
        remove(pickKnown());
    // Between two actions the windows get their events, as between two clicks of a user.
    QTimer::singleShot(0, this, &Churner::step);
}

template <typename Action> void Churner::change(const QStringList &what, Action action)
{
    const QString text = what.join(QLatin1Char('\t'));
    say(QStringLiteral("try\t") + text);
    action();
    say(QStringLiteral("done\t") + text);
}

void Churner::saveCustomer(const QString &name)
{
    const QString n = QString::number(m_serial);
    const QStringList fields { n + QStringLiteral(" Harbour Road"), QStringLiteral("Town ") + n,
        QStringLiteral("555-") + n, QStringLiteral("Contact ") + n };
    change(QStringList { QStringLiteral("customer"), name } + fields, [&] {
        frmCustomerEntry *form = customerWindow(name);
        form->txtAddress1->setText(fields.at(0));
        form->txtCity->setText(fields.at(1));
        form->txtPhone->setText(fields.at(2));
        form->txtContact1->setText(fields.at(3));
        form->btnSave->click();
        if (!form->cmbCustomer->currentText().isEmpty())
            fail(QStringLiteral("The customer window did not save ") + name);
    });
    if (!m_known.contains(name))
        m_known << name;
}

void Churner::addMachine(const QString &customer)
{
    const QString n = QString::number(m_serial);
    const QStringList fields { QStringLiteral("S%1-%2").arg(m_seed).arg(n),
        QStringLiteral("Brand ") + n, QStringLiteral("Model ") + n };
    change(QStringList { QStringLiteral("machine"), customer } + fields, [&] {
        customerWindow(customer)->btnAddEquipment->click();
        auto *form = opened<frmEquipmentEntry>("equipment");
        form->txtSN->setText(fields.at(0));
        form->cmbBrand->setEditText(fields.at(1));
        form->txtModel->setText(fields.at(2));
        store(form, fields.at(0));
    });
}

void Churner::addCall(const QString &customer)
{
    const QString n = QString::number(m_serial);
    const QStringList fields { QStringLiteral("I%1-%2").arg(m_seed).arg(n),
        QStringLiteral("Caller ") + n };
    change(QStringList { QStringLiteral("call"), customer } + fields, [&] {
        customerWindow(customer)->btnAddTelemarket->click();
        auto *form = opened<frmTelemarketEntry>("telemarket");
        form->txtInterest->setPlainText(fields.at(0));
        form->txtTelemarketer->setText(fields.at(1));
        store(form, fields.at(0));
    });
}

void Churner::rename(const QString &from)
{
    const QString to = freshName("Heron");
    change({ QStringLiteral("rename"), from, to }, [&] {
        frmCustomerEntry *form = customerWindow(from);
        form->btnRename->click();
        auto *dialog = opened<frmRenameCustomer>("rename");
        dialog->txtTo->setText(to);
        dialog->btnOK->click();
        if (form->cmbCustomer->currentText() != to)
            fail(QStringLiteral("The rename did not show ") + to);
    });
    m_known.replace(m_known.indexOf(from), to);
}

void Churner::remove(const QString &name)
{
    change({ QStringLiteral("delete"), name }, [&] {
        frmCustomerEntry *form = customerWindow(name);
        form->btnDelete->click();
        if (!form->cmbCustomer->currentText().isEmpty())
            fail(QStringLiteral("The customer window did not delete ") + name);
    });
    m_known.removeOne(name);
}

void Churner::store(EntryForm *form, const QString &record)
{
    form->btnOK->click();
    if (!form->isSaved())
        fail(QStringLiteral("The %1 window did not store %2").arg(form->objectName(), record));
}

QString Churner::freshName(const char *word)
{
    return QStringLiteral("%1 %2-%3").arg(QLatin1String(word)).arg(m_seed).arg(m_serial);
}

QString Churner::pickKnown()
{
    return m_known.at(int(m_random.bounded(qsizetype(m_known.size()))));
}

frmCustomerEntry *Churner::customerWindow(const QString &name)
{
    frmCustomerEntry *form = m_main.registry().open<frmCustomerEntry>();
    form->cmbCustomer->setEditText(name);
    return form;
}

template <typename T> T *Churner::opened(const char *what)
{
    T *form = m_main.registry().find<T>();
    if (!form)
        fail(QStringLiteral("The %1 window did not open").arg(QLatin1String(what)));
    return form;
}
