#include "CustomerBench.h"

#include "BenchFigures.h"

#include "BareEngine.h"
#include "DataGrid.h"
#include "Database.h"
#include "Dialect.h"
#include "MDI.h"
#include "MainMod.h"
#include "Recordset.h"
#include "frmCustomerEntry.h"
#include "frmNavigator.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace {

// The small actions are timed more often than the searches: each is well under a millisecond
// of engine time, so that a few noisy runs would decide their median.
constexpr int SmallRuns = 41;

struct Timing
{
    QList<double> ours;
    QList<double> bare;
    int rows = 0;
};

double msecsOf(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e6;
}

QString line(const BenchScale &scale, const char *name, const Timing &t)
{
    const double x = median(t.ours), y = median(t.bare);
    return QStringLiteral("%1.%2 median_ms=%3 bare_ms=%4 ratio=%5 rows=%6")
        .arg(scale.name, QLatin1String(name))
        .arg(x, 0, 'f', 3)
        .arg(y, 0, 'f', 3)
        .arg(x / y, 0, 'f', 3)
        .arg(t.rows);
}

// The bare engine's statements with the name written in, as the engine would run them.
int runBare(BareEngine &bare, const QStringList &statements, const QString &name)
{
    int rows = 0;
    for (const QString &sql : statements)
        rows += bare.run(QString(sql).replace(QLatin1Char('?'), sqlText(name)));
    return rows;
}

// A customer with machines and calls, so that both lists have rows to show.
QStringList busyCustomers(int count)
{
    Recordset rs = gDatabase->openRecordset(QStringLiteral(
        "SELECT Customer FROM Customer WHERE Customer IN (SELECT Customer FROM Equipment) AND "
        "Customer IN (SELECT Customer FROM Telemarket) ORDER BY Customer LIMIT %1")
                                                .arg(count));
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.field(0).toString();
    return names;
}

void typeKey(QWidget *box, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
}

void closeWindow(QWidget *form)
{
    form->parentWidget()->close();
    QApplication::processEvents();
}

Timing openWindow(MDI &main, BareEngine &bare, int runs)
{
    Timing t;
    const QStringList statements
        = { QStringLiteral("SELECT Customer FROM Customer ORDER BY Customer"),
              QStringLiteral("SELECT DISTINCT Type FROM Customer ORDER BY Type") };
    closeWindow(main.registry().open<frmCustomerEntry>()); // warms the caches as a first use would
    for (int i = 0; i < runs; ++i) {
        frmCustomerEntry *form = nullptr;
        t.ours << msecsOf([&] {
            form = main.registry().open<frmCustomerEntry>();
            QApplication::processEvents();
        });
        t.rows = form->cmbCustomer->count();
        closeWindow(form);
        t.bare << msecsOf([&] {
            bare.run(statements[0]);
            bare.run(statements[1]);
        });
    }
    return t;
}

Timing keystroke(MDI &main, BareEngine &bare, const QString &name)
{
    Timing t;
    const QStringList statements = { QStringLiteral("SELECT * FROM Customer WHERE Customer = ?"),
        QStringLiteral("SELECT * FROM Equipment WHERE Customer = ? ORDER BY DateEntered"),
        QStringLiteral("SELECT * FROM Telemarket WHERE Customer = ? ORDER BY DateEntered") };
    frmCustomerEntry *form = main.registry().open<frmCustomerEntry>();
    QLineEdit *box = form->cmbCustomer->lineEdit();
    box->setFocus();
    form->cmbCustomer->setEditText(name.chopped(1));
    const QString last = name.right(1);
    const auto key = Qt::Key(last.toUpper().at(0).unicode());
    for (int i = 0; i < SmallRuns; ++i) {
        // The last letter of the name, typed: the look-up and both lists, ready to paint.
        t.ours << msecsOf([&] {
            typeKey(box, key, last);
            QApplication::processEvents();
        });
        t.rows = form->vsfgEquipment->rows() + form->vsfgTelemarket->rows() - 2;
        typeKey(box, Qt::Key_Backspace, QString());
        QApplication::processEvents();
        t.bare << msecsOf([&] { runBare(bare, statements, name); });
    }
    if (form->cmbCustomer->currentText() != name.chopped(1))
        t.rows = -1; // the keys did not reach the box: the figures mean nothing
    closeWindow(form);
    return t;
}

Timing drilldown(MDI &main, BareEngine &bare, const QStringList &names)
{
    Timing t;
    const QStringList statements
        = { QStringLiteral("SELECT * FROM Equipment WHERE Customer = ? ORDER BY Brand,Model,SN"),
              QStringLiteral(
                  "SELECT * FROM Telemarket WHERE Customer = ? ORDER BY DateOfCall,Telemarketer") };
    frmNavigator *form = main.registry().open<frmNavigator>();
    form->parentWidget()->showMaximized();
    form->UpdateGrids(); // every customer
    QApplication::processEvents();
    DataGrid *grid = form->vsfgCustomers;
    QList<int> rows;
    for (int r = 1; r < grid->rows() && rows.size() < names.size(); ++r) {
        if (names.contains(grid->textMatrix(r, 0)))
            rows << r;
    }
    for (int i = 0; i < SmallRuns && !rows.isEmpty(); ++i) {
        const int row = rows.at(i % rows.size());
        t.ours << msecsOf([&] {
            grid->setCurrentCell(row, 0);
            QApplication::processEvents();
        });
        t.rows = form->vsfgEquipment->rows() + form->vsfgTelemarket->rows() - 2;
        t.bare << msecsOf([&] { runBare(bare, statements, grid->textMatrix(row, 0)); });
    }
    closeWindow(form);
    return t;
}

} // namespace

QStringList runCustomerBench(const BenchScale &scale, const QString &path, int runs)
{
    if (!QFileInfo::exists(path))
        return { scale.name + QStringLiteral(": no database at ") + path };
    gDatabase = Database::open(path);
    BareEngine bare(path);
    MDI main;
    main.show();
    QApplication::processEvents();

    const QStringList names = busyCustomers(2);
    QStringList lines;
    lines << line(scale, "customer_open", openWindow(main, bare, runs));
    if (!names.isEmpty()) {
        lines << line(scale, "customer_keystroke", keystroke(main, bare, names.first()));
        lines << line(scale, "drilldown", drilldown(main, bare, names));
    }
    main.close();
    gDatabase.reset();
    return lines;
}
