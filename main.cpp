#include "main_window/application.h"
#include "main_window/program.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    StartProgram();
    return app.exec();
}
