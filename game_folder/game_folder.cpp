#include "game_folder.h"

#include "wine_prefix.h"
#ifdef Q_OS_WIN
#include "windows_machine.h"
#endif

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace GameFolder {

namespace {

const QString GameFolderName = u"Soldier of Fortune II - Double Helix"_s;

bool underProgramFiles(const Machine &machine, const QString &install)
{
    for (const QString &programFiles : machine.programFiles) {
        if (!programFiles.isEmpty() &&
            install.startsWith(programFiles + u'\\', Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The game's base\mp folder under the install folder `install`, where it exists. Windows keeps
// Program Files from standard users, and a game of 2002 that writes there writes into
// VirtualStore instead: that copy is then the one it reads.
std::optional<Found> foundAt(const Machine &machine, const QString &install, const QString &foundIn,
                             bool byDefault)
{
    const QString local = install.isEmpty() ? QString() : machine.localPath(install);
    if (local.isEmpty() || (byDefault && findIgnoringCase(local, {u"SoF2MP.exe"_s}).isEmpty()))
        return std::nullopt;
    const QString folder = findIgnoringCase(local, {u"base"_s, u"mp"_s});
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return std::nullopt;
    if (!underProgramFiles(machine, install) || machine.canCreateFileIn(folder))
        return Found{foundIn, folder, false};
    // The install path without its drive, under VirtualStore.
    const QString store = machine.localPath(machine.localAppData + u"\\VirtualStore"_s +
                                            install.sliced(2) + u"\\base\\mp"_s);
    if (store.isEmpty() || !QFileInfo(store).isDir())
        return std::nullopt;
    return Found{foundIn, store, true};
}

} // namespace

std::optional<Found> findGame(const Machine &machine)
{
    for (const QString &install : machine.installPaths) {
        if (auto found = foundAt(machine, install, machine.registry, false))
            return found;
    }
    for (const QString &programFiles : machine.programFiles) {
        if (programFiles.isEmpty())
            continue;
        const QString install = programFiles + u'\\' + GameFolderName;
        if (auto found = foundAt(machine, install, u"its default folder"_s, true))
            return found;
    }
    return std::nullopt;
}

bool gameReads(const Found &game, const QString &file)
{
    const QFileInfo folder(QFileInfo(file).absolutePath());
    return folder == QFileInfo(game.folder) || folder == QFileInfo(QFileInfo(game.folder).path());
}

Machine thisMachine()
{
#ifdef Q_OS_WIN
    return windowsMachine();
#else
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return wineMachine(prefix.isEmpty() ? QDir::home().filePath(u".wine"_s) : prefix);
#endif
}

bool canCreateFileIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(u"prismark-XXXXXX"_s));
    return probe.open();
}

QString findIgnoringCase(const QString &folder, const QStringList &parts)
{
    if (!QFileInfo::exists(folder))
        return {};
    QString path = folder;
    for (const QString &part : parts) {
        const QDir here(path);
        if (here.exists(part)) {
            path = here.filePath(part);
            continue;
        }
        const QStringList entries =
            here.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const auto same = [&part](const QString &entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        };
        const auto match = std::find_if(entries.begin(), entries.end(), same);
        if (match == entries.end())
            return {};
        path = here.filePath(*match);
    }
    return path;
}

} // namespace GameFolder
