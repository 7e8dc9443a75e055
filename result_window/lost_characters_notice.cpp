#include "lost_characters_notice.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MostListed = 20;

// "ж (U+0436)"; a character that shows nothing by itself is given by its code point alone.
QString describe(const QString &character)
{
    const char32_t code = character.size() == 2 && character[0].isHighSurrogate()
                              ? QChar::surrogateToUcs4(character[0], character[1])
                              : char32_t(character[0].unicode());
    const QString codePoint = u"U+%1"_s.arg(uint(code), 4, 16, QChar(u'0')).toUpper();
    if (!QChar::isPrint(code) || QChar::isSpace(code))
        return codePoint;
    return u"%1 (%2)"_s.arg(character, codePoint);
}

} // namespace

QString LostCharactersNotice(const QStringList &lost)
{
    QStringList listed;
    for (qsizetype i = 0; i < std::min(lost.size(), MostListed); ++i)
        listed << describe(lost[i]);
    if (lost.size() > MostListed)
        listed << u"and %1 more"_s.arg(lost.size() - MostListed);

    const QString count =
        lost.size() == 1 ? u"1 character"_s : u"%1 different characters"_s.arg(lost.size());
    return u"The name file is written, but its code page cannot hold %1 of the name. "
           u"The file has a \"?\" in place of each:\n\n%2\n\n"
           u"Change these in the name and write the file again if you want the game to show "
           u"something else."_s.arg(count, listed.join(u", "_s));
}
