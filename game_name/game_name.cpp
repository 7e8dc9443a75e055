#include "game_name.h"

namespace GameName {

namespace {

constexpr char Caret = '^';
constexpr char Blank = ' ';
constexpr qsizetype MostBlanksInARow = 3;

bool keepsCode(char second, Game game)
{
    return game == Game::FreeForAll && static_cast<unsigned char>(second) % 8 != 0;
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
    for (qsizetype i = 0; i < kept.bytes.size(); ++i) {
        if (shows[i])
            kept.visible += kept.bytes[i];
    }
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

QByteArrayView nameInField(QByteArrayView field)
{
    constexpr QByteArrayView Command("seta name \"");
    if (field.size() > Command.size() &&
        field.first(Command.size()).compare(Command, Qt::CaseInsensitive) == 0 &&
        field.endsWith('"'))
        return field.sliced(Command.size(), field.size() - Command.size() - 1);
    return field;
}

} // namespace GameName
