#pragma once

#include "palette/colour_value.h"

#include <QIcon>
#include <QWidget>

// A picture at its natural size. On a dense screen it is drawn from the picture's "@2x" file
// where there is one, so that it stays sharp. A picture of a single colour is drawn as a fill of
// its rectangle, which looks the same and costs no bitmap.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QString &pictureFile, QWidget *parent);
    PictureBox(ColourValue fill, QWidget *parent);

    ColourValue fillColour() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_picture; // picks the sharpest of its pictures by the device pixel ratio
    QSize m_naturalSize;
    ColourValue m_fill = 0;
};

struct TwipRect;

// The picture in `pictureFile`, read in the format its suffix names (never guessed: guessing loads
// every image plug-in there is), at the pixel ratio an "@2x" in its name gives.
QPixmap readPicture(const QString &pictureFile);

// A new picture on `form` from `pictureFile`, named and placed; it lies in front of the form's
// earlier children.
PictureBox *addPicture(QWidget *form, const QString &name, const QString &pictureFile,
                       const TwipRect &where);

// The same for a picture of the single colour `fill`.
PictureBox *addPicture(QWidget *form, const QString &name, ColourValue fill, const TwipRect &where);
