#include "wine_prefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cctype>

using namespace Qt::StringLiterals;

namespace GameFolder {

namespace {

// The game's keys as system.reg writes their sections, in lower case: paths below
// HKEY_LOCAL_MACHINE, with each backslash doubled.
constexpr std::array GameKeys{
    "\n[software\\\\wow6432node\\\\activision\\\\soldier of fortune ii - double helix]",
    "\n[software\\\\activision\\\\soldier of fortune ii - double helix]",
};
constexpr QByteArrayView InstallPathValue = "\"installpath\"=\"";

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

// The InstallPath of the section that begins at `at`, which runs to the next section.
QString installPathIn(const QByteArray &text, const QByteArray &lower, qsizetype at)
{
    const qsizetype sectionEnd = lower.indexOf("\n[", at + 1);
    const qsizetype end = sectionEnd < 0 ? lower.size() : sectionEnd;
    for (qsizetype line = lower.indexOf('\n', at + 1); line >= 0 && line < end;
         line = lower.indexOf('\n', line + 1)) {
        if (!QByteArrayView(lower).sliced(line + 1).startsWith(InstallPathValue))
            continue;
        const qsizetype start = line + 1 + InstallPathValue.size();
        const qsizetype lineEnd = lower.indexOf('\n', start);
        const qsizetype close = text.lastIndexOf('"', lineEnd < 0 ? end : std::min(lineEnd, end));
        if (close >= start)
            return unescaped(QByteArrayView(text).sliced(start, close - start));
    }
    return {};
}

} // namespace

QStringList installPathsInSystemReg(const QByteArray &systemReg)
{
    const QByteArray lower = systemReg.toLower();
    QStringList paths;
    for (const char *key : GameKeys) {
        const qsizetype at = lower.indexOf(key);
        if (at >= 0)
            paths << installPathIn(systemReg, lower, at);
    }
    return paths;
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
