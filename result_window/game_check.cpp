#include "game_check.h"

#include "game_name/console_line.h"
#include "game_name/game_colour.h"
#include "game_name/game_name.h"
#include "name_file/ansi_encoding.h"

#include <QStringList>

using namespace Qt::StringLiterals;
using namespace GameName;

namespace {

// "\", "\ and ;", "\, ; and \"".
QString listed(QByteArrayView characters)
{
    QStringList each;
    for (const char character : characters)
        each << QString(QLatin1Char(character));
    const QString last = each.takeLast();
    return each.isEmpty() ? last : each.join(u", "_s) + u" and "_s + last;
}

// The last few characters of `text`, where they are not all of it.
QString ending(const QString &text)
{
    constexpr qsizetype Shown = 8;
    return text.size() > Shown ? u'…' + text.last(Shown) : text;
}

// A name of many "^^" keeps them all; a tool tip shows the start of it.
QString elided(const QString &text)
{
    constexpr qsizetype Longest = 70;
    return text.size() > Longest ? text.first(Longest - 1) + u'…' : text;
}

QString lineOf(QByteArrayView refused, bool doubleCaret, const Kept &freeForAll)
{
    if (!refused.isEmpty())
        return u"in game: refused, it holds "_s + listed(refused);
    if (doubleCaret)
        return u"in game: mishandled, it holds ^^"_s;
    if (freeForAll.unnamed)
        return u"in game: shows as UnnamedPlayer"_s;
    if (freeForAll.cutAt >= 0)
        return u"in game: cut after \"%1\""_s.arg(ending(fromAnsi(freeForAll.visible)));
    return u"in game: %1 of %2 bytes"_s.arg(freeForAll.bytes.size()).arg(Limit);
}

// Its first line holds none of the name, so that a tool tip never takes the name for markup.
QString story(const QString &games, qsizetype nameBytes, const Kept &kept)
{
    const qsizetype keeps = kept.unnamed ? 0 : kept.bytes.size();
    return u"%1 keep %2 of the name's %3 and drop %4:\n%5"_s.arg(games)
        .arg(keeps)
        .arg(nameBytes == 1 ? u"1 byte"_s : u"%1 bytes"_s.arg(nameBytes))
        .arg(nameBytes - keeps)
        .arg(kept.unnamed ? u"UnnamedPlayer"_s : elided(fromAnsi(kept.bytes)));
}

QList<ShownRun> shownRuns(const Kept &kept)
{
    if (kept.unnamed)
        return {{u"UnnamedPlayer"_s, {}, colourIndex('7')}}; // white, as ^7
    QList<ShownRun> shown;
    for (const ColourRun &run : kept.runs)
        shown.append({fromAnsi(run.characters),
                      run.code ? u'^' + fromAnsi(QByteArrayView(&run.code, 1)) : QString(),
                      run.colour});
    return shown;
}

// What both kinds of game keep of `name`, and why they refuse or mishandle it, where they do.
QStringList whatTheGamesKeep(QByteArrayView name, const Kept &freeForAll)
{
    QStringList details{story(u"free-for-all games"_s, name.size(), freeForAll),
                        story(u"team games"_s, name.size(), keptOf(name, Game::Team))};
    if (!refusedCharacters(name).isEmpty())
        details << u"The game refuses a name that holds \\, ; or \" and keeps the old name, or "
                   u"shows UnnamedPlayer or badinfo."_s;
    else if (holdsDoubleCaret(name))
        details << u"The game keeps \"^^\" without counting it, and enough of them overrun its "
                   u"name buffer."_s;
    return details;
}

// Why the line sets no name, in a few words for the line and in full for the tool tip.
GameCheck noName(const LineName &set, const QByteArray &line)
{
    const QString runs = u"The game runs the line as console commands, and "_s;
    const QString stays = u": the name stays as it was."_s;
    switch (set.kind) {
    case LineName::NoWords:
        return {u"sets no name: the line is empty"_s, runs + u"this line holds none"_s + stays, {}};
    case LineName::OtherCommands:
        return {u"sets no name: only other commands"_s,
                runs + u"none of them sets the name"_s + stays,
                {}};
    case LineName::NoValue:
        return {u"sets no name: the command gives no name"_s,
                runs + u"a set name with no word after it only shows how to use it"_s + stays,
                {}};
    case LineName::ManyWords:
        return {u"sets no name: seta takes one word, quote the name"_s,
                runs +
                    u"seta, sets and setu take exactly one word after the name; with more, they "
                    u"only show how to use them"_s +
                    stays + u" Put the name in double quotes."_s,
                {}};
    default:
        break;
    }
    // Not a command: what the game would keep of the line once it is wrapped, as it is unless a
    // double quote would end the quotes.
    const bool wraps = !line.contains('"');
    QStringList details{runs + u"this line is none"_s + stays +
                        u" Wrapped into seta name \"…\":"_s};
    details << whatTheGamesKeep(line, keptOf(line, Game::FreeForAll));
    if (!wraps)
        details << u"A double quote would end the quotes, so the name cannot be wrapped."_s;
    return {wraps ? u"sets no name: not a command yet: Alt+S wraps it"_s
                  : u"sets no name: not a command, and \" cannot be wrapped"_s,
            details.join(u'\n'),
            {}};
}

} // namespace

GameCheck CheckNameForTheGame(const QString &field)
{
    const QByteArray line = toAnsi(field).bytes;
    const LineName set = nameOfLine(line);
    if (set.kind != LineName::SetsName)
        return noName(set, line);
    const QByteArray &name = set.name;
    const QByteArray refused = refusedCharacters(name);
    const bool doubleCaret = holdsDoubleCaret(name);
    const Kept freeForAll = keptOf(name, Game::FreeForAll);
    return {lineOf(refused, doubleCaret, freeForAll),
            whatTheGamesKeep(name, freeForAll).join(u'\n'),
            refused.isEmpty() ? shownRuns(freeForAll) : QList<ShownRun>()};
}
