#pragma once

#include <QStringList>

// The people in the demo data: customers' contacts, the family names that businesses are
// named after, and the dealer's own telemarketers.
namespace DemoPeople {

const QStringList &firstNames();
// Includes names with apostrophes and accented letters, as a real customer base does.
const QStringList &surnames();
const QStringList &titles();
// A dozen people who make the calls.
const QStringList &telemarketers();

} // namespace DemoPeople
