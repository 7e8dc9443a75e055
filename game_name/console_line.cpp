#include "console_line.h"

#include <QByteArrayView>

#include <algorithm>
#include <optional>

namespace GameName {

namespace {

constexpr char Quote = '"';

bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t';
}

// The words of a line, command by command, as the game's console reads them.
class ConsoleReader
{
public:
    explicit ConsoleReader(QByteArrayView line) : m_line(line) {}

    // The current command's next word; none where the command has ended.
    std::optional<QByteArrayView> nextWord()
    {
        while (m_at < m_line.size() && isBlank(m_line[m_at]))
            ++m_at;
        if (m_at == m_line.size() || endsCommandAt(m_at))
            return std::nullopt;
        if (m_line[m_at] == Quote) {
            qsizetype end = m_line.indexOf(Quote, m_at + 1);
            if (end < 0)
                end = m_line.size();
            const QByteArrayView word = m_line.sliced(m_at + 1, end - m_at - 1);
            m_at = std::min(end + 1, m_line.size());
            return word;
        }
        const qsizetype start = m_at;
        while (m_at < m_line.size() && !isBlank(m_line[m_at]) && m_line[m_at] != Quote &&
               !endsCommandAt(m_at))
            ++m_at;
        return m_line.sliced(start, m_at - start);
    }

    // Skips what is left of the current command; false where the line holds no more.
    bool nextCommand()
    {
        while (nextWord()) {
        }
        if (m_at == m_line.size() || m_line[m_at] != ';')
            return false;
        ++m_at;
        return true;
    }

private:
    // A ";", which ends the command, or a comment, which ends the reading of the line.
    bool endsCommandAt(qsizetype at) const
    {
        return m_line[at] == ';' || (m_line[at] == '/' && at + 1 < m_line.size() &&
                                     (m_line[at + 1] == '/' || m_line[at + 1] == '*'));
    }

    QByteArrayView m_line;
    qsizetype m_at = 0;
};

bool setsAVariable(QByteArrayView word)
{
    for (const QByteArrayView command : {"set", "seta", "sets", "setu"}) {
        if (word.compare(command, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

LineName nameOfLine(const QByteArray &line)
{
    LineName found{LineName::WholeLine, line};
    ConsoleReader reader(line);
    do {
        const std::optional<QByteArrayView> command = reader.nextWord();
        if (!command || !setsAVariable(*command))
            continue;
        const std::optional<QByteArrayView> variable = reader.nextWord();
        if (!variable || variable->compare("name", Qt::CaseInsensitive) != 0)
            continue;
        QByteArray name;
        bool named = false;
        while (const std::optional<QByteArrayView> word = reader.nextWord()) {
            if (named)
                name += ' ';
            name += *word;
            named = true;
        }
        if (named)
            found = {LineName::SetsName, name};
        else if (found.kind == LineName::WholeLine)
            found = {LineName::SetsNoName, {}};
    } while (reader.nextCommand());
    return found;
}

} // namespace GameName
