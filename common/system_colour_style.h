#pragma once

#include <QProxyStyle>

// Windows' own style, with the system's colours behind every text in the system's colours.
// Windows' visual styles paint the faces of fields, tool tips and message boxes from their theme
// (light), while the text on them takes the system's colours: in a dark scheme such as High
// Contrast Black the text was white on white. This style paints those faces in the system's
// colours instead; everything else, frames and buttons and lists, stays Windows' own.
class SystemColourStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;

    // Whether `style` is one that paints theme faces behind text in the system's colours.
    static bool paintsThemeFaces(const QStyle *style);
};
