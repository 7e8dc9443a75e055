#include "windows_machine.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace GameFolder {

Machine windowsMachine()
{
    Machine machine;
    // The installer is a 32-bit program: on 64-bit Windows its values are in the 32-bit view.
    const QString key =
        u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\Soldier of Fortune II - Double Helix"_s;
    for (const QSettings::Format view : {QSettings::Registry32Format, QSettings::Registry64Format})
        machine.installPaths << QSettings(key, view).value(u"InstallPath"_s).toString();
    machine.registry = u"the registry"_s;
    machine.programFiles = {qEnvironmentVariable("ProgramFiles(x86)"),
                            qEnvironmentVariable("ProgramFiles")};
    machine.localAppData = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    machine.localPath = [](const QString &path) {
        return QFileInfo::exists(path) ? QDir::fromNativeSeparators(path) : QString();
    };
    machine.canCreateFileIn = canCreateFileIn;
    return machine;
}

} // namespace GameFolder
