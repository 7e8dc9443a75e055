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
