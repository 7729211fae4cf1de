#include "WholeFile.h"

#include <QSaveFile>

bool WholeFile::write(const QString &path, const Writer &writer, QString *problem)
{
    QSaveFile file(path);
    const bool whole = file.open(QIODevice::WriteOnly) && writer(file) && file.commit();
    // Without a commit the temporary file is removed as the object goes.
    if (!whole && problem)
        *problem = file.errorString();
    return whole;
}
