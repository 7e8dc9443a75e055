#include "picture_box.h"

#include "twips.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(const QString &pictureFile, QWidget *parent)
    : QWidget(parent), m_picture(pictureFile), m_naturalSize(QImageReader(pictureFile).size())
{
    // Not opaque: at a fractional scale the box's last screen pixel may be only partly its own,
    // and what lies behind it must paint that pixel.
}

PictureBox::PictureBox(ColourValue fill, QWidget *parent) : QWidget(parent), m_fill(fill)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(event->rect(), toQColor(m_fill));
    else
        painter.drawPixmap(rect(), m_picture.pixmap(m_naturalSize, devicePixelRatioF()));
}

namespace {

PictureBox *place(PictureBox *picture, const QString &name, const TwipRect &where)
{
    picture->setObjectName(name);
    picture->setGeometry(toPixels(where));
    return picture;
}

} // namespace

PictureBox *addPicture(QWidget *form, const QString &name, const QString &pictureFile,
                       const TwipRect &where)
{
    return place(new PictureBox(pictureFile, form), name, where);
}

PictureBox *addPicture(QWidget *form, const QString &name, ColourValue fill, const TwipRect &where)
{
    return place(new PictureBox(fill, form), name, where);
}
