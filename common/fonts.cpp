#include "fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The first of `families` that is installed, alone; where none is, all of them, for the platform
// to find a look-alike. A font that names one installed family resolves at once. Naming a missing
// family, or more than one, makes Qt ask the platform for fallbacks, which on Windows means
// reading the names of every installed font: tens of milliseconds at start.
QStringList firstInstalled(const QStringList &families)
{
    static const QStringList installed = [] {
        QStringList names = QFontDatabase::families();
        for (QString &name : names)
            name = name.section(u" ["_s, 0, 0); // "Family [Foundry]"
        return names;
    }();
    for (const QString &family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return {family};
    }
    return families;
}

} // namespace

namespace Fonts {

// Each face has look-alikes, so that a system without it (Wine, Linux) never falls back to a
// serif face.
QFont lucidaConsole(qreal points, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(
        firstInstalled({u"Lucida Console"_s, u"Courier New"_s, u"DejaVu Sans Mono"_s}));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont microsoftSansSerif(qreal points)
{
    QFont font;
    font.setFamilies(firstInstalled({u"Microsoft Sans Serif"_s, u"Tahoma"_s, u"DejaVu Sans"_s}));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

QFont userInterface()
{
    QFont font = QGuiApplication::font();
    // The platform's face may be a name for another face (Linux's "Sans Serif"; Windows' "MS
    // Shell Dlg", which Wine without Tahoma draws in a serif face): the face it is drawn in tells.
    const QStringList sans{u"Segoe UI"_s, u"Tahoma"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s,
                           u"Arial"_s};
    const QString drawn = QFontInfo(font).family();
    if (drawn == font.family() || sans.contains(drawn))
        return font;
    font.setFamilies(firstInstalled(sans));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace Fonts
