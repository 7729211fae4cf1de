#include "ReportRowSource.h"

ReportRowSource::~ReportRowSource() = default;

const QList<QDateTime> &ReportRowSource::dates() const
{
    static const QList<QDateTime> none;
    return none;
}
