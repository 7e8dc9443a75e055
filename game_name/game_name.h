#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// What the game does with a player name, read from the name's bytes in the game's code page.
// Nothing here changes the name; it only tells what the game will keep of it.
namespace GameName {

// The most bytes of colour codes and characters that the game keeps of a name.
inline constexpr qsizetype Limit = 35;

enum class Game {
    FreeForAll, // keeps colour codes, but drops those whose second byte is a multiple of 8
    Team,       // drops every colour code
};

// Characters before the name's first kept code show in the game's own text colour.
inline constexpr int OwnColour = -1;

// The visible characters that one code colours.
struct ColourRun
{
    QByteArray characters;
    char code = 0;          // the code's second byte; 0 before the first code
    int colour = OwnColour; // the code's index in ColourTable
};

struct Kept
{
    QByteArray bytes;      // what the game keeps, colour codes included, with the end trimmed
    QByteArray visible;    // the characters among them that show, without the codes
    QList<ColourRun> runs; // the visible characters, each run after the code that colours it
    qsizetype cutAt = -1;  // where the name is cut: the first code or byte that did not fit
    bool unnamed = false;  // the game shows "UnnamedPlayer" instead of the name
};

// The game reads the name from the start: it drops leading blanks, colour codes it does not keep
// (a code is a caret and the byte after it), a caret at the very end and the fourth and later
// blanks in a row; keeps "^^" without counting it; stops at the first code or byte for which the
// 35 bytes leave no room; and trims blanks and tabs from the end. Every kept code, "^^" too,
// gives the characters after it its colour in the game's table.
Kept keptOf(QByteArrayView name, Game game);

// The characters for which the game refuses the whole name (\ ; and "), each once, in the order
// they first appear.
QByteArray refusedCharacters(QByteArrayView name);

// Whether the name holds "^^", which the game keeps without counting, and which can overrun its
// 36-byte name buffer.
bool holdsDoubleCaret(QByteArrayView name);

} // namespace GameName
