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
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

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
    void initTestCase();
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
    void theHintWrapsTheName_data();
    void theHintWrapsTheName();
    void theFileIsChosenInADialog_data();
    void theFileIsChosenInADialog();
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

private:
    QTemporaryDir m_home; // a home folder without a documents folder
};

void TestResultWindow::initTestCase()
{
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(u".config"_s)));
    // The widget dialog on every platform, which the test can answer.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

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
    // Windows' documents folder is Windows' own: the Windows journey looks for the file there.
#ifdef Q_OS_WIN
    const QString home;
#else
    const QString home = m_home.filePath(u"prismark.cfg"_s);
#endif
    QTest::newRow("path, in the home folder where there is no documents folder")
        << u"path"_s << QRect(248, 208, 121, 19) << home << 0.0;
    QTest::newRow("result field") << u"Text1"_s << QRect(8, 40, 369, 19) << QString() << 9.75;
    QTest::newRow("looks like") << u"Label3"_s << QRect(8, 104, 169, 17)
                                << u"your name looks like:"_s << 9.75;
    QTest::newRow("hint") << u"Label2"_s << QRect(160, 64, 217, 17)
                          << u"dont forget the   seta name \"\""_s << 8.25;
    QTest::newRow("this is your name")
        << u"Label1"_s << QRect(8, 16, 145, 17) << u"this is your name:"_s << 9.75;
    QTest::newRow("game check") << u"Label4"_s << QRect(8, 160, 369, 17)
                                << u"sets no name: the line is empty"_s << 8.25;
    QTest::newRow("game colours") << u"Label5"_s << QRect(8, 178, 369, 17) << u"in game colours: "_s
                                  << 8.25;
    QTest::newRow("status, empty") << u"Label6"_s << QRect(8, 228, 369, 15) << u""_s << 8.25;
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
    if (!text.isNull())
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

// "create name" brings the window forward with the keyboard in it: a new one in the name string,
// an open one where the player left it, even where it was minimised.
void TestResultWindow::tabOrderAndFocus()
{
    Form2 *window = createName(m_form);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->resultField());
    QTest::keyClick(window->resultField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->pathField());
    QTest::keyClick(window->pathField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button(window, "Command1"));

    QTest::keyClick(button(window, "Command1"), Qt::Key_Backtab);
    window->showMinimized();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QCOMPARE(createName(m_form), window);
    QVERIFY(!window->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->pathField());
}

// In the fields; on the focused button, Enter presses it.
void TestResultWindow::enterAndEscapeDoNothing()
{
    Form2 *window = createName(m_form);
    QTemporaryDir folder;
    const QString name = folder.filePath(u"prismark.cfg"_s);
    window->pathField()->setText(name);
    for (QWidget *field : {static_cast<QWidget *>(window->resultField()),
                           static_cast<QWidget *>(window->pathField())}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(field, key);
    }
    QVERIFY(window->isVisible());
    QVERIFY(!QFile::exists(name)); // nothing was written
    QTest::keyClick(button(window, "Command1"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(QFile::exists(name));
}

void TestResultWindow::reusedWhileOpenAndFreshAfterClose()
{
    QPointer<Form2> first = createName(m_form);
    const QString initial = first->pathField()->text();
    QCOMPARE(first->pathField()->toolTip(), u"the documents folder: the game was not found"_s);
    first->pathField()->setText(u"typed.cfg"_s);
    QCOMPARE(first->pathField()->toolTip(), QString()); // no longer where the path came from
    QCOMPARE(createName(m_form), first.get());
    QCOMPARE(first->pathField()->text(), u"typed.cfg"_s);

    first->close();
    QTRY_VERIFY(!first); // closing destroys it
    Form2 *second = createName(m_form);
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->pathField()->text(), initial);
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
    QTest::addColumn<QString>("details");   // null: not compared
    QTest::addColumn<QString>("colours");   // the game colours in words; null: not compared
    QTest::addColumn<QString>("colourTip"); // null: not compared
    QTest::addColumn<QList<QRgb>>("inks");  // the game colours drawn, beside the line's own
    QTest::addColumn<int>("narrowTo"); // the line's width, where its end shows the line's own "…"
    const auto row = [](const char *tag, const QString &field, const QString &line,
                        const QString &details = {}, const QString &colours = {},
                        const QString &colourTip = {}, const QList<QRgb> &inks = {},
                        const QString &typed = {}, int narrowTo = 0) {
        QTest::newRow(tag) << field << typed << line << details << colours << colourTip << inks
                           << narrowTo;
    };

    const QRgb red = qRgb(255, 26, 26);
    row("fits", u"seta name \"^1XYZ^7Name\""_s, u"in game: 11 of 35 bytes"_s, {},
        u"XYZ in red, Name in white, by the game's colour table"_s,
        u"By the game's colour table, the colours match the labels."_s);
    row("cut", u"seta name ^1"_s + QString(40, u'A'), u"in game: cut after \"…AAAAAAAA\""_s);
    row("UnnamedPlayer", u"seta name ^1"_s, u"in game: shows as UnnamedPlayer"_s,
        u"free-for-all games keep 0 of the name's 2 bytes and drop 2:\nUnnamedPlayer\n"
        u"team games keep 0 of the name's 2 bytes and drop 2:\nUnnamedPlayer"_s,
        u"UnnamedPlayer in white, by the game's colour table"_s);
    row("one byte", u"seta name A"_s, u"in game: 1 of 35 bytes"_s,
        u"free-for-all games keep 1 of the name's 1 byte and drop 0:\nA\n"
        u"team games keep 1 of the name's 1 byte and drop 0:\nA"_s,
        u"A in the game's own text colour, by the game's colour table"_s);
    row("^^, before UnnamedPlayer", u"seta name ^^^1"_s, u"in game: mishandled, it holds ^^"_s);
    row("refused, before ^^", u"seta name \"^^a\\b;c;\""_s,
        u"in game: refused, it holds \\ and ;"_s, {}, u"nothing"_s);
    row("seta name, in the file's code page", u"seta name \"^1Zoë €\""_s,
        u"in game: 7 of 35 bytes"_s,
        u"free-for-all games keep 7 of the name's 7 bytes and drop 0:\n^1Zoë €\n"
        u"team games keep 5 of the name's 7 bytes and drop 2:\nZoë €"_s);
    row("the console ends the command at a semicolon", u"seta name ^1a;b"_s,
        u"in game: 3 of 35 bytes"_s, {}, u"a in red, by the game's colour table"_s);
    row("seta name alone", u"seta name"_s, u"sets no name: the command gives no name"_s,
        u"The game runs the line as console commands, and a set name with no word after it "
        u"only shows how to use it: the name stays as it was."_s,
        u"nothing"_s);
    row("not a command yet", u"^1XYZ^7Name"_s, u"sets no name: not a command yet: Alt+S wraps it"_s,
        u"The game runs the line as console commands, and this line is none: the name stays as "
        u"it was. Wrapped into seta name \"…\":\n"
        u"free-for-all games keep 11 of the name's 11 bytes and drop 0:\n^1XYZ^7Name\n"
        u"team games keep 7 of the name's 11 bytes and drop 4:\nXYZName"_s,
        u"nothing"_s);
    row("a double quote cannot be wrapped", u"^1a\"b"_s,
        u"sets no name: not a command, and \" cannot be wrapped"_s);
    row("game colours unlike the labels", u"seta name ^bAB^wCD^-EF"_s, u"in game: 12 of 35 bytes"_s,
        {}, u"AB in green, CD in white, EF in cyan, by the game's colour table"_s,
        u"^b (08 orange) shows as green by the game's colour table\n"
        u"^w (23 black) shows as white by the game's colour table\n"
        u"^- (26 darkgray) shows as cyan by the game's colour table"_s,
        {qRgb(169, 194, 116), qRgb(255, 255, 255), qRgb(0, 255, 255)});
    row("a code used twice is named once", u"seta name ^bA^bB"_s, u"in game: 6 of 35 bytes"_s, {},
        {}, u"^b (08 orange) shows as green by the game's colour table"_s);
    row("before the first code, the line's own colour", u"seta name A^1B"_s,
        u"in game: 4 of 35 bytes"_s, {}, {}, {}, {red});
    row("too long for the line: cut with its own \"…\"", u"seta name ^1"_s + QString(33, u'A'),
        u"in game: 35 of 35 bytes"_s, {}, {}, {}, {red}, {}, 200);
    row("an edit in the field", u"seta name ^1XYZ^7Name"_s,
        u"sets no name: seta takes one word, quote the name"_s, {}, u"nothing"_s, {}, {},
        u" Two"_s);
}

void TestResultWindow::gameCheckFollowsTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, details);
    QFETCH(QString, colours);
    QFETCH(QString, colourTip);
    QFETCH(QList<QRgb>, inks);
    QFETCH(int, narrowTo);
    Form2 *window = GetResultWindow();
    window->resultField()->setText(field);
    QTest::keyClicks(window->resultField(), typed);
    auto *check = window->findChild<ColourLabel *>(u"Label4"_s);
    QCOMPARE(check->text(), line);
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(check);
    QCOMPARE(heard->text(QAccessible::Name), line);
    QCOMPARE(heard->text(QAccessible::Description), check->toolTip());
    if (!details.isNull())
        QCOMPARE(check->toolTip(), details);

    auto *gameColours = window->findChild<ColourLabel *>(u"Label5"_s);
    QAccessibleInterface *seen = QAccessible::queryAccessibleInterface(gameColours);
    if (!colours.isNull())
        QCOMPARE(seen->text(QAccessible::Description), colours);
    if (!colourTip.isNull())
        QCOMPARE(gameColours->toolTip(), colourTip);
    if (inks.isEmpty())
        return;
    // Only the background, the line's own colour and the game's colours of this name show.
    if (narrowTo)
        gameColours->resize(narrowTo, gameColours->height());
    const QImage image = render(window);
    const QRect area = gameColours->geometry();
    const QRgb lineColour = qRgb(255, 204, 102);
    QCOMPARE(countPixels(image, area,
                         [&](QRgb pixel) {
                             return pixel != qRgb(42, 44, 64) && pixel != lineColour &&
                                    !inks.contains(pixel);
                         }),
             0);
    for (const QRgb ink : inks)
        QVERIFY2(countPixels(image, area, ink) > 0, qPrintable(QString::number(ink, 16)));
    // A line that is cut ends in its own "…".
    if (narrowTo)
        QVERIFY(countPixels(image, area.adjusted(area.width() - 14, 0, 0, 0), lineColour) > 0);
}

void TestResultWindow::theHintWrapsTheName_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Qt::MouseButton>("click"); // on the hint; none: Alt+S in the path field
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("a click on the hint")
        << u"^1XYZ"_s << Qt::LeftButton << u"seta name \"^1XYZ\""_s;
    QTest::newRow("its key, anywhere in the window")
        << u"^1XYZ^7Name"_s << Qt::NoButton << u"seta name \"^1XYZ^7Name\""_s;
    QTest::newRow("a command that sets the name already")
        << u"seta name ^1XYZ"_s << Qt::LeftButton << u"seta name ^1XYZ"_s;
    QTest::newRow("a double quote, which would end the quotes")
        << u"^1a\"b"_s << Qt::NoButton << u"^1a\"b"_s;
    QTest::newRow("an empty field") << QString() << Qt::NoButton << QString();
    QTest::newRow("the right button") << u"^1XYZ"_s << Qt::RightButton << u"^1XYZ"_s;
}

// One edit of the field, which Ctrl+Z takes back; the hint stays as it reads, and the status line
// tells of the wrap until the field changes.
void TestResultWindow::theHintWrapsTheName()
{
    QFETCH(QString, field);
    QFETCH(Qt::MouseButton, click);
    QFETCH(QString, wrapped);
    Form2 *window = createName(m_form);
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->resultField()->setText(field);
    auto *hint = window->findChild<ColourLabel *>(u"Label2"_s);
    QCOMPARE(hint->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY2(hint->toolTip().contains(u"Alt+S"_s), qPrintable(hint->toolTip()));
    QCOMPARE(QAccessible::queryAccessibleInterface(hint)->text(QAccessible::Description),
             hint->toolTip());
    if (click == Qt::NoButton) {
        window->pathField()->setFocus();
        QTest::keyClick(window->pathField(), Qt::Key_S, Qt::AltModifier);
    } else {
        QTest::mouseClick(hint, click);
    }
    QCOMPARE(window->resultField()->text(), wrapped);
    QCOMPARE(hint->text(), u"dont forget the   seta name \"\""_s);
    auto *status = window->findChild<ColourLabel *>(u"Label6"_s);
    QCOMPARE(status->text(), wrapped == field
                                 ? QString()
                                 : u"wrapped into seta name \"…\": Ctrl+Z takes it back"_s);
    window->resultField()->setFocus();
    QTest::keyClick(window->resultField(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->resultField()->text(), field);
    QCOMPARE(status->text(), QString());
}

void TestResultWindow::theFileIsChosenInADialog_data()
{
    QTest::addColumn<QString>("typed");      // in the folder the test makes, which holds "a"
    QTest::addColumn<bool>("byKey");         // F4 in the path field, else the folder button
    QTest::addColumn<QString>("chosen");     // empty: cancelled
    QTest::addColumn<QString>("startsIn");   // empty: the documents folder, else the home folder
    QTest::addColumn<QString>("afterwards"); // in the path field; empty: as it was
    QTest::newRow("chosen, starting in the path's folder")
        << u"a/old.cfg"_s << false << u"a/new.cfg"_s << u"a"_s << u"a/new.cfg"_s;
    QTest::newRow("F4, cancelled") << u"a/old.cfg"_s << true << QString() << u"a"_s << QString();
    QTest::newRow("a path in a missing folder")
        << u"b/old.cfg"_s << true << u"a/new.cfg"_s << QString() << u"a/new.cfg"_s;
    QTest::newRow("a name without a suffix gets .cfg")
        << u"a/old.cfg"_s << false << u"a/new"_s << u"a"_s << u"a/new.cfg"_s;
}

void TestResultWindow::theFileIsChosenInADialog()
{
    QFETCH(QString, typed);
    QFETCH(bool, byKey);
    QFETCH(QString, chosen);
    QFETCH(QString, startsIn);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(u"a"_s);
    Form2 *window = createName(m_form);
    LineField *path = window->pathField();
    const QString before = QDir::toNativeSeparators(folder.filePath(typed));
    path->setText(before);

    QString shownFolder;
    QStringList filters;
    bool asksToReplace = true;
    QTimer answer;
    answer.callOnTimeout([&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        shownFolder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        asksToReplace = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        // Typed into the dialog's file name field, as a player may.
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(folder.filePath(chosen));
        chosen.isEmpty() ? dialog->reject() : static_cast<QDialog *>(dialog)->accept();
    });
    answer.start(10);
    if (byKey) {
        path->setFocus();
        QTest::keyClick(path, Qt::Key_F4);
    } else {
        QTest::mouseClick(path->findChild<QToolButton *>(u"ChooseFile"_s), Qt::LeftButton);
    }
    QTRY_VERIFY(!answer.isActive());

#ifdef Q_OS_WIN
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
    const QString documents = m_home.path(); // which has no documents folder
#endif
    QCOMPARE(shownFolder, startsIn.isEmpty() ? documents : folder.filePath(startsIn));
    QCOMPARE(filters, QStringList({u"Name files (*.cfg)"_s, u"All files (*)"_s}));
    QVERIFY(!asksToReplace);
    QFETCH(QString, afterwards);
    QCOMPARE(path->text(),
             afterwards.isEmpty() ? before : QDir::toNativeSeparators(folder.filePath(afterwards)));
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
    QTest::addColumn<QByteArray>("before");      // the file at the path already; null: none
    QTest::addColumn<QByteArray>("firstLine");   // null: the file stays as it was
    QTest::addColumn<QMessageBox::Icon>("icon"); // of the one message; none: no message
    QTest::addColumn<QString>("said");           // in the message
    QTest::addColumn<QString>("status");         // the status line's, afterwards

    const QString toType = u"written: copy it to base\\mp, then type: exec prismark"_s;
    QTest::newRow("seta name command, nothing lost: no notice")
        << u"seta name \"^1Zoë €\""_s << QByteArray() << QByteArray("seta name \"^1Zo\xEB \x80\"")
        << QMessageBox::NoIcon << QString() << toType;
    QTest::newRow("Cyrillic and an emoji: noticed after the write")
        << u"^1Жук😀"_s << QByteArray() << QByteArray("^1????") << QMessageBox::Information
        << u"\n\nЖ (U+0416), у (U+0443), к (U+043A), 😀 (U+1F600)\n\n"_s << toType;
    QTest::newRow("over a name file: replaced without a question")
        << u"^1XYZ"_s << QByteArray("old\r\n//pmk.example.org//\r\n//09:00:00  01-01-2002//\r\n")
        << QByteArray("^1XYZ") << QMessageBox::NoIcon << QString() << toType;
    QTest::newRow("over another file: asked, and Enter answers No, which keeps it")
        << u"^1XYZ"_s << QByteArray("seta cl_maxpackets 30\r\nseta rate 25000\r\n") << QByteArray()
        << QMessageBox::Question << u"is not a Prismark name file"_s << QString();
}

void TestResultWindow::copyWritesTheNameFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, firstLine);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"prismark.cfg"_s);
    if (!before.isNull())
        writeAll(path, before);
    Form2 *window = createName(m_form);
    const FixedClock clock;
    window->setClock(clock);
    window->resultField()->setText(name);
    window->pathField()->setText(path);

    QByteArray whileShown;
    MessageBoxAnswerer message([&](QMessageBox *box) {
        whileShown = readAll(path);
        QTest::keyClick(box, Qt::Key_Return); // the default button
    });
    QTest::mouseClick(button(window, "Command1"), Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(readAll(path), firstLine.isNull() ? before : firstLine + "\r\n" + EndingAt140509);
    QCOMPARE(message.icon(), icon);
    QVERIFY2(message.text().contains(said), qPrintable(message.text()));
    if (message.answered())
        QCOMPARE(whileShown, readAll(path)); // complete before a notice, untouched while asked
    QCOMPARE(window->pathField()->text(), path);
    QCOMPARE(window->resultField()->text(), name);
    QTEST(window->findChild<QLabel *>(u"Label6"_s)->text(), "status");
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
