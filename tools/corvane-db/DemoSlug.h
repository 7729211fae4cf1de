#pragma once

#include <QString>

// Web addresses and e-mail boxes made from names: lower-case ASCII letters and digits only, so
// "Müller & Söhne" becomes "mullersohne" and "O'Brien" "obrien".
namespace DemoSlug {

QString of(const QString &text);

} // namespace DemoSlug
