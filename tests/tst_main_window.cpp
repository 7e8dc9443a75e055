#include "common/fonts.h"
#include "common/line_field.h"
#include "main_window/form1.h"
#include "palette/palette.h"
#include "result_window/form2.h"
#include "test_support.h"
#include "window_tables.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestMainWindow : public MainWindowTest
{
    Q_OBJECT

private slots:
    void windowAtStart();
    void everyListAtStart();
    void rowsAtTheirPlaces_data();
    void rowsAtTheirPlaces();
    void rowFontsAreFixedPitch();
    void facesFallBackToLookAlikes_data();
    void facesFallBackToLookAlikes();
    void focusStartsInFirstListWithPromptSelected();
    void tabOrder();
    void toolTips_data();
    void toolTips();
    void typedListTextIsKeptExactly_data();
    void typedListTextIsKeptExactly();
    void enterAndEscapeDoNothing_data();
    void enterAndEscapeDoNothing();
    void resizingMovesNothing();
    void textsReadOnTheirFaces_data();
    void textsReadOnTheirFaces();
};

void TestMainWindow::windowAtStart()
{
    QCOMPARE(m_form->windowTitle(), u"Soldier of Fortune 2 Double Helix - Prismark"_s);
    QCOMPARE(m_form->size(), QSize(612, 426));
    QVERIFY(!m_form->windowIcon().isNull());
    // The whole frame is centred.
    const QPoint offCentre = m_form->frameGeometry().center() -
                             QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
             qPrintable(u"%1,%2"_s.arg(offCentre.x()).arg(offCentre.y())));

    auto *timer = m_form->findChild<QTimer *>(u"Timer1"_s);
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
    QVERIFY(!existingResultWindow());
    QCOMPARE(button(m_form, "Command1")->text(), u"create name"_s);
    QCOMPARE(button(m_form, "Command2")->text(), u"bye"_s);
}

void TestMainWindow::everyListAtStart()
{
    for (int row = 1; row <= 10; ++row) {
        QComboBox *list = colourList(m_form, row);
        QCOMPARE(list->objectName(), u"Combo%1"_s.arg(row));
        QCOMPARE(list->count(), 26);
        for (int i = 0; i < 26; ++i)
            QCOMPARE(list->itemText(i), Expected::str(Expected::Palette[i].listLabel));
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->currentText(), u"- select a color -"_s);
        QCOMPARE(partText(m_form, row)->objectName(), u"Text%1"_s.arg(row));
        QVERIFY(partText(m_form, row)->text().isEmpty());
    }
}

void TestMainWindow::rowsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    // The rows' tops in twips, 15 to a pixel.
    const int tops[] = {1920, 2280, 2640, 3000, 3360, 3720, 4080, 4440, 4800, 5160};
    for (int row = 1; row <= 10; ++row) {
        const int top = tops[row - 1] / 15;
        QTest::addRow("list %d", row)
            << u"Combo%1"_s.arg(row) << QRect(224, top, 185, 19) << QString();
        QTest::addRow("field %d", row)
            << u"Text%1"_s.arg(row) << QRect(480, top, 105, 19) << QString();
        QTest::addRow("part caption %d", row)
            << u"Label%1"_s.arg(row) << QRect(432, top, 41, 17) << u"part%1"_s.arg(row);
        QTest::addRow("colour caption %d", row)
            << u"Label%1"_s.arg(row + 10) << QRect(176, top, 41, 17) << u"color"_s;
    }
    QTest::newRow("bye") << u"Command2"_s << QRect(392, 392, 81, 19) << u"bye"_s;
    QTest::newRow("create name") << u"Command1"_s << QRect(512, 392, 81, 19) << u"create name"_s;
}

void TestMainWindow::rowsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (!text.isEmpty())
        QCOMPARE(widget->property("text").toString(), text);
}

void TestMainWindow::facesFallBackToLookAlikes_data()
{
    QTest::addColumn<QFont>("font");
    QTest::newRow("fixed pitch") << Fonts::lucidaConsole(8.25);
    QTest::newRow("sans serif") << Fonts::microsoftSansSerif(8.25);
}

// Whatever the system has, the face drawn is the wanted one or one of its look-alikes, never
// the platform's default serif.
void TestMainWindow::facesFallBackToLookAlikes()
{
    QFETCH(QFont, font);
    const QString drawn = QFontInfo(font).family();
    QVERIFY2(font.families().contains(drawn), qPrintable(drawn));
}

void TestMainWindow::rowFontsAreFixedPitch()
{
    for (const char *name : {"Combo1", "Text7", "Label3", "Label14"}) {
        auto *widget = m_form->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(QFontInfo(widget->font()).fixedPitch(), name);
        QCOMPARE(widget->font().pointSizeF(), 8.25);
    }
}

void TestMainWindow::focusStartsInFirstListWithPromptSelected()
{
    QComboBox *first = colourList(m_form, 1);
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QCOMPARE(first->lineEdit()->selectedText(), u"- select a color -"_s);

    // Typing straight away replaces the prompt.
    QTest::keyClicks(QApplication::focusWidget(), u"05 cyan"_s);
    QCOMPARE(first->currentText(), u"05 cyan"_s);
}

void TestMainWindow::tabOrder()
{
    QStringList expected;
    for (int i = 2; i <= 10; ++i)
        expected << u"Combo%1"_s.arg(i);
    for (int i = 1; i <= 10; ++i)
        expected << u"Text%1"_s.arg(i);
    expected << u"Command1"_s << u"Command2"_s << u"Combo1"_s;

    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        // A list's edit field takes the focus on the list's behalf.
        if (qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        visited << focus->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("Text1") << u"Text1"_s << u"example: XYZ (for clan name)"_s;
    QTest::newRow("Text2") << u"Text2"_s << u"example: YourNameHere (for your name)"_s;
    QTest::newRow("Text3") << u"Text3"_s
                           << u"leave blank if you don't need the rest of the fields"_s;
    QTest::newRow("Text4") << u"Text4"_s << QString();
    QTest::newRow("Text10") << u"Text10"_s << QString();
    QTest::newRow("Combo1") << u"Combo1"_s << QString();
    QTest::newRow("Label1") << u"Label1"_s << QString();
}

void TestMainWindow::toolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QCOMPARE(m_form->findChild<QWidget *>(name)->toolTip(), toolTip);
}

void TestMainWindow::typedListTextIsKeptExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("label in other case is not completed") << u"01 R"_s;
    QTest::newRow("start of a label is not completed") << u"2"_s;
    QTest::newRow("exact label") << u"21 whitepink"_s;
    QTest::newRow("unknown text") << u"my colour"_s;
}

void TestMainWindow::typedListTextIsKeptExactly()
{
    QFETCH(QString, typed);
    QComboBox *list = colourList(m_form, 1);
    QLineEdit *edit = list->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QCOMPARE(list->currentText(), typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(list->currentText(), typed);
    QCOMPARE(list->count(), 26);
}

void TestMainWindow::enterAndEscapeDoNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QList<bool>>("creates"); // a name, on Return, keypad Enter and Esc
    QTest::newRow("in a list") << u"Combo1"_s << QList{false, false, false};
    QTest::newRow("in a part field") << u"Text1"_s << QList{false, false, false};
    QTest::newRow("on create name, which Enter presses")
        << u"Command1"_s << QList{true, true, false};
}

void TestMainWindow::enterAndEscapeDoNothing()
{
    QFETCH(QString, focus);
    auto *widget = m_form->findChild<QWidget *>(focus);
    widget->setFocus();
    QWidget *target = QApplication::focusWidget();
    QList<bool> created;
    for (const auto &[key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                        {Qt::Key_Enter, Qt::KeypadModifier},
                                        {Qt::Key_Escape, Qt::NoModifier}}) {
        QTest::keyClick(target, key, modifier);
        created << (existingResultWindow() != nullptr);
        delete existingResultWindow();
    }
    QVERIFY(m_form->isVisible());
    QTEST(created, "creates");
}

void TestMainWindow::resizingMovesNothing()
{
    const QRect before = colourList(m_form, 5)->geometry();
    m_form->resize(1400, 1000);
    QCOMPARE(colourList(m_form, 5)->geometry(), before);
    QCOMPARE(button(m_form, "Command1")->geometry(), QRect(512, 392, 81, 19));
}

namespace {

// A system palette like Windows' High Contrast Black or White.
QPalette highContrast(bool black)
{
    const QColor ink = black ? Qt::white : Qt::black, paper = black ? Qt::black : Qt::white;
    QPalette palette(ink, paper, Qt::gray, Qt::gray, Qt::gray, ink, ink, paper, paper);
    palette.setColor(QPalette::Highlight, black ? QColor(26, 235, 255) : QColor(55, 0, 110));
    palette.setColor(QPalette::HighlightedText, paper);
    return palette;
}

QColor mostCommonColour(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
}

} // namespace

void TestMainWindow::textsReadOnTheirFaces_data()
{
    QTest::addColumn<QString>("control"); // on the main window, or after "result/" the result's
    QTest::addColumn<QPalette>("system");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("ink"); // invalid: whichever reads on the platform's own

    // Buttons: a flat face in the highlight colour, and a caption in black or white.
    const QColor black(0, 0, 0), white(255, 255, 255);
    const std::tuple<const char *, QColor, QColor> highlights[] = {
        {"the platform's highlight", QGuiApplication::palette().color(QPalette::Highlight),
         QColor()},
        {"Windows 10 blue", QColor(0, 120, 215), black},
        {"light blue", QColor(153, 201, 239), black},
        {"navy", QColor(0, 0, 128), white},
    };
    for (const auto &[name, highlight, ink] : highlights) {
        QPalette system = QGuiApplication::palette();
        system.setColor(QPalette::Highlight, highlight);
        for (const char *button : {"Command1", "Command2", "result/Command1"})
            QTest::addRow("%s on %s", button, name)
                << QString::fromLatin1(button) << system << highlight << ink;
    }
    // Fields and lists: the system's window-text colour on its window colour, in a dark and a
    // light scheme alike.
    for (const bool black : {true, false}) {
        const QPalette system = highContrast(black);
        for (const char *field : {"Text1", "Combo2", "result/Text1", "result/path"})
            QTest::addRow("%s in High Contrast %s", field, black ? "Black" : "White")
                << QString::fromLatin1(field) << system << system.color(QPalette::Base)
                << system.color(QPalette::Text);
    }
}

// The text on each control stands out from its face by 4.5:1 or more.
void TestMainWindow::textsReadOnTheirFaces()
{
    QFETCH(QString, control);
    QFETCH(QPalette, system);
    QFETCH(QColor, face);
    QFETCH(QColor, ink);
    const QPalette before = QGuiApplication::palette();
    QGuiApplication::setPalette(system);
    const auto restore = qScopeGuard([&] { QGuiApplication::setPalette(before); });
    QCoreApplication::processEvents(); // the windows take the new colours
    partText(m_form, 1)->setText(u"XYZ"_s);
    QWidget *window = m_form;
    if (control.startsWith(u"result/")) {
        Form2 *result = createName(m_form);
        result->resultField()->setText(u"^1XYZ^7Name"_s);
        window = result;
        control.remove(u"result/"_s);
    }
    QWidget *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    // A field's text area, inside its frame; a list's edit field.
    QRect area = widget->rect();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        widget = list->lineEdit(), area = widget->rect();
    else if (qobject_cast<QLineEdit *>(widget))
        area = widget->rect().adjusted(3, 3, -3, -3);
    const QImage image = widget->grab(area).toImage();

    const QColor drawnFace = mostCommonColour(image);
    QCOMPARE(drawnFace, face);
    // The text's own colour is the pixel that stands out most from the face.
    QColor drawn = drawnFace;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (contrastRatio(image.pixelColor(x, y), drawnFace) > contrastRatio(drawn, drawnFace))
                drawn = image.pixelColor(x, y);
    // Within a step or two of the expected colour, where smoothing leaves no pixel quite at it.
    if (ink.isValid())
        QVERIFY2(std::max({std::abs(drawn.red() - ink.red()), std::abs(drawn.green() - ink.green()),
                           std::abs(drawn.blue() - ink.blue())}) <= 2,
                 qPrintable(drawn.name()));
    QVERIFY2(contrastRatio(drawn, drawnFace) >= 4.5,
             qPrintable(QString::number(contrastRatio(drawn, drawnFace))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
