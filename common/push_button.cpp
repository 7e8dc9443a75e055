#include "push_button.h"

#include "palette/colour_value.h"
#include "twips.h"

#include <QPushButton>

QPushButton *addPushButton(QWidget *form, const QString &name, const QString &caption,
                           const TwipRect &where)
{
    auto *button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(toPixels(where));
    QPalette face = button->palette();
    face.setColor(QPalette::Button, toQColor(SystemColour::Highlight));
    face.setColor(QPalette::ButtonText, face.color(QPalette::HighlightedText));
    button->setPalette(face);
    return button;
}
