#pragma once

#include <QString>
#include <QtGlobal>

// Finding and starting the system information tool that an installation names in the machine's
// settings store (see Registry). The About box's public operations of the same names call these.

// Starts the tool without waiting for it, or tells the user that it is unavailable.
void StartSysInfo();

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal. A string value gives
// its text, a 32-bit value "&h" and its hexadecimal digits; a value of another type leaves
// KeyVal as it was. Returns false, with KeyVal empty, when the key or the value cannot be read.
bool GetKeyValue(
    quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);
