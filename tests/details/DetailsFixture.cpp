#include "DetailsFixture.h"

#include "Database.h"
#include "MainMod.h"
#include "Recordset.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMdiSubWindow>
#include <QTest>

void DetailsFixture::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    gCallBackMonths = 3;
    m_db = std::make_unique<TempDatabase>();
    m_main = std::make_unique<MDI>();
    m_main->show();
    if (!QTest::qWaitForWindowActive(m_main.get()))
        qWarning("The main window did not become active; focus tests will fail.");
    m_messages = std::make_unique<ScriptedMsgBox>();
    seed();
}

void DetailsFixture::cleanup()
{
    const QStringList problems = m_messages->problems();
    m_main.reset();
    m_messages.reset();
    m_db.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QVariantMap DetailsFixture::row(const QString &table, qint64 id) const
{
    QVariantMap columns;
    Recordset rs = gDatabase->openRecordset(
        QStringLiteral("SELECT * FROM %1 WHERE ID = ?").arg(table), { id });
    if (!rs.eof()) {
        for (int i = 0; i < rs.fieldCount(); ++i)
            columns.insert(rs.fieldName(i), rs.field(i));
    }
    rs.close();
    return columns;
}

QVariantMap DetailsFixture::lastRow(const QString &table) const
{
    Recordset rs
        = gDatabase->openRecordset(QStringLiteral("SELECT MAX(ID) AS Last FROM %1").arg(table));
    const qint64 id = rs.field(0).toLongLong();
    rs.close();
    return row(table, id);
}

int DetailsFixture::count(const QString &table) const
{
    Recordset rs
        = gDatabase->openRecordset(QStringLiteral("SELECT COUNT(*) AS N FROM %1").arg(table));
    const int n = rs.field(0).toInt();
    rs.close();
    return n;
}

QString DetailsFixture::caption(const QWidget *form)
{
    return form->parentWidget()->windowTitle();
}

QString DetailsFixture::spokenName(QWidget *control)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
    const auto labels = a->relations(QAccessible::Label);
    if (qobject_cast<QComboBox *>(control) && !labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
    return a->text(QAccessible::Name);
}

QObject *DetailsFixture::labelOf(QWidget *control)
{
    const auto labels
        = QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
    return labels.size() == 1 ? labels.first().first->object() : nullptr;
}

QString DetailsFixture::tabOrderProblem(
    QWidget *form, const QList<QWidget *> &order, const QStringList &names)
{
    for (int i = 0; i < order.size(); ++i) {
        if (spokenName(order[i]) != names[i])
            return QStringLiteral("%1 is spoken as %2").arg(names[i], spokenName(order[i]));
        if (i == 0)
            continue;
        QWidget *next = order[i - 1]->nextInFocusChain();
        while (next->parentWidget() != form || next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        if (next != order[i])
            return QStringLiteral("Tab goes from %1 to %2").arg(names[i - 1], next->objectName());
    }
    return QString();
}

void DetailsFixture::closeBox(QWidget *form)
{
    qobject_cast<QMdiSubWindow *>(form->parentWidget())->close();
}

void DetailsFixture::saveScreenshot(QWidget *form, const QString &name)
{
    QDir().mkpath(CORVANE_BUILD_DIR "/screenshots");
    form->parentWidget()->grab().save(CORVANE_BUILD_DIR "/screenshots/" + name);
}
