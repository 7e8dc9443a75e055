#pragma once

#include <QList>
#include <QString>

// A run of what the game shows in one colour of its table.
struct ShownRun
{
    QString characters;
    QString code; // the code that colours them; none before the first
    int colour;   // an index in GameName::ColourTable, or GameName::OwnColour
};

// What the game will make of the name in the result field, read from the bytes that the name
// file would hold: the game's console runs the field as its line, and takes the name from a
// command that sets it (such as seta name "..."), or else the whole field.
struct GameCheck
{
    // One line for free-for-all games: that the line sets no name, that the game refuses the
    // name (and for which characters), mishandles its "^^", shows UnnamedPlayer, or cuts it (and
    // after which characters); or else how many of the 35 bytes the name takes.
    QString line;
    // For free-for-all and team games: the bytes the game keeps, written like the field, how
    // many it drops, and UnnamedPlayer where the game shows that instead.
    QString details;
    // What free-for-all games show, in runs of one colour: none where the line sets no name or
    // the game refuses it, and UnnamedPlayer in white where the game shows that.
    QList<ShownRun> shown;
};

GameCheck CheckNameForTheGame(const QString &field);
