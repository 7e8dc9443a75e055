#include "push_button.h"

#include "palette/colour_value.h"
#include "twips.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

namespace {

// Windows' native style paints its own face and ignores the button colour, which left the
// light caption unreadable there. Fusion paints the face in the button colour on every platform
// (and is what Linux desktops get by default). One instance serves all buttons.
QStyle *faceColourStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(u"Fusion"_s);
        style->setParent(qApp);
    }
    return style;
}

} // namespace

QPushButton *addPushButton(QWidget *form, const QString &name, const QString &caption,
                           const TwipRect &where)
{
    auto *button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(toPixels(where));
    button->setStyle(faceColourStyle());
    QPalette face = button->palette();
    face.setColor(QPalette::Button, toQColor(SystemColour::Highlight));
    face.setColor(QPalette::ButtonText, face.color(QPalette::HighlightedText));
    button->setPalette(face);
    return button;
}
