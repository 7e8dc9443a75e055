#include "push_button.h"

#include "button_face_style.h"
#include "twips.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// One style serves all buttons: the face in the highlight colour, system colour 13.
QStyle *highlightFaceStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new ButtonFaceStyle(SystemColour::Highlight);
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
    // The interface face, whatever face the window has.
    QFont interfaceFont = QApplication::font();
    interfaceFont.setResolveMask(QFont::AllPropertiesResolved);
    button->setFont(interfaceFont);
    useHighlightFace(button);
    return button;
}

void useHighlightFace(QAbstractButton *button)
{
    button->setStyle(highlightFaceStyle());
}
