#pragma once

#include "palette/colour_value.h"

#include <QLabel>

// A label as both windows use it: plain text (never markup or access keys), left-aligned at
// the top, one line, cut off at the right edge, transparent, and a text colour that is kept as
// the colour value it was given and turned into a screen colour only to paint.
class ColourLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ColourLabel(QWidget *parent = nullptr);

    ColourValue foreColour() const { return m_foreColour; }
    void setForeColour(ColourValue value);

    // The word for the text colour, for screen readers; "grey" for the labels' own colour.
    const QString &colourWord() const { return m_colourWord; }
    void setColourWord(const QString &word) { m_colourWord = word; }

    // Screen readers pass over a label whose text another label in front of it already tells:
    // its state for them is invisible, which leaves it out of Windows' UI Automation tree.
    void hideFromScreenReaders();
    bool hiddenFromScreenReaders() const { return m_hiddenFromScreenReaders; }

signals:
    // A click with the left mouse button, pressed and released on the label.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ColourValue m_foreColour = SystemColour::ButtonText;
    QString m_colourWord = QStringLiteral("grey");
    bool m_hiddenFromScreenReaders = false;
};

struct TwipRect;

// A new label on `form`, named, captioned and placed; it lies in front of the form's earlier
// children.
ColourLabel *addColourLabel(QWidget *form, const QString &name, const QString &caption,
                            const QFont &font, const TwipRect &where);
