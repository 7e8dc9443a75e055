#pragma once

#include <QByteArray>

// What the game makes of the name file's first line, which it runs as console commands.
namespace GameName {

struct LineName
{
    enum Kind {
        WholeLine,  // no command on the line sets the name: the whole line is taken as the name
        SetsName,   // a set, seta, sets or setu command sets the name
        SetsNoName, // such a command names the name but gives it no value: the name stays
    };
    Kind kind;
    QByteArray name; // the whole line, or the name the last such command sets
};

// Reads the line as the game's console does. Outside double quotes a ";" ends a command, and
// "//" or "/*" ends the reading of the line. Words are separated by blanks and tabs; a word in
// double quotes holds anything up to the next quote, or to the end of the line, and a quote also
// ends the word before it. "seta name" followed by words (set, sets or setu; in any case) sets
// the name to those words, joined by one blank each; the last such command counts.
LineName nameOfLine(const QByteArray &line);

} // namespace GameName
