#include "game_name.h"

#include "game_colour.h"

namespace GameName {

namespace {

constexpr char Caret = '^';
constexpr char Blank = ' ';
constexpr qsizetype MostBlanksInARow = 3;

bool keepsCode(char second, Game game)
{
    return game == Game::FreeForAll && colourIndex(second) != 0;
}

// The visible bytes of `kept`, which `shows` marks, each run after the code that colours it. The
// other bytes come in pairs, each a code (or "^^"), but for a caret whose second byte was trimmed
// from the end. A code that colours nothing has no run.
QList<ColourRun> runsOf(const QByteArray &kept, const QByteArray &shows)
{
    QList<ColourRun> runs(1);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (shows[i]) {
            runs.back().characters += kept[i];
            continue;
        }
        if (i + 1 == kept.size())
            break;
        const char code = kept[++i];
        if (!runs.back().characters.isEmpty())
            runs.append(ColourRun());
        runs.back().code = code;
        runs.back().colour = colourIndex(code);
    }
    if (runs.back().characters.isEmpty())
        runs.removeLast();
    return runs;
}

} // namespace

Kept keptOf(QByteArrayView name, Game game)
{
    Kept kept;
    QByteArray shows;      // for each kept byte: 1 where it shows as itself, 0 in a code or "^^"
    qsizetype counted = 0; // against the limit
    qsizetype plainBytes = 0;
    qsizetype blanksInARow = 0;
    const auto keep = [&](QByteArrayView bytes, bool plain) {
        kept.bytes += bytes;
        shows += QByteArray(bytes.size(), plain ? '\1' : '\0');
    };

    for (qsizetype i = 0; i < name.size(); ++i) {
        const char byte = name[i];
        if (byte == Blank && kept.bytes.isEmpty())
            continue;
        if (byte == Caret) {
            if (i + 1 == name.size())
                break; // a caret at the very end
            const QByteArrayView code = name.sliced(i, 2);
            ++i;
            if (code[1] == Caret) {
                keep(code, false); // neither counted nor checked against the room left
                continue;
            }
            if (!keepsCode(code[1], game))
                continue; // takes no room, and does not end a run of blanks
            if (counted + 2 > Limit) {
                kept.cutAt = i - 1;
                break;
            }
            keep(code, false);
            counted += 2;
            continue;
        }
        blanksInARow = byte == Blank ? blanksInARow + 1 : 0;
        if (blanksInARow > MostBlanksInARow)
            continue;
        if (counted + 1 > Limit) {
            kept.cutAt = i;
            break;
        }
        keep(name.sliced(i, 1), true);
        ++counted;
        ++plainBytes;
    }

    while (kept.bytes.endsWith(Blank) || kept.bytes.endsWith('\t')) {
        kept.bytes.chop(1);
        shows.chop(1);
    }
    kept.runs = runsOf(kept.bytes, shows);
    for (const ColourRun &run : std::as_const(kept.runs))
        kept.visible += run.characters;
    kept.unnamed = plainBytes == 0 || kept.bytes.isEmpty();
    return kept;
}

QByteArray refusedCharacters(QByteArrayView name)
{
    QByteArray refused;
    for (const char byte : name) {
        if ((byte == '\\' || byte == ';' || byte == '"') && !refused.contains(byte))
            refused += byte;
    }
    return refused;
}

bool holdsDoubleCaret(QByteArrayView name)
{
    // A code never ends in a caret, so any two carets in a row are read as "^^". Looking from
    // caret to caret is many times quicker than a search for the pair.
    for (qsizetype at = name.indexOf(Caret); at >= 0 && at + 1 < name.size();
         at = name.indexOf(Caret, at + 1)) {
        if (name[at + 1] == Caret)
            return true;
    }
    return false;
}

} // namespace GameName
