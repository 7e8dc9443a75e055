#include "ansi_encoding.h"

#include <QSet>
#include <QString>

#include <array>
#include <optional>

#ifdef Q_OS_WIN
#include "ansi_code_page.h"
#endif

namespace {

// Windows-1252 matches Latin-1 except at 0x80..0x9F. There it holds these characters; the five
// bytes it leaves undefined are marked with 0.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 88..8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 98..9F
};

std::optional<char> windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

// The end of the run of ASCII characters that starts at `from`.
qsizetype asciiRunEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from].unicode() < 0x80)
        ++from;
    return from;
}

// Walks the text by characters; a surrogate pair is one character, and so is a lone surrogate,
// which no code page holds. `append(bytes, code, character)` appends the character's bytes and
// says whether the code page holds it. Every ANSI code page holds ASCII as itself, so a run of it
// is taken in one step.
template <typename Append> AnsiText encode(QStringView text, Append append)
{
    AnsiText result;
    result.bytes.reserve(text.size());
    QSet<char32_t> seenLost;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const qsizetype end = asciiRunEnd(text, i); end > i) {
            result.bytes += text.sliced(i, end - i).toLatin1();
            i = end - 1;
            continue;
        }
        const QChar unit = text[i];
        qsizetype length = 1;
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView character = text.sliced(i, length);
        const char32_t code =
            length == 2 ? QChar::surrogateToUcs4(unit, text[i + 1]) : char32_t(unit.unicode());
        i += length - 1;

        const bool lone = unit.isSurrogate() && length == 1;
        if (!lone && append(result.bytes, code, character))
            continue;
        result.bytes += '?';
        if (!seenLost.contains(code)) {
            seenLost.insert(code);
            result.lost.append(character.toString());
        }
    }
    return result;
}

#ifdef Q_OS_WIN
// The system's ANSI code page, where the name file is written in it. Windows-1252 is our own exact
// table, and UTF-8 is no code page the game can read: both get Windows-1252.
std::optional<unsigned int> systemCodePage()
{
    constexpr unsigned int Windows1252 = 1252, Utf8 = 65001;
    const unsigned int codePage = ansiCodePage();
    if (codePage == Windows1252 || codePage == Utf8)
        return std::nullopt;
    return codePage;
}
#endif

} // namespace

AnsiText toWindows1252(QStringView text)
{
    return encode(text, [](QByteArray &bytes, char32_t code, QStringView) {
        const std::optional<char> byte = windows1252Byte(code);
        if (byte)
            bytes += *byte;
        return byte.has_value();
    });
}

AnsiText toAnsi(QStringView text)
{
#ifdef Q_OS_WIN
    if (const std::optional<unsigned int> codePage = systemCodePage())
        return encode(text, [codePage](QByteArray &bytes, char32_t, QStringView character) {
            const std::optional<QByteArray> encoded = codePageBytes(*codePage, character);
            if (encoded)
                bytes += *encoded;
            return encoded.has_value();
        });
#endif
    return toWindows1252(text);
}

QString fromAnsi(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    if (const std::optional<unsigned int> codePage = systemCodePage())
        return codePageText(*codePage, bytes);
#endif
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const char16_t high = byte >= 0x80 && byte < 0xA0 ? HighControlRange[byte - 0x80] : 0;
        text[i] = QChar(high ? high : char16_t(byte));
    }
    return text;
}
