#pragma once

#include "game_name/game_name.h"

#include <QList>
#include <QString>

// A run of what the game shows in one colour of its table.
struct ShownRun
{
    QString characters;
    QString code;                     // the code that colours them; none before the first
    int colour = GameName::OwnColour; // an index in GameName::ColourTable, or OwnColour
};

// What the game will make of the name in the result field, read from the bytes that the name
// file would hold: the game's console runs the field as its line, and only a command that sets
// the name (such as seta name "...") changes it.
struct GameCheck
{
    // One line: that the line sets no name, and why in a few words; else, for free-for-all
    // games, that the game refuses the name (and for which characters), mishandles its "^^",
    // shows UnnamedPlayer, or cuts it (and after which characters), or how many of the 35 bytes
    // the name takes.
    QString line;
    // For free-for-all and team games: the bytes the game keeps, written like the field, how
    // many it drops, and UnnamedPlayer where the game shows that instead. For a line that is no
    // command yet, the same of the line once it is wrapped into seta name "...".
    QString details;
    // What free-for-all games show, in runs of one colour: none where the line sets no name or
    // the game refuses it, and UnnamedPlayer in white where the game shows that.
    QList<ShownRun> shown;
};

GameCheck CheckNameForTheGame(const QString &field);
