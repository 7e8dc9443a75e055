#pragma once

#include <QString>

// What the game will make of the name in the result field, read from the bytes that the name
// file would hold: the text between the quotes where the field reads seta name "...", and the
// whole field otherwise.
struct GameCheck
{
    // One line for free-for-all games: that the game refuses the name (and for which
    // characters), mishandles its "^^", shows UnnamedPlayer, or cuts it (and after which
    // characters); or else how many of the 35 bytes the name takes.
    QString line;
    // For free-for-all and team games: the bytes the game keeps, written like the field, how
    // many it drops, and UnnamedPlayer where the game shows that instead.
    QString details;
};

GameCheck CheckNameForTheGame(const QString &field);
