#include "game_colour_line.h"

#include "game_name/game_colour.h"
#include "game_name/game_name.h"
#include "palette/palette.h"

#include <QPainter>
#include <QStringList>

using namespace Qt::StringLiterals;
using GameName::ColourTable;
using GameName::OwnColour;

namespace {

const QString Lead = u"in game colours: "_s;
const QString ByTheTable = u"by the game's colour table"_s;

QString colourName(int colour)
{
    return colour == OwnColour ? u"the game's own text colour"_s
                               : QString(ColourTable[colour].name);
}

// "XYZ in red, Name in white, by the game's colour table".
QString inWords(const QList<ShownRun> &runs)
{
    QStringList words;
    for (const ShownRun &run : runs) {
        if (!run.characters.trimmed().isEmpty())
            words << u"%1 in %2"_s.arg(run.characters.trimmed(), colourName(run.colour));
    }
    return words.isEmpty() ? u"nothing"_s : words.join(u", "_s) + u", "_s + ByTheTable;
}

// "^b (08 orange) shows as green by the game's colour table", for each palette code whose
// label's colour word does not hold the name of the colour the game gives it.
QString unkeptPromises(const QList<ShownRun> &runs)
{
    if (runs.isEmpty())
        return u"The game shows no name from this line; the line above tells why."_s;
    QStringList named;
    QStringList lines;
    for (const ShownRun &run : runs) {
        if (run.code.isEmpty() || named.contains(run.code))
            continue;
        named << run.code;
        const QString gameColour = colourName(run.colour);
        for (const PaletteEntry &entry : Palette) {
            if (entry.Code == run.code && !QString(entry.ListLabel).contains(gameColour))
                lines << u"%1 (%2) shows as %3 %4"_s.arg(run.code, entry.ListLabel, gameColour,
                                                         ByTheTable);
        }
    }
    return lines.isEmpty() ? u"By the game's colour table, the colours match the labels."_s
                           : lines.join(u'\n');
}

} // namespace

void GameColourLine::showRuns(const QList<ShownRun> &runs)
{
    m_runs = runs;
    QString text = Lead;
    for (const ShownRun &run : runs)
        text += run.characters;
    setText(text); // also its name for screen readers
    setAccessibleDescription(inWords(runs));
    setToolTip(unkeptPromises(runs));
    update();
}

void GameColourLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics = fontMetrics();
    const QString ellipsis = u"…"_s;
    const QColor own = toQColor(foreColour());
    // The whole line where it fits; else as much as fits with the ellipsis after it.
    const bool fits = metrics.horizontalAdvance(text()) <= width();
    const int room = width() - (fits ? 0 : metrics.horizontalAdvance(ellipsis));
    int x = 0;
    const auto draw = [&](const QString &characters, const QColor &colour) {
        QString shown = characters;
        while (!shown.isEmpty() && x + metrics.horizontalAdvance(shown) > room)
            shown.chop(1);
        painter.setPen(colour);
        painter.drawText(QPoint(x, metrics.ascent()), shown);
        x += metrics.horizontalAdvance(shown);
        return shown.size() == characters.size();
    };
    bool whole = draw(Lead, own);
    for (const ShownRun &run : std::as_const(m_runs)) {
        if (!whole)
            break;
        const GameName::GameColour *game =
            run.colour == OwnColour ? nullptr : &ColourTable[run.colour];
        whole = draw(run.characters, game ? QColor(game->red, game->green, game->blue) : own);
    }
    if (!fits) {
        painter.setPen(own);
        painter.drawText(QPoint(x, metrics.ascent()), ellipsis);
    }
}
