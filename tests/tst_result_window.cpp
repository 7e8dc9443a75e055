#include "common/colour_label.h"
#include "common/line_field.h"
#include "main_window/form1.h"
#include "result_window/form2.h"
#include "result_window/result_window_instance.h"
#include "test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestResultWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { discardWindows(); }

    void createdHiddenOnFirstUse();
    void windowKind();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void previewLabelsStackWithX1InFront();
    void tabOrderAndFocus();
    void enterAndEscapeDoNothing();
    void reusedWhileOpenAndFreshAfterClose();
    void keepsTheProgramAliveOnlyWhileOpen();
    void labelsShowMarkupAsTyped_data();
    void labelsShowMarkupAsTyped();
    void fieldsNeverHoldLineBreaks_data();
    void fieldsNeverHoldLineBreaks();
    void pastedLineBreakBecomesOneBlank();
};

void TestResultWindow::createdHiddenOnFirstUse()
{
    QVERIFY(!existingResultWindow());
    Form2 *window = GetResultWindow();
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QCOMPARE(GetResultWindow(), window);
    QCOMPARE(existingResultWindow(), window);
}

void TestResultWindow::windowKind()
{
    Form2 *window = GetResultWindow();
    QCOMPARE(window->windowTitle(), u"Soldier of Fortune Double Helix - Prismark"_s);
    QCOMPARE(window->size(), QSize(385, 244));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowType(), Qt::Tool);
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(window->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey());
    QVERIFY(!window->parentWidget());
}

void TestResultWindow::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("points"); // 0: the platform's default font

    QTest::newRow("copy button") << u"Command1"_s << QRect(144, 208, 89, 19) << u"copy into file:"_s
                                 << 0.0;
    QTest::newRow("path") << u"path"_s << QRect(248, 208, 121, 19) << u"C:\\prismark.cfg"_s << 0.0;
    QTest::newRow("result field") << u"Text1"_s << QRect(8, 40, 369, 19) << QString() << 9.75;
    QTest::newRow("looks like") << u"Label3"_s << QRect(8, 104, 169, 17)
                                << u"your name looks like:"_s << 9.75;
    QTest::newRow("hint") << u"Label2"_s << QRect(160, 64, 217, 17)
                          << u"dont forget the   seta name \"\""_s << 8.25;
    QTest::newRow("this is your name")
        << u"Label1"_s << QRect(8, 16, 145, 17) << u"this is your name:"_s << 9.75;
    QTest::newRow("separator") << u"Line1"_s << QRect(8, 200, 369, 1) << QString() << 0.0;
    QTest::newRow("background") << u"Image2"_s << QRect(0, 0, 1080, 828) << QString() << 0.0;
}

void TestResultWindow::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto *widget = GetResultWindow()->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->property("text").toString(), text);
    QFETCH(qreal, points);
    if (points > 0) {
        // Lucida Console, regular, or its fixed-pitch look-alike.
        QCOMPARE(widget->font().families().value(0), u"Lucida Console"_s);
        QVERIFY(QFontInfo(widget->font()).fixedPitch());
        QCOMPARE(widget->font().pointSizeF(), points);
        QVERIFY(!widget->font().bold());
    } else {
        QCOMPARE(widget->font(), QApplication::font(widget));
    }
}

void TestResultWindow::previewLabelsStackWithX1InFront()
{
    Form2 *window = GetResultWindow();
    const QObjectList children = window->children();
    qsizetype previous = -1;
    for (int layer = 10; layer >= 1; --layer) {
        ColourLabel *label = window->previewLabel(layer);
        QCOMPARE(label->objectName(), u"X%1"_s.arg(layer));
        QCOMPARE(label->geometry(), QRect(8, 128, 369, 25));
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->foreColour(), 0x80000012u);
        QVERIFY(QFontInfo(label->font()).fixedPitch());
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 12.0);
        // Later children are painted over earlier ones.
        const qsizetype index = children.indexOf(label);
        QVERIFY(index > previous);
        previous = index;
    }
    QVERIFY(children.indexOf(window->findChild<QWidget *>(u"Image2"_s)) == 0);
    QCOMPARE(window->findChild<ColourLabel *>(u"Label2"_s)->foreColour(), 0x000000FFu);
}

void TestResultWindow::tabOrderAndFocus()
{
    Form1 *main = startMainWindow();
    Form2 *window = createName(main);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->resultField());
    QTest::keyClick(window->resultField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->pathField());
    QTest::keyClick(window->pathField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->findChild<QPushButton *>(u"Command1"_s));
}

void TestResultWindow::enterAndEscapeDoNothing()
{
    Form1 *main = startMainWindow();
    const QString name = u"C:\\prismark.cfg"_s;
    Form2 *window = createName(main);
    for (QWidget *field : {static_cast<QWidget *>(window->resultField()),
                           static_cast<QWidget *>(window->pathField())}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(field, key);
    }
    QVERIFY(window->isVisible());
    QVERIFY(!QFile::exists(name)); // nothing was written
}

void TestResultWindow::reusedWhileOpenAndFreshAfterClose()
{
    Form1 *main = startMainWindow();
    QPointer<Form2> first = createName(main);
    first->pathField()->setText(u"typed.cfg"_s);
    QCOMPARE(createName(main), first.get());
    QCOMPARE(first->pathField()->text(), u"typed.cfg"_s);

    first->close();
    QTRY_VERIFY(!first); // closing destroys it
    Form2 *second = createName(main);
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->pathField()->text(), u"C:\\prismark.cfg"_s);
}

void TestResultWindow::keepsTheProgramAliveOnlyWhileOpen()
{
    Form2 *window = GetResultWindow();
    window->show();
    // A tool window; yet while it is open the program goes on.
    QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
}

void TestResultWindow::labelsShowMarkupAsTyped_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("bold tags") << u"<b>X</b>"_s;
    QTest::newRow("entity") << u"&lt;"_s;
    QTest::newRow("ampersand") << u"A&B"_s;
}

// Every character of the caption is drawn: ink reaches the cell of its last character.
void TestResultWindow::labelsShowMarkupAsTyped()
{
    QFETCH(QString, caption);
    ColourLabel *label = GetResultWindow()->previewLabel(1);
    label->setForeColour(0x00FFFFFF);
    label->setText(caption);
    const QImage image = render(label);
    const int cell = label->fontMetrics().horizontalAdvance(u'M');
    int rightmostInk = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                rightmostInk = std::max(rightmostInk, x);
    QVERIFY2(rightmostInk >= cell * (caption.size() - 1),
             qPrintable(QString::number(rightmostInk)));
    QVERIFY(rightmostInk < cell * caption.size());
}

void TestResultWindow::fieldsNeverHoldLineBreaks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("held");

    for (const QString &field : {u"Text1"_s, u"path"_s}) {
        auto row = [&](const char *what, const QString &given, const QString &held) {
            QTest::addRow("%s, %s", qPrintable(field), what) << field << given << held;
        };
        row("CR LF", u"^1XYZ\r\n^7Name"_s, u"^1XYZ ^7Name"_s);
        row("LF", u"a\nb"_s, u"a b"_s);
        row("CR", u"a\rb"_s, u"a b"_s);
        row("LF CR is two breaks", u"a\n\rb"_s, u"a  b"_s);
        row("break at the end", u"name\r\n"_s, u"name "_s);
        row("only breaks", u"\r\n\r\n"_s, u"  "_s);
        row("no break", u"seta name \"x\""_s, u"seta name \"x\""_s);
    }
}

void TestResultWindow::fieldsNeverHoldLineBreaks()
{
    QFETCH(QString, field);
    QFETCH(QString, given);
    QFETCH(QString, held);
    auto *edit = GetResultWindow()->findChild<LineField *>(field);
    edit->setText(given);
    QCOMPARE(edit->text(), held);
    edit->clear();
    edit->insert(given);
    QCOMPARE(edit->text(), held);
}

void TestResultWindow::pastedLineBreakBecomesOneBlank()
{
    Form1 *main = startMainWindow();
    for (QLineEdit *edit : {static_cast<QLineEdit *>(main->partRows()[0].text),
                            static_cast<QLineEdit *>(GetResultWindow()->resultField())}) {
        edit->setText(u"ab"_s);
        edit->setCursorPosition(1);
        QApplication::clipboard()->setText(u"x\r\ny"_s);
        edit->paste();
        QCOMPARE(edit->text(), u"ax yb"_s);
        QCOMPARE(edit->cursorPosition(), 4);
    }
}

QTEST_MAIN(TestResultWindow)
#include "tst_result_window.moc"
