#include "line_widget.h"

#include "twips.h"

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

LineWidget *addLine(QWidget *form, const QString &name, const TwipLine &where)
{
    auto *line = new LineWidget(form);
    line->setObjectName(name);
    line->setGeometry(toPixels(where));
    return line;
}
