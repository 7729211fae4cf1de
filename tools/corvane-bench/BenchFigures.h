#pragma once

#include <QList>
#include <algorithm>
#include <ctime>

// The figures every bench line reports.

// The middle of the timed runs: one slow run on a shared machine does not move it.
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The process's own processor time in milliseconds: what a shared, loaded machine does not
// inflate.
inline double processorMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
