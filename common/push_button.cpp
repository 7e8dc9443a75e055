#include "push_button.h"

#include "button_face_style.h"
#include "twips.h"

#include <QApplication>
#include <QKeyEvent>
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

// Enter and Return press a focused button, as Space does and as Windows users expect. The button
// stays no default button: Enter elsewhere in the window presses nothing, and the face keeps no
// default frame.
class PushButton final : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            QPushButton::keyPressEvent(event);
        else if (!event->isAutoRepeat()) // once, however long the key is held
            click();
    }
};

} // namespace

QPushButton *addPushButton(QWidget *form, const QString &name, const QString &caption,
                           const TwipRect &where)
{
    auto *button = new PushButton(caption, form);
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
