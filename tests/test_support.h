#pragma once

#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class Form1;
class Form2;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace TestSupport {

// A QtTest class whose every test starts with the main window as the program shows it (shown,
// active, the focus in the first list) and ends with every window of the program gone.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected:
    Form1 *m_form = nullptr;

private slots:
    void init();
    void cleanup();
};

QComboBox *colourList(Form1 *form, int row); // row 1 to 10
QLineEdit *partText(Form1 *form, int row);   // row 1 to 10
QPushButton *button(QWidget *window, const char *name);

// Sets row `row` as the user would leave it: the text typed, the list text picked or typed.
void setRow(Form1 *form, int row, const QString &text, const QString &listText);

// One row as a test sets it; rows a test leaves out stay untouched.
struct Row
{
    int number; // 1 to 10
    QString text;
    QString listText;
};
using Rows = QList<Row>;
void setRows(Form1 *form, const Rows &rows);

// Presses "create name" and lets the preview timer tick.
Form2 *createName(Form1 *form);

// Whether a result window exists, shown or not.
Form2 *existingResultWindow();

// Runs the program's event loop, as main() does, until the program ends it; returns its exit
// code, or 1 where it has not ended within ten seconds.
int runProgram();

QImage render(QWidget *widget);

// How many pixels of `area` in `image` are `colour`, or match `matches`.
int countPixels(const QImage &image, const QRect &area, QRgb colour);
int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &matches);

// Answers the next modal message box of the program. Once the box shows, it is read, `whileShown`
// (where given) may work with it, and then, unless `whileShown` answered it, OK is clicked (or
// Esc, where it has no OK). Compare what
// was read once the box is gone. The answerer stops waiting when it is destroyed.
class MessageBoxAnswerer
{
public:
    explicit MessageBoxAnswerer(std::function<void(QMessageBox *)> whileShown = {});

    bool answered() const { return m_answered; }
    const QString &text() const { return m_text; }
    QMessageBox::Icon icon() const { return m_icon; }
    int buttonCount() const { return m_buttonCount; }

private:
    QTimer m_poll;
    bool m_answered = false;
    QString m_text;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
    int m_buttonCount = 0;
};

} // namespace TestSupport

Q_DECLARE_METATYPE(TestSupport::Rows)
