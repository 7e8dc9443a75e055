#pragma once

#include "palette/colour_value.h"

#include <QProxyStyle>

// The look of the program's push buttons on every platform: a flat face in one colour value,
// and a caption in black or white, whichever reads better on that face. Both are worked out when
// the button paints, so they follow the system's colours as they are then. Everything else is
// Fusion's. (Windows' own style paints its own face and ignores the button colour.)
class ButtonFaceStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ButtonFaceStyle(ColourValue face);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    QColor faceColour() const;
    QColor captionColour() const;

    ColourValue m_face;
};
