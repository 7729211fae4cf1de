#pragma once

#include <QString>
#include <memory>

class QIODevice;
class QSaveFile;
class QTemporaryFile;

// A file the user asked for is written under a temporary name beside it and put in its place
// only once it is whole: a write that fails, a full disk, a cancelled save or the program ending
// half-way never leave a half-written file under the name asked for, and an older file of that
// name stays as it was until then. A WholeFile dropped without commit leaves nothing behind.
class WholeFile
{
public:
    explicit WholeFile(const QString &path);
    ~WholeFile();
    WholeFile(const WholeFile &) = delete;
    WholeFile &operator=(const WholeFile &) = delete;

    QString path() const { return m_path; }

    // Opens the temporary file to be written through device(); false when the folder does not
    // let it be made.
    bool open();
    QIODevice &device();
    // For a writer that opens its file by name itself (a printer printing to a file): makes an
    // empty temporary file beside the target for it to overwrite and returns its name; empty
    // text when the folder does not let it be made.
    QString openByName();

    // Puts the file in its place; false when it could not be written whole.
    bool commit();
    // Forgets what was written; the name asked for is left as it was.
    void discard();
    // The system's words for what went wrong.
    QString errorString() const;

private:
    QString m_path;
    std::unique_ptr<QSaveFile> m_save;
    std::unique_ptr<QTemporaryFile> m_named;
    QString m_error;
};
