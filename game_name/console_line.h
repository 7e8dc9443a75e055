#pragma once

#include <QByteArray>
#include <QByteArrayView>

// What the game's console of 2002 makes of the name file's first line, which it runs as console
// commands.
namespace GameName {

struct LineName
{
    enum Kind {
        SetsName,      // a command sets the name; the last one counts
        NoWords,       // the line holds no words: nothing runs
        NotACommand,   // words, but no console command: the game knows no such command
        OtherCommands, // console commands, none of which sets the name
        NoValue,       // set, seta, sets or setu name without a word after it
        ManyWords,     // seta, sets or setu name with more than one word after it
    };
    Kind kind;
    QByteArray name; // the name the last command that sets it sets
};

// Reads the line as the console does.
// - Commands end at ";" outside double quotes, where quotes are counted over the whole line,
//   comments too, and at CR or LF.
// - Words are parted by blanks: every byte up to 0x20, and outside quotes every byte from 0x80
//   on. A word in double quotes holds every byte up to the next quote or the command's end;
//   outside quotes a word also ends at a quote, "//" or "/*". Between words "//" ends the
//   command's words, and "/*" skips to the next "*/" (or ends them, where none follows).
// - "set name WORDS" sets the words, joined by one blank each; seta, sets and setu take exactly
//   one word; "name WORD..." sets the first word alone. Names of commands and variables match in
//   any case, and where no command sets the name, the last that fails to tells why.
LineName nameOfLine(QByteArrayView line);

// Whether "seta name" and the line in double quotes would give the game the line as a name: a
// line of words that is no command yet and holds no double quote, which would end the quotes.
bool canBeWrapped(QByteArrayView line);

} // namespace GameName
