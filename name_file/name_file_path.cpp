#include "name_file_path.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString FileName = u"prismark.cfg"_s;
const QString LastNameFileKey = u"LastNameFile"_s;

QString documentsOrHome()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString nameFileIn(const QString &folder)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(FileName));
}

// The program's one setting, in the platform's place: the registry on Windows, ~/.config on
// Linux.
QSettings settings()
{
    return QSettings(QSettings::UserScope, u"Prismark"_s, u"Prismark"_s);
}

} // namespace

NameFilePlace ChooseNameFilePlace(const QString &lastWritten,
                                  const std::optional<GameFolder::Found> &game)
{
    if (!lastWritten.isEmpty() && QFileInfo(lastWritten).absoluteDir().exists())
        return {QDir::toNativeSeparators(lastWritten), u"where the last name file was written"_s};
    if (game && game->virtualStore)
        return {
            nameFileIn(game->folder),
            u"the game's base\\mp folder as the game reads it when it runs without "
            u"administrator rights: Windows keeps its files in VirtualStore (found in %1)"_s.arg(
                game->foundIn)};
    if (game)
        return {nameFileIn(game->folder),
                u"the game's base\\mp folder, found in %1"_s.arg(game->foundIn)};
    return {nameFileIn(documentsOrHome()), u"the documents folder: the game was not found"_s};
}

QString LastNameFile()
{
    return settings().value(LastNameFileKey).toString();
}

void KeepLastNameFile(const QString &path)
{
    settings().setValue(LastNameFileKey, QFileInfo(path).absoluteFilePath());
}

QString PathAsGiven(const QString &typed)
{
#ifdef Q_OS_WIN
    if (typed.size() >= 2 && typed.startsWith(u'"') && typed.endsWith(u'"'))
        return typed.sliced(1, typed.size() - 2);
#endif
    return typed;
}

QString FolderToChooseIn(const QString &path, const std::optional<GameFolder::Found> &game)
{
    if (!path.isEmpty()) {
        const QDir folder = QFileInfo(path).absoluteDir();
        if (folder.exists())
            return folder.absolutePath();
    }
    return game ? game->folder : documentsOrHome();
}
