#include "fonts.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts {

// Each face is followed by look-alikes, so that a system without it (Wine, Linux) never falls
// back to a serif face.
QFont lucidaConsole(qreal points, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({u"Lucida Console"_s, u"Courier New"_s, u"DejaVu Sans Mono"_s});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont microsoftSansSerif(qreal points)
{
    QFont font;
    font.setFamilies({u"Microsoft Sans Serif"_s, u"Tahoma"_s, u"DejaVu Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont userInterface()
{
    QFont font = QGuiApplication::font();
    // Where the platform's face is there, the font resolves to it and needs no fallbacks (which
    // cost Qt a lookup of each face on the first text).
    if (QFontInfo(font).family() == font.family())
        return font;
    QStringList families{font.family()};
    for (const QString &sans :
         {u"Segoe UI"_s, u"Tahoma"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s, u"Arial"_s}) {
        if (!families.contains(sans))
            families << sans;
    }
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace Fonts
