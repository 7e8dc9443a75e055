// The toolkit with text: a window of the main window's size with one label, one text field and
// one editable list in Prismark's fonts, ending after its first paint. Unlike the bare window it
// loads fonts and lays out text, as any program with text must.
#include "common/fonts.h"
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(612, 426);
    const QFont rowFont = Fonts::lucidaConsole(8.25);
    auto *label = new QLabel(QStringLiteral("part1"), &window);
    label->setFont(rowFont);
    label->setGeometry(432, 128, 41, 17);
    auto *field = new QLineEdit(&window);
    field->setFont(rowFont);
    field->setGeometry(480, 128, 105, 19);
    auto *list = new QComboBox(&window);
    list->setFont(rowFont);
    list->setEditable(true);
    list->setEditText(QStringLiteral("- select a color -"));
    list->setGeometry(224, 128, 185, 19);
    new QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
