#pragma once

#include <QApplication>

// The application object. A failure that escapes an event handler is shown in the error
// report, and the program then ends as on "bye".
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void reportFatal(const QString &failure);

    bool m_reporting = false;
};
