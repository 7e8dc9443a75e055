#include "windows_device_name.h"

#include <QString>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array ReservedWithoutNumber{"CON"_L1, "PRN"_L1,    "AUX"_L1,
                                           "NUL"_L1, "CONIN$"_L1, "CONOUT$"_L1};

bool isReservedName(QStringView name)
{
    for (QLatin1StringView reserved : ReservedWithoutNumber) {
        if (name.compare(reserved, Qt::CaseInsensitive) == 0)
            return true;
    }
    // COM and LPT with a digit 1 to 9, or a superscript one, two or three.
    if (name.size() != 4 || !(name.first(3).compare("COM"_L1, Qt::CaseInsensitive) == 0 ||
                              name.first(3).compare("LPT"_L1, Qt::CaseInsensitive) == 0))
        return false;
    const char16_t digit = name[3].unicode();
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

} // namespace

bool isWindowsDeviceName(QStringView path)
{
    if (path.startsWith("\\\\.\\"_L1) || path.startsWith("//./"_L1))
        return true;

    // The last part, after any folder or drive.
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path[i] == u'\\' || path[i] == u'/' || (i == 1 && path[i] == u':'))
            start = i + 1;
    }
    QStringView name = path.sliced(start);
    // Windows ignores what follows the first dot or colon, and blanks before it.
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == u'.' || name[i] == u':') {
            name = name.first(i);
            break;
        }
    }
    while (name.endsWith(u' '))
        name.chop(1);
    return isReservedName(name);
}
