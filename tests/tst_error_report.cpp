#include "common/message_box.h"
#include "main_window/application.h"
#include "main_window/form1.h"
#include "result_window/form2.h"
#include "test_support.h"

#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// Throws from its event handler when it receives the test's event.
class FailingWidget : public QWidget
{
public:
    explicit FailingWidget(std::function<void()> fail) : m_fail(std::move(fail)) {}

    static QEvent::Type failEvent() { return QEvent::Type(QEvent::User + 1); }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == failEvent())
            m_fail();
        return QWidget::event(event);
    }

private:
    std::function<void()> m_fail;
};

// Makes the making of a result window fail, as when memory runs out: a seam that the program
// itself does not have.
class ResultWindowFailure : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowTitleChange && qobject_cast<Form2 *>(watched))
            throw std::bad_alloc();
        return false;
    }
};

} // namespace

class TestErrorReport : public MainWindowTest
{
    Q_OBJECT

private slots:
    void failureIsReportedAndEndsTheProgram_data();
    void failureIsReportedAndEndsTheProgram();
    void failingRefreshKeepsItsReportUntilDismissed();
    void messageTextCanBeCopied_data();
    void messageTextCanBeCopied();
};

void TestErrorReport::failureIsReportedAndEndsTheProgram_data()
{
    QTest::addColumn<std::function<void()>>("fail");
    QTest::addColumn<QString>("named");
    QTest::newRow("out of memory")
        << std::function<void()>([] { throw std::bad_alloc(); }) << u"Out of memory."_s;
    QTest::newRow("a library's failure")
        << std::function<void()>([] { throw std::runtime_error("disk on fire"); })
        << u"disk on fire"_s;
    QTest::newRow("something unknown")
        << std::function<void()>([] { throw 42; }) << u"An unknown error."_s;
}

void TestErrorReport::failureIsReportedAndEndsTheProgram()
{
    QFETCH(std::function<void()>, fail);
    QFETCH(QString, named);

    QPointer<Form1> main = m_form;
    QPointer<Form2> result = createName(main);
    QVERIFY(result);

    MessageBoxAnswerer report;
    FailingWidget failing(fail);
    QCoreApplication::postEvent(&failing, new QEvent(FailingWidget::failEvent()));
    // The program's own event loop: the report must end it.
    QCOMPARE(runProgram(), 0);

    QVERIFY(report.answered());
    QVERIFY2(report.text().contains(named), qPrintable(report.text()));
    QCOMPARE(report.icon(), QMessageBox::Critical);
    QCOMPARE(report.buttonCount(), 1);
    QVERIFY(!main);
    QVERIFY(!result);
}

void TestErrorReport::failingRefreshKeepsItsReportUntilDismissed()
{
    QPointer<Form1> main = m_form;
    setRow(main, 1, u"XYZ"_s, u"01 red"_s);
    // The click starts the preview timer; with its window gone, the tick must make a new one,
    // and that fails.
    button(main, "Command1")->click();
    delete existingResultWindow();
    ResultWindowFailure failure;
    qApp->installEventFilter(&failure);

    QPointer<QTimer> timer = main->findChild<QTimer *>(u"Timer1"_s);
    bool tickPending = true;
    bool stayedUp = false;
    MessageBoxAnswerer report([&](QMessageBox *box) {
        // No further tick may come while the report is up: it would fail again and end the
        // program under the user's eyes. A user takes a while to read the report.
        tickPending = timer && timer->isActive();
        QTest::qWait(100);
        stayedUp = box->isVisible() && QApplication::activeModalWidget() == box;
    });
    const int exitCode = runProgram();
    qApp->removeEventFilter(&failure);

    QCOMPARE(exitCode, 0);
    QVERIFY2(report.text().contains(u"Out of memory."_s), qPrintable(report.text()));
    QVERIFY(!tickPending);
    QVERIFY(stayedUp);
    QVERIFY(!main);
}

void TestErrorReport::messageTextCanBeCopied_data()
{
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("style");
    // The Windows style leaves a message's text unselectable unless the program says otherwise.
    QTest::newRow("error report, Windows style") << true << u"windows"_s;
    QTest::newRow("notice, Windows style") << false << u"windows"_s;
    QTest::newRow("error report, Fusion style") << true << u"fusion"_s;
}

void TestErrorReport::messageTextCanBeCopied()
{
    QFETCH(bool, error);
    QFETCH(QString, style);
    const QString styleBefore = QApplication::style()->name();
    QApplication::setStyle(style);
    const auto restoreStyle = qScopeGuard([&] { QApplication::setStyle(styleBefore); });
    const QString message =
        u"The name file could not be written.\n\nPath: /tmp/ä/x.cfg\nReason: Is a directory"_s;
    QGuiApplication::clipboard()->clear();
    QString copied;
    QString face;
    MessageBoxAnswerer box([&](QMessageBox *shown) {
        auto *label = shown->findChild<QLabel *>(u"qt_msgbox_label"_s);
        if (!label)
            return;
        face = QFontInfo(label->font()).family();
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
    });
    if (error)
        ShowErrorReport(message);
    else
        ShowNotice(message);
    QVERIFY(box.answered());
    QCOMPARE(copied, message);
    // The platform's own face where it is installed, else a sans face, never a serif one.
    const QStringList sans{u"Segoe UI"_s, u"Tahoma"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s,
                           u"Arial"_s};
    QVERIFY2(face == QApplication::font().family() || sans.contains(face), qPrintable(face));
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_error_report.moc"
