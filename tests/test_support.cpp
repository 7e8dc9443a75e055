#include "test_support.h"

#include "main_window/form1.h"
#include "main_window/program.h"
#include "result_window/form2.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace TestSupport {

void MainWindowTest::init()
{
    m_form = StartProgram();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void MainWindowTest::cleanup()
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
    m_form = nullptr;
}

QComboBox *colourList(Form1 *form, int row)
{
    return form->partRows().at(row - 1).colour;
}

QLineEdit *partText(Form1 *form, int row)
{
    return form->partRows().at(row - 1).text;
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QString::fromLatin1(name));
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

int runProgram()
{
    QTimer safety;
    safety.setSingleShot(true);
    safety.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
    safety.start(10000);
    return QCoreApplication::exec();
}

QImage render(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

int countPixels(const QImage &image, const QRect &area, QRgb colour)
{
    return countPixels(image, area, [colour](QRgb pixel) { return pixel == colour; });
}

int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &matches)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += matches(image.pixel(x, y));
    return count;
}

MessageBoxAnswerer::MessageBoxAnswerer(std::function<void(QMessageBox *)> whileShown)
{
    m_poll.setInterval(10);
    m_poll.callOnTimeout([this, whileShown = std::move(whileShown)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        m_poll.stop();
        m_text = box->text();
        m_icon = box->icon();
        m_buttonCount = int(box->buttons().size());
        if (whileShown)
            whileShown(box);
        if (box->isVisible()) { // not answered while shown
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                box->reject();
        }
        m_answered = true;
    });
    m_poll.start();
}

} // namespace TestSupport
