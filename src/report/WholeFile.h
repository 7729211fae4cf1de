#pragma once

#include <QString>
#include <functional>
#include <memory>

class QIODevice;
class QSaveFile;

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

    // The same for a writer that opens the file by a name of its own (a library that writes
    // the file itself): open, let it write to writingName(), then commit. A file neither
    // committed nor open any more is gone as the object goes.
    explicit WholeFile(const QString &path);
    ~WholeFile();
    WholeFile(const WholeFile &) = delete;
    WholeFile &operator=(const WholeFile &) = delete;

    bool open(QString *problem);
    // A name that opens the file being written, whatever name it has for now (it may have
    // none until it is whole).
    QString writingName() const;
    bool commit(QString *problem);
    // Drops the file being written; the object is of no further use.
    void discard();

private:
    std::unique_ptr<QSaveFile> m_file;
};
