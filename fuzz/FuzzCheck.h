#pragma once

#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>

// A property a fuzz target holds the program to: when it fails, the input that broke it is a
// finding, so the run stops there and libFuzzer keeps the input.
inline void fuzzCheck(bool holds, const char *what, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

// The tests' locale, so that a finding reads back the same under the tests.
inline void pinLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
