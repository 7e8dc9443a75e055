#pragma once

#include "game_folder.h"

#include <QByteArray>
#include <QStringList>

namespace GameFolder {

// The game's install folders that a Wine prefix's system.reg records: the installer's
// InstallPath under Software\Wow6432Node (a 64-bit prefix) first, then under Software (a 32-bit
// one).
QStringList installPathsInSystemReg(const QByteArray &systemReg);

// A Wine prefix as a machine: its registry, and its drives through its dosdevices folder, with
// file names matched in any case, as Wine matches them. Wine keeps no VirtualStore.
Machine wineMachine(const QString &prefix);

} // namespace GameFolder
