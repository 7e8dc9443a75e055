#include "line_widget.h"

#include <QPaintEvent>
#include <QPainter>

LineWidget::LineWidget(QWidget *parent, ColourValue colour) : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LineWidget::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(event->rect(), toQColor(m_colour));
}
