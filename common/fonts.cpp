#include "fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts {

QFont lucidaConsole(qreal points, QFont::Weight weight)
{
    QFont font(u"Lucida Console"_s);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont microsoftSansSerif(qreal points)
{
    QFont font(u"Microsoft Sans Serif"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

} // namespace Fonts
