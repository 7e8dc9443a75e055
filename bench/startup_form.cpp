// The form floor: Prismark's main window made plainly, the obvious way, in a window of its size
// and in its row font: twenty captions, ten fields, ten editable lists of the 26 colours that
// show the prompt, and two buttons, without pictures or legend. It ends after its first paint.
#include "common/fonts.h"
#include "palette/palette.h"
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(612, 426);
    window.setFont(Fonts::lucidaConsole(8.25));
    QStringList colours;
    for (const PaletteEntry &entry : Palette)
        colours << entry.ListLabel;
    for (int row = 0; row < 10; ++row) {
        const int top = 128 + 24 * row;
        (new QLabel(QStringLiteral("color"), &window))->setGeometry(176, top, 41, 17);
        auto *list = new QComboBox(&window);
        list->setEditable(true);
        list->addItems(colours);
        list->setEditText(QString(ColourPrompt));
        list->setGeometry(224, top, 185, 19);
        (new QLabel(QStringLiteral("part%1").arg(row + 1), &window))->setGeometry(432, top, 41, 17);
        (new QLineEdit(&window))->setGeometry(480, top, 105, 19);
    }
    (new QPushButton(QStringLiteral("bye"), &window))->setGeometry(392, 392, 81, 19);
    (new QPushButton(QStringLiteral("create name"), &window))->setGeometry(512, 392, 81, 19);
    new QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
