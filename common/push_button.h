#pragma once

#include <QString>

class QAbstractButton;
class QPushButton;
class QWidget;
struct TwipRect;

// A new push button on `form` with the highlight-coloured face both windows use. Enter presses it
// where it has the focus, yet it is never the window's default button: Enter elsewhere does not
// press it.
QPushButton *addPushButton(QWidget *form, const QString &name, const QString &caption,
                           const TwipRect &where);

// Gives `button` that face: the highlight colour, and a caption in black or white, whichever
// reads on it.
void useHighlightFace(QAbstractButton *button);
