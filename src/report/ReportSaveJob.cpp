#include "ReportSaveJob.h"

#include <QCoreApplication>

QString ReportSaveJob::rowProgress(qint64 row, qint64 total)
{
    return total > 0
        ? QCoreApplication::translate("ReportSaveJob", "Row %1 of %2").arg(row).arg(total)
        : QCoreApplication::translate("ReportSaveJob", "Row %1").arg(row);
}
