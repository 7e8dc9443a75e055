#include "name_file.h"

#include "ansi_encoding.h"
#include "clock.h"
#include "common/maker.h"
#include "name_file_path.h"
#include "windows_device_name.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr auto LineEnd = "\r\n";

QString siteLine()
{
    return u"//"_s + Maker::Site + u"//"_s;
}

QString stampLine(const Clock &clock)
{
    // Fixed formats, whatever the locale.
    const QDateTime now = clock.now();
    return u"//"_s + now.toString(u"hh:mm:ss  MM-dd-yyyy"_s) + u' ' + Maker::GroupName + u' ' +
           Maker::SecondSite + u" //"_s;
}

// Why nothing may be written at `path`, found before anything is touched. Replacing a device, a
// pipe or a socket would destroy it, and opening a pipe that nobody reads would hang.
std::optional<QString> refusal(const QString &path)
{
    if (path.isEmpty())
        return u"No file is named."_s;
    const QString notRegular = u"This is not a regular file but a device, pipe or socket."_s;
#ifdef Q_OS_WIN
    if (isWindowsDeviceName(path))
        return notRegular;
#endif
    const QFileInfo target(path); // follows symbolic links
    if (target.exists() && !target.isFile() && !target.isDir())
        return notRegular;
    return std::nullopt;
}

} // namespace

NameFileText NameFileContents(const QString &nameLine, const Clock &clock)
{
    const AnsiText name = toAnsi(nameLine);
    QByteArray bytes = name.bytes + LineEnd;
    for (const QString &line : {siteLine(), stampLine(clock)})
        bytes += toAnsi(line).bytes + LineEnd;
    return {bytes, name.lost};
}

NameFileResult WriteNameFile(const QString &typedPath, const QString &nameLine, const Clock &clock)
{
    const QString path = PathAsGiven(typedPath);
    if (const std::optional<QString> reason = refusal(path))
        return {false, *reason, {}};
    const NameFileText contents = NameFileContents(nameLine, clock);

    QSaveFile file(path);
    // Only where the folder refuses a temporary file is the target written in place, and only
    // over a regular file: never over a device that the name rule does not know.
    file.setDirectWriteFallback(QFileInfo(path).isFile());
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString(), {}};
    // commit() can report success after its own final flush failed, having replaced the old
    // file with a short one; so every byte must be out before commit() is asked. A flush that
    // stops part-way gives no reason; trying the rest once more meets the failure and names it.
    const QByteArray &bytes = contents.bytes;
    const bool complete = file.write(bytes) == bytes.size() && (file.flush() || file.flush());
    if (!complete) {
        const QString failure = file.errorString();
        file.cancelWriting();
        file.commit();
        return {false, failure, {}};
    }
    if (!file.commit())
        return {false, file.errorString(), {}};
    return {true, {}, contents.lost};
}

bool ReplacesOtherThanANameFile(const QString &typedPath)
{
    QFile file(PathAsGiven(typedPath));
    if (!QFileInfo(file).isFile())
        return false;
    // A file this large would hold a longer name than any player types: it is no name file.
    constexpr qint64 Largest = 16 << 20;
    if (file.size() > Largest || !file.open(QIODevice::ReadOnly))
        return true;
    QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() == 4 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != 3)
        return true;
    QByteArray site = lines[1];
    if (site.endsWith('\r'))
        site.chop(1);
    return site != toAnsi(siteLine()).bytes;
}
