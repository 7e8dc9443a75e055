#include "test_support.h"

#include "main_window/form1.h"
#include "main_window/program.h"
#include "result_window/form2.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace TestSupport {

Form1 *startMainWindow()
{
    Form1 *form = StartProgram();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("the main window did not become active");
    return form;
}

void discardWindows()
{
    // Collected first: deleting a window deletes the popups that the list also holds.
    QList<QPointer<QWidget>> ours;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (qobject_cast<Form1 *>(window) || qobject_cast<Form2 *>(window))
            ours << window;
    }
    for (const QPointer<QWidget> &window : ours)
        delete window.get();
}

QComboBox *colourList(Form1 *form, int row)
{
    return form->partRows().at(row - 1).colour;
}

QLineEdit *partText(Form1 *form, int row)
{
    return form->partRows().at(row - 1).text;
}

QPushButton *button(QWidget *form, const char *name)
{
    return form->findChild<QPushButton *>(QString::fromLatin1(name));
}

void setRow(Form1 *form, int row, const QString &text, const QString &listText)
{
    partText(form, row)->setText(text);
    colourList(form, row)->setEditText(listText);
}

void setRows(Form1 *form, const Rows &rows)
{
    for (const Row &row : rows)
        setRow(form, row.number, row.text, row.listText);
}

Form2 *createName(Form1 *form)
{
    QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
    auto *timer = form->findChild<QTimer *>(QStringLiteral("Timer1"));
    if (!QTest::qWaitFor([timer] { return !timer->isActive(); }))
        qWarning("the preview timer did not tick");
    return existingResultWindow();
}

Form2 *existingResultWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *form = qobject_cast<Form2 *>(window))
            return form;
    }
    return nullptr;
}

double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](int value) {
            const double v = value / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

QObject *answerNextMessageBox(std::function<void(QMessageBox *)> answer)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(box);
        }
    });
    poll->start();
    return poll;
}

FixedClock::FixedClock(QDateTime now, bool movesOn) : m_now(std::move(now)), m_movesOn(movesOn) {}

QDateTime FixedClock::now() const
{
    const QDateTime reading = m_now;
    if (m_movesOn)
        m_now = m_now.addSecs(1);
    return reading;
}

} // namespace TestSupport
