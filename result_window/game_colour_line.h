#pragma once

#include "common/colour_label.h"
#include "game_check.h"

// The name as free-for-all games show it, after "in game colours: ": each run of characters in
// the colour that the game's colour table gives its code, and characters before the first code
// in the line's own colour. A name too long for the line is cut at its end with "…". Its text,
// and so its name for screen readers, is the whole line; its description tells the colours in
// words, and its tool tip names the codes whose palette labels promise another colour.
class GameColourLine : public ColourLabel
{
    Q_OBJECT

public:
    using ColourLabel::ColourLabel;

    void showRuns(const QList<ShownRun> &runs);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ShownRun> m_runs;
};
