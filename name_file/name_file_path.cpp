#include "name_file_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString documentsOrHome()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

QString DefaultNameFilePath()
{
    return QDir::toNativeSeparators(QDir(documentsOrHome()).filePath(u"prismark.cfg"_s));
}

QString PathAsGiven(const QString &typed)
{
#ifdef Q_OS_WIN
    if (typed.size() >= 2 && typed.startsWith(u'"') && typed.endsWith(u'"'))
        return typed.sliced(1, typed.size() - 2);
#endif
    return typed;
}

QString FolderToChooseIn(const QString &path)
{
    if (!path.isEmpty()) {
        const QDir folder = QFileInfo(path).absoluteDir();
        if (folder.exists())
            return folder.absolutePath();
    }
    return documentsOrHome();
}
