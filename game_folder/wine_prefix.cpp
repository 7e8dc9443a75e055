#include "wine_prefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cctype>

using namespace Qt::StringLiterals;

namespace GameFolder {

namespace {

// The game's keys as system.reg writes their sections: paths below HKEY_LOCAL_MACHINE, with
// each backslash doubled. Wine matches them in any case.
constexpr std::array<QByteArrayView, 2> GameKeys{
    "[Software\\\\Wow6432Node\\\\Activision\\\\Soldier of Fortune II - Double Helix]",
    "[Software\\\\Activision\\\\Soldier of Fortune II - Double Helix]",
};
constexpr QByteArrayView InstallPathValue = "\"InstallPath\"=\"";

bool startsWithIgnoringCase(QByteArrayView text, QByteArrayView start)
{
    return text.size() >= start.size() &&
           text.first(start.size()).compare(start, Qt::CaseInsensitive) == 0;
}

// A string as system.reg writes it, between its quotes: a backslash escapes the character after
// it, and \x with up to four hex digits stands for a UTF-16 unit.
QString unescaped(QByteArrayView text)
{
    QString value;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != '\\' || at + 1 == text.size()) {
            value += QLatin1Char(text[at]);
            continue;
        }
        ++at;
        if (text[at] != 'x') {
            value += QLatin1Char(text[at]);
            continue;
        }
        qsizetype end = at + 1;
        while (end < text.size() && end < at + 5 && std::isxdigit(static_cast<uchar>(text[end])))
            ++end;
        value += QChar(char16_t(text.sliced(at + 1, end - at - 1).toUInt(nullptr, 16)));
        at = end - 1;
    }
    return value;
}

// The InstallPath value among a section's lines.
QString installPathIn(QByteArrayView section)
{
    for (qsizetype line = 0; line < section.size();) {
        qsizetype end = section.indexOf('\n', line);
        if (end < 0)
            end = section.size();
        const QByteArrayView text = section.sliced(line, end - line).trimmed();
        if (startsWithIgnoringCase(text, InstallPathValue) && text.endsWith('"') &&
            text.size() > InstallPathValue.size())
            return unescaped(text.sliced(InstallPathValue.size()).chopped(1));
        line = end + 1;
    }
    return {};
}

} // namespace

QStringList installPathsInSystemReg(const QByteArray &systemReg)
{
    // Each section begins with its key at the start of a line, and runs to the next.
    std::array<QString, GameKeys.size()> paths;
    const QByteArrayView text(systemReg);
    for (qsizetype at = text.indexOf("\n["); at >= 0;) {
        const qsizetype next = text.indexOf("\n[", at + 1);
        const QByteArrayView section =
            text.sliced(at + 1, (next < 0 ? text.size() : next) - at - 1);
        for (std::size_t key = 0; key < GameKeys.size(); ++key) {
            if (startsWithIgnoringCase(section, GameKeys[key]))
                paths[key] = installPathIn(section);
        }
        at = next;
    }
    return {paths.begin(), paths.end()};
}

Machine wineMachine(const QString &prefix)
{
    Machine machine;
    QFile systemReg(QDir(prefix).filePath(u"system.reg"_s));
    if (systemReg.open(QIODevice::ReadOnly))
        machine.installPaths = installPathsInSystemReg(systemReg.readAll());
    machine.registry = u"the registry of the Wine prefix "_s + QDir::toNativeSeparators(prefix);
    // C:\A\B is dosdevices/c:/A/B, shown as the folder it leads to.
    machine.localPath = [prefix](const QString &windowsPath) -> QString {
        if (windowsPath.size() < 2 || windowsPath[1] != u':')
            return {};
        const QString drive = u"dosdevices/"_s + windowsPath.first(2).toLower();
        QString rest = windowsPath.sliced(2);
        const QString found =
            findIgnoringCase(QDir(prefix).filePath(drive),
                             rest.replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts));
        return found.isEmpty() ? found : QFileInfo(found).canonicalFilePath();
    };
    machine.canCreateFileIn = canCreateFileIn;
    return machine;
}

} // namespace GameFolder
