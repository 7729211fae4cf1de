#include "ReportRowSource.h"

ReportRowSource::~ReportRowSource() = default;

bool ReportRowSource::skip()
{
    QStringList values;
    return next(values);
}

std::unique_ptr<ReportRowSource> ReportRowSource::reopen() const
{
    return nullptr;
}
