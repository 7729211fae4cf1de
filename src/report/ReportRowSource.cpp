#include "ReportRowSource.h"

ReportRowSource::~ReportRowSource() = default;

const QList<QDateTime> &ReportRowSource::dates() const
{
    static const QList<QDateTime> none;
    return none;
}

bool ReportRowSource::skip()
{
    QStringList values;
    return next(values);
}

int ReportRowSource::seekColumn() const
{
    return -1;
}

std::unique_ptr<ReportRowSource> ReportRowSource::reopen(const QString &) const
{
    return nullptr;
}
