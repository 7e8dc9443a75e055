#include "common/line_field.h"
#include "main_window/form1.h"
#include "result_window/form2.h"
#include "test_support.h"
#include "window_tables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestNameComposer : public MainWindowTest
{
    Q_OBJECT

private slots:
    void everyColourWritesItsCode_data();
    void everyColourWritesItsCode();
    void composes_data();
    void composes();
    void pickingWithTheKeyboardCountsLikeTyping();
    void userEditsInTheResultAreReplaced();
    void startsThePreviewTimer();
    void afterCloseAFreshWindowGetsTheName();
    void nothingIsCutFromALongName();
};

void TestNameComposer::everyColourWritesItsCode_data()
{
    QTest::addColumn<QString>("listLabel");
    QTest::addColumn<QString>("code");
    for (const Expected::PaletteRow &row : Expected::Palette)
        QTest::newRow(qPrintable(Expected::str(row.listLabel)))
            << Expected::str(row.listLabel) << Expected::str(row.code);
}

void TestNameComposer::everyColourWritesItsCode()
{
    QFETCH(QString, listLabel);
    QFETCH(QString, code);
    setRows(m_form, {{1, u"x"_s, listLabel}, {2, u"y"_s, listLabel}});
    QCOMPARE(createName(m_form)->resultField()->text(), code + u"x"_s + code + u"y"_s);
}

void TestNameComposer::composes_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("name");

    const QString prompt = u"- select a color -"_s;
    QTest::newRow("all rows untouched") << Rows{} << QString();
    QTest::newRow("red clan tag, white name")
        << Rows{{1, u"XYZ"_s, u"01 red"_s}, {2, u"Name"_s, u"07 white"_s}} << u"^1XYZ^7Name"_s;
    QTest::newRow("code for an empty part")
        << Rows{{1, {}, u"05 cyan"_s}, {2, u"Abc"_s, prompt}} << u"^5Abc"_s;
    QTest::newRow("repeated colour repeats its code")
        << Rows{{1, u"A"_s, u"01 red"_s}, {2, u"B"_s, u"01 red"_s}} << u"^1A^1B"_s;
    QTest::newRow("only row 3") << Rows{{3, u"Z"_s, u"26 darkgray"_s}} << u"^-Z"_s;
    QTest::newRow("all ten rows")
        << Rows{{1, u"a"_s, u"01 red"_s},       {2, u"b"_s, u"02 olivegreen"_s},
                {3, u"c"_s, u"03 yellow"_s},    {4, u"d"_s, u"04 midnightblue"_s},
                {5, u"e"_s, u"05 cyan"_s},      {6, u"f"_s, u"06 pink"_s},
                {7, u"g"_s, u"07 white"_s},     {8, u"h"_s, u"08 orange"_s},
                {9, u"i"_s, u"09 redorange"_s}, {10, u"j"_s, u"10 dodgerblue"_s}}
        << u"^1a^2b^3c^4d^5e^6f^7g^bh^ci^dj"_s;
    QTest::newRow("whitepink") << Rows{{1, u"ab"_s, u"21 whitepink"_s}} << u"^qab"_s;
    QTest::newRow("typed label counts") << Rows{{1, u"X"_s, u"01 red"_s}} << u"^1X"_s;
    QTest::newRow("near miss: capital R") << Rows{{1, u"X"_s, u"01 Red"_s}} << u"X"_s;
    QTest::newRow("near miss: trailing blank") << Rows{{1, u"X"_s, u"01 red "_s}} << u"X"_s;
    QTest::newRow("list emptied") << Rows{{1, u"X"_s, u""_s}} << u"X"_s;
    QTest::newRow("user's own caret codes") << Rows{{1, u"^3X"_s, prompt}} << u"^3X"_s;
    QTest::newRow("surrounding blanks kept") << Rows{{1, u"  ab "_s, u"01 red"_s}} << u"^1  ab "_s;
    QTest::newRow("double quote passes") << Rows{{1, u"a\"b"_s, u"07 white"_s}} << u"^7a\"b"_s;
    QTest::newRow("rows after an empty row count")
        << Rows{{1, u"A"_s, u"01 red"_s}, {5, u"E"_s, u"13 limegreen"_s}} << u"^1A^gE"_s;
    QTest::newRow("longest code part: ten codes, no text")
        << Rows{{1, {}, u"26 darkgray"_s}, {2, {}, u"26 darkgray"_s}, {3, {}, u"26 darkgray"_s},
                {4, {}, u"26 darkgray"_s}, {5, {}, u"26 darkgray"_s}, {6, {}, u"26 darkgray"_s},
                {7, {}, u"26 darkgray"_s}, {8, {}, u"26 darkgray"_s}, {9, {}, u"26 darkgray"_s},
                {10, {}, u"26 darkgray"_s}}
        << u"^-^-^-^-^-^-^-^-^-^-"_s;
    QTest::newRow("non-Latin text passes") << Rows{{1, u"Zoë😀"_s, u"03 yellow"_s}} << u"^3Zoë😀"_s;
}

void TestNameComposer::composes()
{
    QFETCH(Rows, rows);
    QFETCH(QString, name);
    setRows(m_form, rows);
    Form2 *window = createName(m_form);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->resultField()->text(), name);
}

void TestNameComposer::pickingWithTheKeyboardCountsLikeTyping()
{
    QComboBox *list = colourList(m_form, 1);
    list->setFocus();
    // Down from the prompt picks the first entry, then the next.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), u"02 olivegreen"_s);
    partText(m_form, 1)->setText(u"x"_s);
    QCOMPARE(createName(m_form)->resultField()->text(), u"^2x"_s);
}

void TestNameComposer::userEditsInTheResultAreReplaced()
{
    setRow(m_form, 1, u"A"_s, u"01 red"_s);
    Form2 *window = createName(m_form);
    window->resultField()->setText(u"seta name \"^1A\""_s);
    createName(m_form);
    QCOMPARE(window->resultField()->text(), u"^1A"_s);
}

void TestNameComposer::startsThePreviewTimer()
{
    auto *timer = m_form->findChild<QTimer *>(u"Timer1"_s);
    QTest::mouseClick(button(m_form, "Command1"), Qt::LeftButton);
    QVERIFY(timer->isActive());
    QTRY_VERIFY(!timer->isActive()); // one tick, then off
}

void TestNameComposer::afterCloseAFreshWindowGetsTheName()
{
    setRow(m_form, 2, u"B"_s, u"06 pink"_s);
    createName(m_form)->close();
    QTRY_VERIFY(!existingResultWindow());
    Form2 *fresh = createName(m_form);
    QVERIFY(fresh && fresh->isVisible());
    QCOMPARE(fresh->resultField()->text(), u"^6B"_s);
}

// Qt's line edits cut text at 32767 characters unless told otherwise.
void TestNameComposer::nothingIsCutFromALongName()
{
    const QString part(100000, u'n');
    for (int row = 1; row <= 10; ++row)
        setRow(m_form, row, part, u"01 red"_s);
    QCOMPARE(partText(m_form, 10)->text().size(), 100000);
    QString expected;
    for (int row = 1; row <= 10; ++row)
        expected += u"^1"_s + part;
    QCOMPARE(createName(m_form)->resultField()->text(), expected);
}

QTEST_MAIN(TestNameComposer)
#include "tst_name_composer.moc"
