#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Where the game reads the files that its console's exec runs: base\mp under its install folder.
namespace GameFolder {

// What the search reads of a machine: the platform's own, or a test's.
struct Machine
{
    // The install folders that the game's installer recorded, as Windows paths: the registry's
    // 32-bit view first. Empty values are passed over.
    QStringList installPaths;
    // Where the registry is, in words: "the registry", or a Wine prefix's.
    QString registry;
    // The Program Files folders, as Windows paths, the 32-bit one first: where the installer puts
    // the game by default, and where Windows virtualises the game's writes.
    QStringList programFiles;
    // The user's local application data folder (a Windows path), which holds VirtualStore.
    QString localAppData;
    // The folder or file at a Windows path, as a path of this machine's file system; empty where
    // there is none.
    std::function<QString(const QString &windowsPath)> localPath;
    // Whether this user can create a file in a folder of this machine.
    std::function<bool(const QString &folder)> canCreateFileIn;
};

struct Found
{
    // Where the install folder was found, in words: the machine's registry, or "its default
    // folder".
    QString foundIn;
    // The folder the name file goes into: base\mp under the install folder, or its copy in
    // VirtualStore, where Windows keeps what the game writes when it runs without administrator
    // rights. A path of this machine's file system.
    QString folder;
    bool virtualStore = false;
};

// The game's base\mp folder: of the first install folder, from the registry or else a default
// folder, whose base\mp exists. Where it lies under Program Files and this user cannot create a
// file in it, its copy in VirtualStore instead, where that exists.
std::optional<Found> findGame(const Machine &machine);

// Whether `file` lies where the game's exec finds it: in the found base\mp or the base beside it.
bool gameReads(const Found &game, const QString &file);

// This machine: on Windows its registry and folders; elsewhere the Wine prefix in WINEPREFIX, or
// else ~/.wine.
Machine thisMachine();

// Whether this user can create a file in `folder`: a new file is made there and removed.
bool canCreateFileIn(const QString &folder);

// The entry at `parts` below `folder`, each part matched in any case, as Windows and Wine match
// file names; empty where there is none.
QString findIgnoringCase(const QString &folder, const QStringList &parts);

} // namespace GameFolder
