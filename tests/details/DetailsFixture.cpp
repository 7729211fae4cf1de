#include "DetailsFixture.h"

#include "Database.h"
#include "MainMod.h"
#include "Recordset.h"

#include <QAccessible>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QTest>

void DetailsFixture::init()
{
    gCallBackMonths = 3;
    setUp();
    m_messages = std::make_unique<ScriptedMsgBox>();
    seed();
}

void DetailsFixture::cleanup()
{
    const QStringList problems = m_messages->problems();
    tearDown();
    m_messages.reset();
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
