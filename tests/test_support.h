#pragma once

#include "name_file/clock.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

#include <functional>

class Form1;
class Form2;
class QComboBox;
class QMessageBox;
class QLineEdit;
class QPushButton;

namespace TestSupport {

// A main window as the program starts it, shown and active.
Form1 *startMainWindow();
// Deletes both windows, so that each test starts from a fresh program state.
void discardWindows();

QComboBox *colourList(Form1 *form, int row); // row 1 to 10
QLineEdit *partText(Form1 *form, int row);   // row 1 to 10
QPushButton *button(QWidget *form, const char *name);

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

QImage render(QWidget *widget);

// The WCAG contrast ratio of two colours, computed here independently of the program.
double contrast(const QColor &a, const QColor &b);

// Waits in the background for the next modal message box and hands it to `answer` once it shows,
// which must close it. Deleting the returned waiter stops the wait.
QObject *answerNextMessageBox(std::function<void(QMessageBox *)> answer);

// A clock that shows a fixed moment. With `movesOn`, every reading moves it on by a second
// afterwards, as a real clock does between two readings.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now, bool movesOn = false);
    QDateTime now() const override;

private:
    mutable QDateTime m_now;
    bool m_movesOn;
};

} // namespace TestSupport

Q_DECLARE_METATYPE(TestSupport::Rows)
