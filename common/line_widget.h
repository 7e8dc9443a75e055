#pragma once

#include "palette/colour_value.h"

#include <QWidget>

// A solid line one pixel wide, horizontal or vertical, covering exactly its own pixels.
class LineWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LineWidget(QWidget *parent, ColourValue colour = SystemColour::WindowText);

    ColourValue borderColour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourValue m_colour;
};

struct TwipLine;

// A new line on `form` in the window-text colour, named and placed; it lies in front of the form's
// earlier children.
LineWidget *addLine(QWidget *form, const QString &name, const TwipLine &where);
