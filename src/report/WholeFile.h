#pragma once

#include <QString>
#include <functional>

class QIODevice;

// A file the user asked for is written under a temporary name beside it and put in its place
// only once it is whole: a write that fails, a full disk or the program ending half-way never
// leave a half-written file under the name asked for, and an older file of that name stays as
// it was until then.
class WholeFile
{
public:
    using Writer = std::function<bool(QIODevice &out)>;

    // True when the file stands whole under its name; otherwise 'problem' (when given) holds
    // the system's words for what went wrong.
    static bool write(const QString &path, const Writer &writer, QString *problem = nullptr);
};
