#include "button_face_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

ButtonFaceStyle::ButtonFaceStyle(ColourValue face)
    : QProxyStyle(QStyleFactory::create(u"Fusion"_s)), m_face(face)
{
}

QColor ButtonFaceStyle::faceColour() const
{
    return toQColor(m_face);
}

QColor ButtonFaceStyle::captionColour() const
{
    return toQColor(readableTextOn(faceColour()));
}

void ButtonFaceStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const
{
    if (element != PE_PanelButtonCommand) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QColor face = faceColour();
    const QColor caption = captionColour();
    painter->save();
    painter->fillRect(option->rect, face);
    // An edge halfway between face and caption sets the button off from any background. It is
    // twice as wide while the button is down; a frame in the caption colour marks the focus
    // reached with the keyboard.
    painter->setPen(QColor((face.red() + caption.red()) / 2, (face.green() + caption.green()) / 2,
                           (face.blue() + caption.blue()) / 2));
    const bool down = option->state & (State_Sunken | State_On);
    for (int inset = 0; inset < (down ? 2 : 1); ++inset)
        painter->drawRect(option->rect.adjusted(inset, inset, -1 - inset, -1 - inset));
    if ((option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange)) {
        painter->setPen(QPen(caption, 1, Qt::DotLine));
        painter->drawRect(option->rect.adjusted(2, 2, -3, -3));
    }
    painter->restore();
}

void ButtonFaceStyle::drawControl(ControlElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButtonLabel || !button) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton label = *button;
    label.palette.setColor(QPalette::ButtonText, captionColour());
    QProxyStyle::drawControl(element, &label, painter, widget);
}
