#pragma once

#include "game_folder/game_folder.h"

#include <QString>

#include <optional>

// Where a name file goes, and where that place came from, in a few words.
struct NameFilePlace
{
    QString path; // the whole path, in the platform's separators
    QString origin;
};

// Where a new result window's name file goes, the first that applies: where the last name file
// was written, while its folder exists; prismark.cfg in the game's base\mp folder, or in its copy
// in VirtualStore; prismark.cfg in the user's documents folder, or in the home folder where there
// is no documents folder.
NameFilePlace ChooseNameFilePlace(const QString &lastWritten,
                                  const std::optional<GameFolder::Found> &game);

// The name file last written, kept in the program's one setting; empty before the first.
QString LastNameFile();
void KeepLastNameFile(const QString &path);

// The file that a typed path names: on Windows without the double quotes that Explorer's "Copy
// as path" puts around a path (a Windows file name cannot hold them, so there they only mark the
// path's ends); elsewhere, and otherwise, exactly as typed.
QString PathAsGiven(const QString &typed);

// The folder in which to choose the name file at `path` (as PathAsGiven gives it): the path's
// own folder where that exists, else the game's base\mp folder where it was found, else the
// documents folder, else the home folder.
QString FolderToChooseIn(const QString &path, const std::optional<GameFolder::Found> &game);
