#pragma once

#include "palette/colour_value.h"

#include <QPixmap>
#include <QWidget>

// A picture at its natural size. A picture of a single colour is drawn as a fill of its
// rectangle, which looks the same and costs no bitmap.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QPixmap &picture, QWidget *parent);
    PictureBox(ColourValue fill, QWidget *parent);

    ColourValue fillColour() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    ColourValue m_fill = 0;
};
