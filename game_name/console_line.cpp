#include "console_line.h"

#include <QList>

#include <array>

namespace GameName {

namespace {

constexpr char Quote = '"';

// A byte that parts words outside quotes: the engine compares a signed char with ' ', so every
// byte from 0x80 on counts as well.
bool isBlank(char byte)
{
    return static_cast<signed char>(byte) <= ' ';
}

// The commands of a line.
QList<QByteArrayView> commandsOf(QByteArrayView line)
{
    QList<QByteArrayView> commands;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const char byte = line[at];
        if (byte == Quote)
            quoted = !quoted;
        if ((byte == ';' && !quoted) || byte == '\n' || byte == '\r') {
            commands << line.sliced(start, at - start);
            start = at + 1;
            quoted = false;
        }
    }
    commands << line.sliced(start);
    return commands;
}

// The words of one command.
QList<QByteArrayView> wordsOf(QByteArrayView command)
{
    const auto opensComment = [command](qsizetype at, char second) {
        return command[at] == '/' && at + 1 < command.size() && command[at + 1] == second;
    };
    QList<QByteArrayView> words;
    qsizetype at = 0;
    while (true) {
        while (at < command.size() && isBlank(command[at]))
            ++at;
        if (at == command.size() || opensComment(at, '/'))
            return words;
        if (opensComment(at, '*')) {
            // The star of "/*" may begin the "*/" that closes it.
            const qsizetype close = command.indexOf("*/", at + 1);
            if (close < 0)
                return words;
            at = close + 2;
            continue;
        }
        if (command[at] == Quote) {
            const qsizetype close = command.indexOf(Quote, at + 1);
            const qsizetype end = close < 0 ? command.size() : close;
            words << command.sliced(at + 1, end - at - 1);
            if (close < 0)
                return words;
            at = close + 1;
            continue;
        }
        const qsizetype start = at;
        while (at < command.size() && !isBlank(command[at]) && command[at] != Quote &&
               !opensComment(at, '/') && !opensComment(at, '*'))
            ++at;
        words << command.sliced(start, at - start);
    }
}

bool isOneOf(QByteArrayView word, std::initializer_list<QByteArrayView> names)
{
    for (const QByteArrayView name : names) {
        if (word.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool setsAVariable(QByteArrayView word)
{
    return isOneOf(word, {"set", "seta", "sets", "setu"});
}

// Commands of the console that players' configuration files hold beside the variables; a line
// that starts with none of them, nor with a variable command, is no command yet.
bool isOtherCommand(QByteArrayView word)
{
    return isOneOf(word, {"bind", "unbind", "unbindall", "exec", "vstr", "echo", "wait", "say",
                          "say_team", "toggle", "reset", "cvar_restart", "writeconfig", "quit"});
}

// The words from `first` on, joined by one blank each.
QByteArray joined(const QList<QByteArrayView> &words, qsizetype first)
{
    QByteArray text;
    for (qsizetype i = first; i < words.size(); ++i) {
        if (i > first)
            text += ' ';
        text += words[i];
    }
    return text;
}

} // namespace

LineName nameOfLine(QByteArrayView line)
{
    LineName found{LineName::NoWords, {}};
    // Where no name is set: a command that fails to set it tells why, the last one most; else
    // any console command tells more than words that are none.
    const auto fails = [&found](LineName::Kind kind) {
        if (found.kind != LineName::SetsName)
            found.kind = kind;
    };
    const auto note = [&found](LineName::Kind kind) {
        if (found.kind == LineName::NoWords ||
            (found.kind == LineName::NotACommand && kind == LineName::OtherCommands))
            found.kind = kind;
    };
    for (const QByteArrayView command : commandsOf(line)) {
        const QList<QByteArrayView> words = wordsOf(command);
        if (words.isEmpty())
            continue;
        const QByteArrayView first = words.first();
        if (setsAVariable(first)) {
            if (words.size() < 2 || !isOneOf(words[1], {"name"})) {
                note(LineName::OtherCommands);
            } else if (words.size() == 2) {
                fails(LineName::NoValue);
            } else if (words.size() > 3 && !isOneOf(first, {"set"})) {
                fails(LineName::ManyWords);
            } else {
                found = {LineName::SetsName, joined(words, 2)};
            }
        } else if (isOneOf(first, {"name"})) {
            if (words.size() == 1)
                note(LineName::OtherCommands); // prints the name
            else
                found = {LineName::SetsName, words[1].toByteArray()};
        } else {
            note(isOtherCommand(first) ? LineName::OtherCommands : LineName::NotACommand);
        }
    }
    return found;
}

bool canBeWrapped(QByteArrayView line)
{
    return !line.contains(Quote) && nameOfLine(line).kind == LineName::NotACommand;
}

} // namespace GameName
