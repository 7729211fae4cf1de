#pragma once

#include "DbError.h"

#include <QTest>
#include <functional>

// A write the database layer must refuse, with the words its message must hold.
inline void expectRefusal(const std::function<void()> &action, const QString &words)
{
    try {
        action();
    } catch (const DbError &error) {
        QVERIFY2(error.message().contains(words, Qt::CaseInsensitive), qPrintable(error.message()));
        return;
    }
    QFAIL(qPrintable(QStringLiteral("not refused: expected \"%1\"").arg(words)));
}
