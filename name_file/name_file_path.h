#pragma once

#include <QString>

// Where the name file goes unless the player says otherwise: prismark.cfg in the user's
// documents folder, or in the home folder where there is no documents folder. The whole path, in
// the platform's separators.
QString DefaultNameFilePath();

// The file that a typed path names: on Windows without the double quotes that Explorer's "Copy
// as path" puts around a path (a Windows file name cannot hold them, so there they only mark the
// path's ends); elsewhere, and otherwise, exactly as typed.
QString PathAsGiven(const QString &typed);

// The folder in which to choose the name file at `path` (as PathAsGiven gives it): the path's
// own folder where that exists, else the documents folder, else the home folder.
QString FolderToChooseIn(const QString &path);
