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

void say(const QString &line, FILE *to = stdout)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), to);
    std::fflush(to);
}

void check(bool done, const QString &otherwise)
{
    if (!done) {
        say(otherwise, stderr);
        std::_Exit(3);
    }
}

template <typename T> T *opened(MDI &main)
{
    T *form = main.registry().find<T>();
    check(form, QStringLiteral("The %1 window did not open").arg(T::staticMetaObject.className()));
    return form;
}

// OK in a machine or call window, which must then hold the record stored.
void store(EntryForm *form, const QString &record)
{
    form->btnOK->click();
    check(form->isSaved(),
        QStringLiteral("The %1 window did not store %2").arg(form->objectName(), record));
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
    const QString n = QString::number(m_serial);
    const auto known
        = [this] { return m_known.at(int(m_random.bounded(qsizetype(m_known.size())))); };
    // Renames and deletes are the changes made of several statements, so they come often.
    const int roll = m_known.isEmpty() ? 0 : int(m_random.bounded(100));
    if (roll < 30) {
        const QString name = roll < 25 ? freshName("Kestrel") : known();
        const QStringList fields { n + " Harbour Road", "Town " + n, "555-" + n, "Contact " + n };
        change(QStringList { "customer", name } + fields, [&] {
            frmCustomerEntry *form = customerWindow(name);
            form->txtAddress1->setText(fields.at(0));
            form->txtCity->setText(fields.at(1));
            form->txtPhone->setText(fields.at(2));
            form->txtContact1->setText(fields.at(3));
            form->btnSave->click();
            check(form->cmbCustomer->currentText().isEmpty(),
                "The customer window did not save " + name);
        });
        if (!m_known.contains(name))
            m_known << name;
    } else if (roll < 60) {
        // Now and then a machine or a call under a name typed but never saved as a customer.
        const QString customer = m_random.bounded(10) == 0 ? freshName("Wren") : known();
        const QString serial = QStringLiteral("%1-%2").arg(m_seed).arg(n);
        if (roll < 45) {
            const QStringList fields { "S" + serial, "Brand " + n, "Model " + n };
            change(QStringList { "machine", customer } + fields, [&] {
                customerWindow(customer)->btnAddEquipment->click();
                auto *form = opened<frmEquipmentEntry>(m_main);
                form->txtSN->setText(fields.at(0));
                form->cmbBrand->setEditText(fields.at(1));
                form->txtModel->setText(fields.at(2));
                store(form, fields.at(0));
            });
        } else {
            const QStringList fields { "I" + serial, "Caller " + n };
            change(QStringList { "call", customer } + fields, [&] {
                customerWindow(customer)->btnAddTelemarket->click();
                auto *form = opened<frmTelemarketEntry>(m_main);
                form->txtInterest->setPlainText(fields.at(0));
                form->txtTelemarketer->setText(fields.at(1));
                store(form, fields.at(0));
            });
        }
    } else if (roll < 85) {
        const QString from = known(), to = freshName("Heron");
        change({ "rename", from, to }, [&] {
            frmCustomerEntry *form = customerWindow(from);
            form->btnRename->click();
            auto *dialog = opened<frmRenameCustomer>(m_main);
            dialog->txtTo->setText(to);
            dialog->btnOK->click();
            check(form->cmbCustomer->currentText() == to, "The rename did not show " + to);
        });
        m_known.replace(m_known.indexOf(from), to);
    } else {
        const QString name = known();
        change({ "delete", name }, [&] {
            frmCustomerEntry *form = customerWindow(name);
            form->btnDelete->click();
            check(form->cmbCustomer->currentText().isEmpty(),
                "The customer window did not delete " + name);
        });
        m_known.removeOne(name);
    }
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

QString Churner::freshName(const char *word)
{
    return QStringLiteral("%1 %2-%3").arg(QLatin1String(word)).arg(m_seed).arg(m_serial);
}

frmCustomerEntry *Churner::customerWindow(const QString &name)
{
    frmCustomerEntry *form = m_main.registry().open<frmCustomerEntry>();
    form->cmbCustomer->setEditText(name);
    return form;
}
