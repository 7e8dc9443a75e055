// Prismark as it starts, ending after the main window's first paint.
#include "main_window/application.h"
#include "main_window/form1.h"
#include "main_window/program.h"
#include "quit_after_first_paint.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    new QuitAfterFirstPaint(StartProgram());
    return app.exec();
}
