#include "common/colour_label.h"
#include "common/line_field.h"
#include "file_support.h"
#include "main_window/form1.h"
#include "result_window/form2.h"
#include "result_window/lost_characters_notice.h"
#include "result_window/result_window_instance.h"
#include "test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace FileSupport;

namespace {

const QStringList SansFaces{u"Segoe UI"_s, u"Tahoma"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s,
                            u"Arial"_s};
const QStringList FixedPitchFaces{u"Lucida Console"_s, u"Courier New"_s, u"DejaVu Sans Mono"_s};

} // namespace

class TestResultWindow : public MainWindowTest
{
    Q_OBJECT

private slots:
    void createdHiddenOnFirstUse();
    void windowKind();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void previewLabelsStackWithX1InFront();
    void tabOrderAndFocus();
    void enterAndEscapeDoNothing();
    void reusedWhileOpenAndFreshAfterClose();
    void keepsTheProgramAliveOnlyWhileOpen();
    void gameCheckFollowsTheField_data();
    void gameCheckFollowsTheField();
    void labelsShowMarkupAsTyped_data();
    void labelsShowMarkupAsTyped();
    void fieldsNeverHoldLineBreaks_data();
    void fieldsNeverHoldLineBreaks();
    void pastedLineBreakBecomesOneBlank();
    void copyWritesTheNameFile_data();
    void copyWritesTheNameFile();
    void lostCharactersNotice_data();
    void lostCharactersNotice();
    void badPathIsReportedAndTheProgramGoesOn();
    void copyWorksAfterTheMainWindowClosed();
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
    QTest::newRow("game check") << u"Label4"_s << QRect(8, 160, 369, 17)
                                << u"in game: shows as UnnamedPlayer"_s << 8.25;
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
        const QFontInfo drawn(widget->font());
        QVERIFY2(FixedPitchFaces.contains(drawn.family()), qPrintable(drawn.family()));
        QVERIFY(drawn.fixedPitch());
        QCOMPARE(widget->font().pointSizeF(), points);
        QVERIFY(!widget->font().bold());
    } else {
        // The platform's own face where it is installed, else a sans face, never a serif one.
        const QString drawn = QFontInfo(widget->font()).family();
        QVERIFY2(drawn == widget->font().family() || SansFaces.contains(drawn), qPrintable(drawn));
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
    const ColourValue check = window->findChild<ColourLabel *>(u"Label4"_s)->foreColour();
    QVERIFY(contrastRatio(toQColor(check), QColor(42, 44, 64)) >= 4.5);
}

void TestResultWindow::tabOrderAndFocus()
{
    Form2 *window = createName(m_form);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->resultField());
    QTest::keyClick(window->resultField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->pathField());
    QTest::keyClick(window->pathField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button(window, "Command1"));
}

void TestResultWindow::enterAndEscapeDoNothing()
{
    const QString name = u"C:\\prismark.cfg"_s;
    Form2 *window = createName(m_form);
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
    QPointer<Form2> first = createName(m_form);
    first->pathField()->setText(u"typed.cfg"_s);
    QCOMPARE(createName(m_form), first.get());
    QCOMPARE(first->pathField()->text(), u"typed.cfg"_s);

    first->close();
    QTRY_VERIFY(!first); // closing destroys it
    Form2 *second = createName(m_form);
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

void TestResultWindow::gameCheckFollowsTheField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // afterwards, at the end of the field
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("details"); // empty: not compared

    QTest::newRow("fits") << u"^1XYZ^7Name"_s << QString() << u"in game: 11 of 35 bytes"_s
                          << QString();
    QTest::newRow("cut") << u"^1"_s + QString(40, u'A') << QString()
                         << u"in game: cut after \"…AAAAAAAA\""_s << QString();
    QTest::newRow("UnnamedPlayer")
        << u"^1"_s << QString() << u"in game: shows as UnnamedPlayer"_s
        << u"free-for-all games keep 0 of the name's 2 bytes and drop 2:\nUnnamedPlayer\n"
           u"team games keep 0 of the name's 2 bytes and drop 2:\nUnnamedPlayer"_s;
    QTest::newRow("^^, before UnnamedPlayer")
        << u"^^^1"_s << QString() << u"in game: mishandled, it holds ^^"_s << QString();
    QTest::newRow("refused, before ^^")
        << u"^^a\\b;c\"d;"_s << QString() << u"in game: refused, it holds \\, ; and \""_s
        << QString();
    QTest::newRow("seta name, in the file's code page")
        << u"seta name \"^1Zoë €\""_s << QString() << u"in game: 7 of 35 bytes"_s
        << u"free-for-all games keep 7 of the name's 7 bytes and drop 0:\n^1Zoë €\n"
           u"team games keep 5 of the name's 7 bytes and drop 2:\nZoë €"_s;
    QTest::newRow("an edit in the field")
        << u"^1XYZ^7Name"_s << u";"_s << u"in game: refused, it holds ;"_s << QString();
}

void TestResultWindow::gameCheckFollowsTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, details);
    Form2 *window = GetResultWindow();
    window->resultField()->setText(field);
    QTest::keyClicks(window->resultField(), typed);
    auto *check = window->findChild<ColourLabel *>(u"Label4"_s);
    QCOMPARE(check->text(), line);
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(check);
    QCOMPARE(heard->text(QAccessible::Name), line);
    QCOMPARE(heard->text(QAccessible::Description), check->toolTip());
    if (!details.isEmpty())
        QCOMPARE(check->toolTip(), details);
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
    const int end = cell * int(caption.size());
    const QRgb white = qRgb(255, 255, 255);
    QVERIFY(countPixels(image, QRect(end - cell, 0, cell, image.height()), white) > 0);
    QCOMPARE(countPixels(image, QRect(end, 0, image.width() - end, image.height()), white), 0);
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
    for (QLineEdit *edit :
         {partText(m_form, 1), static_cast<QLineEdit *>(GetResultWindow()->resultField())}) {
        edit->setText(u"ab"_s);
        edit->setCursorPosition(1);
        QApplication::clipboard()->setText(u"x\r\ny"_s);
        edit->paste();
        QCOMPARE(edit->text(), u"ax yb"_s);
        QCOMPARE(edit->cursorPosition(), 4);
    }
}

void TestResultWindow::copyWritesTheNameFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QString>("listed"); // empty: no notice

    QTest::newRow("seta name command, nothing lost: no notice")
        << u"seta name \"^1Zoë €\""_s << QByteArray("seta name \"^1Zo\xEB \x80\"") << QString();
    QTest::newRow("Cyrillic and an emoji: noticed after the write")
        << u"^1Жук😀"_s << QByteArray("^1????")
        << u"Ж (U+0416), у (U+0443), к (U+043A), 😀 (U+1F600)"_s;
}

void TestResultWindow::copyWritesTheNameFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, firstLine);
    QFETCH(QString, listed);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"prismark.cfg"_s);
    Form2 *window = createName(m_form);
    const FixedClock clock;
    window->setClock(clock);
    window->resultField()->setText(name);
    window->pathField()->setText(path);

    QByteArray whileNoticed;
    MessageBoxAnswerer notice([&](QMessageBox *) { whileNoticed = readAll(path); });
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(readAll(path), firstLine + "\r\n" + EndingAt140509);
    QCOMPARE(notice.answered(), !listed.isEmpty());
    if (notice.answered()) {
        QCOMPARE(notice.icon(), QMessageBox::Information);
        QVERIFY2(notice.text().contains(u"\n\n"_s + listed + u"\n\n"_s), qPrintable(notice.text()));
        QCOMPARE(whileNoticed, readAll(path)); // complete before the notice shows
    }
}

void TestResultWindow::lostCharactersNotice_data()
{
    QTest::addColumn<QStringList>("lost");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("listed");

    QTest::newRow("one character") << QStringList{u"😀"_s} << u"1 character"_s << u"😀 (U+1F600)"_s;
    QTest::newRow("invisible ones by their code point")
        << QStringList{u"Ж"_s, u"\u0081"_s, u"\u00A0"_s} << u"3 different characters"_s
        << u"Ж (U+0416), U+0081, U+00A0"_s;

    const QString first20 = u"一 (U+4E00), 丁 (U+4E01), 丂 (U+4E02), 七 (U+4E03), 丄 (U+4E04), "
                            u"丅 (U+4E05), 丆 (U+4E06), 万 (U+4E07), 丈 (U+4E08), 三 (U+4E09), "
                            u"上 (U+4E0A), 下 (U+4E0B), 丌 (U+4E0C), 不 (U+4E0D), 与 (U+4E0E), "
                            u"丏 (U+4E0F), 丐 (U+4E10), 丑 (U+4E11), 丒 (U+4E12), 专 (U+4E13)"_s;
    QStringList cjk;
    for (char16_t c = 0x4E00; c < 0x4E00 + 1000; ++c)
        cjk << QString(QChar(c));
    QTest::newRow("exactly 20: all listed")
        << cjk.first(20) << u"20 different characters"_s << first20;
    QTest::newRow("1000: the first 20 and the count of the rest")
        << cjk << u"1000 different characters"_s << first20 + u", and 980 more"_s;
}

void TestResultWindow::lostCharactersNotice()
{
    QFETCH(QStringList, lost);
    QFETCH(QString, count);
    QFETCH(QString, listed);
    QCOMPARE(LostCharactersNotice(lost),
             u"The name file is written, but its code page cannot hold "_s + count +
                 u" of the name. The file has a \"?\" in place of each:\n\n"_s + listed +
                 u"\n\nChange these in the name and write the file again if you want the game "
                 u"to show something else."_s);
}

void TestResultWindow::badPathIsReportedAndTheProgramGoesOn()
{
    setRow(m_form, 1, u"XYZ"_s, u"01 red"_s);
    Form2 *window = createName(m_form);
    QTemporaryDir folder;
    const QString badPath = folder.filePath(u"missing/prismark.cfg"_s);
    window->pathField()->setText(badPath);

    MessageBoxAnswerer report;
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);

    QVERIFY(report.answered());
    QVERIFY2(report.text().contains(badPath), qPrintable(report.text()));
    QCOMPARE(report.icon(), QMessageBox::Critical);
#ifndef Q_OS_WIN
    QVERIFY2(report.text().contains(u"Reason: No such file or directory"_s),
             qPrintable(report.text()));
#endif
    QCOMPARE(report.buttonCount(), 1);
    QVERIFY(m_form->isVisible());
    QVERIFY(window->isVisible());
    QCOMPARE(window->pathField()->text(), badPath);
    QCOMPARE(window->resultField()->text(), u"^1XYZ"_s);
    QCOMPARE(partText(m_form, 1)->text(), u"XYZ"_s);
    QCOMPARE(entries(folder.path()), QStringList());
}

void TestResultWindow::copyWorksAfterTheMainWindowClosed()
{
    setRow(m_form, 1, u"XYZ"_s, u"01 red"_s);
    Form2 *window = createName(m_form);
    QPointer<Form1> main = m_form;
    main->close();
    QTRY_VERIFY(!main);
    QVERIFY(window->isVisible());

    QTemporaryDir folder;
    const QString path = folder.filePath(u"prismark.cfg"_s);
    const FixedClock clock;
    window->setClock(clock);
    window->pathField()->setText(path);
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    QCOMPARE(readAll(path), "^1XYZ\r\n" + EndingAt140509);
}

QTEST_MAIN(TestResultWindow)
#include "tst_result_window.moc"
