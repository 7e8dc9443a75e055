#include "application.h"

#include "common/message_box.h"
#include "program.h"

#include <exception>
#include <new>

using namespace Qt::StringLiterals;

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"Prismark"_s);
    setApplicationVersion(QStringLiteral(PRISMARK_VERSION));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc &) {
        reportFatal(u"Out of memory."_s);
    } catch (const std::exception &failure) {
        reportFatal(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        reportFatal(u"An unknown error."_s);
    }
    return false;
}

void Application::reportFatal(const QString &failure)
{
    // A second failure while the report is up ends the program without another report.
    if (!m_reporting) {
        m_reporting = true;
        ShowErrorReport(u"Prismark cannot go on and will close.\n\n%1"_s.arg(failure));
        m_reporting = false;
    }
    EndProgram();
}
