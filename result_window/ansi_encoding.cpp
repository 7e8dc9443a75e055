#include "ansi_encoding.h"

#include <QString>
#include <QStringEncoder>

#include <array>

namespace {

// Windows-1252 matches Latin-1 except at 0x80..0x9F. There it holds these characters; the five
// bytes it leaves undefined are marked with 0.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 88..8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 98..9F
};

char windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

// A character outside the Basic Multilingual Plane counts as one character: its surrogate pair
// (or a lone surrogate) becomes a single '?'.
QString withOneMarkPerCharacter(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        result += c.isSurrogate() ? QChar(u'?') : c;
    }
    return result;
}

} // namespace

QByteArray toWindows1252(QStringView text)
{
    const QString characters = withOneMarkPerCharacter(text);
    QByteArray bytes;
    bytes.reserve(characters.size());
    for (const QChar c : characters)
        bytes += windows1252Byte(c.unicode());
    return bytes;
}

QByteArray toAnsi(QStringView text)
{
#ifdef Q_OS_WIN
    // The system encoding is the ANSI code page there, and it writes '?' for what it lacks.
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(withOneMarkPerCharacter(text));
#else
    return toWindows1252(text);
#endif
}
