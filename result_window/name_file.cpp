#include "name_file.h"

#include "ansi_encoding.h"
#include "clock.h"
#include "common/maker.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

constexpr auto LineEnd = "\r\n";

QString stampLine(const Clock &clock)
{
    // Fixed formats, whatever the locale; the time is read first.
    const QString time = clock.currentTime().toString(u"hh:mm:ss"_s);
    const QString date = clock.currentDate().toString(u"MM-dd-yyyy"_s);
    return u"//"_s + time + u"  "_s + date + u' ' + Maker::GroupName + u' ' + Maker::SecondSite +
           u" //"_s;
}

} // namespace

QByteArray NameFileContents(const QString &nameLine, const Clock &clock)
{
    const QString siteLine = u"//"_s + Maker::Site + u"//"_s;
    QByteArray contents;
    for (const QString &line : {nameLine, siteLine, stampLine(clock)})
        contents += toAnsi(line) + LineEnd;
    return contents;
}

NameFileResult WriteNameFile(const QString &path, const QString &nameLine, const Clock &clock)
{
    const QByteArray contents = NameFileContents(nameLine, clock);

    QSaveFile file(path);
    // Only where the folder refuses a temporary file is the target written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // commit() can report success after its own final flush failed, having replaced the old
    // file with a short one; so every byte must be out before commit() is asked. A flush that
    // stops part-way gives no reason; trying the rest once more meets the failure and names it.
    const bool complete = file.write(contents) == contents.size() && (file.flush() || file.flush());
    if (!complete) {
        const QString failure = file.errorString();
        file.cancelWriting();
        file.commit();
        return {false, failure};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
