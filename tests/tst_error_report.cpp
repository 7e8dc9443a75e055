#include "main_window/application.h"
#include "main_window/form1.h"
#include "result_window/form2.h"
#include "test_support.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
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

} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void failureIsReportedAndEndsTheProgram_data();
    void failureIsReportedAndEndsTheProgram();
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

    QPointer<Form1> main = startMainWindow();
    createName(main);
    QPointer<Form2> result = existingResultWindow();
    QVERIFY(result);

    QString reportText;
    int reportButtons = 0;
    answerNextMessageBox([&](QMessageBox *box) {
        reportText = box->text();
        reportButtons = box->buttons().size();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });

    FailingWidget failing(fail);
    QCoreApplication::postEvent(&failing, new QEvent(FailingWidget::failEvent()));
    QTimer safety;
    safety.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
    safety.start(10000);
    // The program's own event loop: the report must end it.
    QCOMPARE(QCoreApplication::exec(), 0);

    QVERIFY2(reportText.contains(named), qPrintable(reportText));
    QCOMPARE(reportButtons, 1);
    QVERIFY(!main);
    QVERIFY(!result);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_error_report.moc"
