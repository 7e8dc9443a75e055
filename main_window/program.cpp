#include "program.h"

#include "common/fonts.h"
#include "common/system_colour_style.h"
#include "common/window_placement.h"
#include "form1.h"
#include "result_window/form2.h"

#include <QApplication>

Form1 *StartProgram()
{
    // Whatever has no face of its own (buttons, the path field, messages, menus, tool tips).
    QApplication::setFont(Fonts::userInterface());
    if (SystemColourStyle::paintsThemeFaces(QApplication::style()))
        QApplication::setStyle(new SystemColourStyle(QApplication::style()));
    auto *window = new Form1;
    window->setAttribute(Qt::WA_DeleteOnClose);
    centreOnScreen(window);
    window->show();
    return window;
}

void EndProgram()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->parentWidget())
            continue; // popups and tool tips go with their owners
        window->hide();
        if (qobject_cast<Form1 *>(window) || qobject_cast<Form2 *>(window))
            window->deleteLater();
    }
    QCoreApplication::exit(0);
}
