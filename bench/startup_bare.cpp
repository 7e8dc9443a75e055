// The toolkit alone: an empty window of the main window's size, ending after its first paint.
#include "quit_after_first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(612, 426);
    new QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
