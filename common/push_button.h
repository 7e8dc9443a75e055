#pragma once

#include <QString>

class QPushButton;
class QWidget;
struct TwipRect;

// A new push button on `form` with the highlight-coloured face both windows use. It is never
// the window's default button: Enter does not press it.
QPushButton *addPushButton(QWidget *form, const QString &name, const QString &caption,
                           const TwipRect &where);
