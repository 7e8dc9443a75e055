#include "result_window_instance.h"

#include "form2.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

QPointer<Form2> instance; // cleared when the window is destroyed

} // namespace

Form2 *GetResultWindow()
{
    if (!instance) {
        instance = new Form2;
        // A window that was never shown is not closed by anyone; it goes with the program.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, instance.get(),
                         [] { delete instance.get(); });
    }
    return instance;
}
