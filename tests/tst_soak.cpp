#include "main_window/form1.h"
#include "result_window/form2.h"
#include "test_support.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestSoak : public MainWindowTest
{
    Q_OBJECT

private slots:
    void openingAndClosingTheResultWindowLeavesNothingBehind();
};

void TestSoak::openingAndClosingTheResultWindowLeavesNothingBehind()
{
    Form1 *main = m_form;
    setRow(main, 1, u"XYZ"_s, u"01 red"_s);
    setRow(main, 2, u"Name"_s, u"07 white"_s);

    auto openAndClose = [main] {
        QPointer<Form2> window = createName(main);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    };
    QVERIFY(openAndClose()); // the first round creates what the program keeps for good
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype objects = main->findChildren<QObject *>().size();
    for (int round = 0; round < 1000; ++round)
        QVERIFY(openAndClose());
    QCOMPARE(QApplication::allWidgets().size(), widgets);
    QCOMPARE(main->findChildren<QObject *>().size(), objects);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
