#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

// Window layouts are kept in twips; 15 twips make one logical pixel (96 dpi).
inline constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

struct TwipRect
{
    int left, top, width, height;
};

struct TwipSize
{
    int width, height;
};

struct TwipLine
{
    int x1, y1, x2, y2;
};

constexpr QRect toPixels(TwipRect r)
{
    return QRect(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
}

constexpr QSize toPixels(TwipSize s)
{
    return QSize(toPixels(s.width), toPixels(s.height));
}

// The pixels a one-pixel line covers, both end points included.
constexpr QRect toPixels(TwipLine l)
{
    const int x1 = toPixels(l.x1), y1 = toPixels(l.y1), x2 = toPixels(l.x2), y2 = toPixels(l.y2);
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)));
}
