#include "picture_box.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(const QString &pictureFile, QWidget *parent)
    : QWidget(parent), m_picture(pictureFile), m_naturalSize(QImageReader(pictureFile).size())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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
        painter.drawPixmap(0, 0, m_picture.pixmap(m_naturalSize, devicePixelRatioF()));
}
