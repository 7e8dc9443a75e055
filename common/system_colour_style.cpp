#include "system_colour_style.h"

#include <QMessageBox>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

bool SystemColourStyle::paintsThemeFaces(const QStyle *style)
{
    return style->name() == u"windowsvista";
}

void SystemColourStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                      QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_PanelLineEdit:
        if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option)) {
            // A base colour that the palette names is one Windows' style fills the face with.
            QStyleOptionFrame named = *frame;
            named.palette.setBrush(QPalette::Base, named.palette.base());
            QProxyStyle::drawPrimitive(element, &named, painter, widget);
            return;
        }
        break;
    case PE_PanelTipLabel: {
        const QBrush face = option->palette.toolTipBase();
        qDrawPlainRect(painter, option->rect, option->palette.toolTipText().color(), 1, &face);
        return;
    }
    case PE_Widget:
        if (qobject_cast<const QMessageBox *>(widget))
            return; // the window's own colour lies behind the text
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SystemColourStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // Windows' style gives tool tips its theme's text colour, to go with its theme's face.
    if (widget->inherits("QTipLabel"))
        widget->setPalette(QToolTip::palette());
}
