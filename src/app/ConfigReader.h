#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// config.txt holds free-format data items: only their order counts, not how they are spread over
// lines. fileName only names the file in the errors; nothing here touches the disk.

constexpr int ConfigItemCount = 5;

// The first five items of the file's bytes. Throws ConfigError when the file has fewer.
QStringList readConfigItems(const QByteArray &bytes, const QString &fileName);

// The whole number an item stands for: the decimal number at its start, rounded half to even
// (no number gives 0). Throws ConfigError when it does not fit a 16-bit signed integer.
qint16 configNumber(const QString &item, const QString &fileName);
