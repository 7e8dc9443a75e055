#include "common/colour_label.h"
#include "common/line_field.h"
#include "main_window/form1.h"
#include "palette/colour_value.h"
#include "result_window/form2.h"
#include "test_support.h"
#include "window_tables.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

using Colours = QList<uint>;

constexpr uint Red = 0x000000FF, Default = 0x80000012;
const QRect PreviewArea(8, 128, 369, 25);
const QRgb Background = qRgb(42, 44, 64);

Colours labelColours(Form2 *window)
{
    Colours colours;
    for (int layer = 1; layer <= 10; ++layer)
        colours << window->previewLabel(layer)->foreColour();
    return colours;
}

Colours repeated(std::initializer_list<uint> first, uint rest)
{
    Colours colours(first);
    while (colours.size() < 10)
        colours << rest;
    return colours;
}

} // namespace

class TestPreview : public MainWindowTest
{
    Q_OBJECT

private slots:
    void everyColourPreviewsInItsColour_data();
    void everyColourPreviewsInItsColour();
    void editsWaitForTheNextClick();
    void byeWithARefreshPendingEndsCleanly();
    void colours_data();
    void colours();
    void captionsAccumulate();
    void twoClicksBeforeTheTickGiveOneRefreshOfTheLatestRows();
    void noRefreshOnceTheMainWindowIsGone();
    void refreshAfterTheResultWindowClosedFillsAHiddenOne();
    void eachPartShowsInItsOwnColour_data();
    void eachPartShowsInItsOwnColour();
    void aLongCaptionKeepsTheLeadingPartInPlace();
};

void TestPreview::everyColourPreviewsInItsColour_data()
{
    QTest::addColumn<QString>("listLabel");
    QTest::addColumn<uint>("colour");
    for (const Expected::PaletteRow &row : Expected::Palette)
        QTest::newRow(qPrintable(Expected::str(row.listLabel)))
            << Expected::str(row.listLabel) << row.previewColour;
}

void TestPreview::everyColourPreviewsInItsColour()
{
    QFETCH(QString, listLabel);
    QFETCH(uint, colour);
    setRows(m_form, {{1, u"A"_s, u"07 white"_s}, {2, u"B"_s, listLabel}});
    Form2 *window = createName(m_form);
    QCOMPARE(window->previewLabel(2)->foreColour(), colour);
    QCOMPARE(window->previewLabel(1)->foreColour(), White);
}

// What the user changes after "create name" shows only after the next click.
void TestPreview::editsWaitForTheNextClick()
{
    setRow(m_form, 1, u"XYZ"_s, u"01 red"_s);
    Form2 *window = createName(m_form);
    setRow(m_form, 1, u"ABC"_s, u"03 yellow"_s);
    QTest::qWait(20);
    QCOMPARE(window->resultField()->text(), u"^1XYZ"_s);
    QCOMPARE(window->previewLabel(1)->text(), u"XYZ"_s);
    QCOMPARE(window->previewLabel(1)->foreColour(), Red);
    createName(m_form);
    QCOMPARE(window->resultField()->text(), u"^3ABC"_s);
    QCOMPARE(window->previewLabel(1)->text(), u"ABC"_s);
    QCOMPARE(window->previewLabel(1)->foreColour(), 0x0000FFFFu);
}

void TestPreview::byeWithARefreshPendingEndsCleanly()
{
    setRow(m_form, 1, u"A"_s, u"01 red"_s);
    // Both clicks before any event is handled: the refresh is still pending at "bye".
    button(m_form, "Command1")->click();
    QPointer<Form2> window = existingResultWindow();
    QPointer<Form1> main = m_form;
    QTimer::singleShot(0, [main] { button(main, "Command2")->click(); });
    QCOMPARE(runProgram(), 0);
    QTest::qWait(20);
    QVERIFY(!main);
    QVERIFY(!window);
    QVERIFY(!existingResultWindow()); // no late tick made another one
}

void TestPreview::colours_data()
{
    QTest::addColumn<Rows>("earlier"); // rows of an earlier refresh, if any
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Colours>("expected");

    const QString prompt = u"- select a color -"_s;
    QTest::newRow("untouched rows are white") << Rows{} << Rows{} << repeated({}, White);
    QTest::newRow("a run without colour takes the colour before it")
        << Rows{} << Rows{{1, u"AB"_s, u"01 red"_s}, {2, u"CD"_s, prompt}, {3, u"EF"_s, u""_s}}
        << repeated({}, Red);
    QTest::newRow("part 1 without colour turns white again")
        << Rows{{1, u"A"_s, u"01 red"_s}} << Rows{{1, u"A"_s, prompt}} << repeated({}, White);
    QTest::newRow("an empty but coloured part passes its colour on")
        << Rows{}
        << Rows{{1, u"A"_s, u"01 red"_s}, {2, {}, u"04 midnightblue"_s}, {3, u"XY"_s, prompt}}
        << repeated({Red}, 0x00FF0000);
    QTest::newRow("the system colour passes on unchanged")
        << Rows{} << Rows{{4, u"D"_s, u"10 dodgerblue"_s}, {5, u"E"_s, prompt}}
        << repeated({White, White, White}, 0x80000001);
    QTest::newRow("unmatched on the first refresh keeps the label default")
        << Rows{} << Rows{{1, u"A"_s, u"01 Red"_s}, {2, u"B"_s, prompt}}
        << repeated({Default, Default}, Default);
    QTest::newRow("unmatched keeps the earlier refresh's colour")
        << Rows{{3, u"C"_s, u"05 cyan"_s}} << Rows{{3, u"C"_s, u"abc"_s}, {4, u"D"_s, prompt}}
        << repeated({White, White}, 0x00FFFF00);
    QTest::newRow("unmatched in part 1 is not white")
        << Rows{{1, u"A"_s, u"06 pink"_s}} << Rows{{1, u"A"_s, u"red"_s}}
        << repeated({}, 0x00FF00FF);
    QTest::newRow("two entries with one preview colour")
        << Rows{} << Rows{{1, u"M"_s, u"18 magenta"_s}, {2, u"P"_s, u"22 purple"_s}}
        << repeated({0x00400040, 0x00400040}, 0x00400040);
}

void TestPreview::colours()
{
    QFETCH(Rows, earlier);
    QFETCH(Rows, rows);
    QFETCH(Colours, expected);
    if (!earlier.isEmpty()) {
        setRows(m_form, earlier);
        createName(m_form);
    }
    setRows(m_form, rows);
    QCOMPARE(labelColours(createName(m_form)), expected);
}

void TestPreview::captionsAccumulate()
{
    const QStringList texts{u"a"_s, {},     u"^1c"_s, u" d "_s, u"<b>"_s,
                            u"f"_s, u"g"_s, u"&h"_s,  u"i"_s,   u"j"_s};
    for (int row = 1; row <= 10; ++row)
        partText(m_form, row)->setText(texts[row - 1]);
    Form2 *window = createName(m_form);
    QString expected;
    for (int layer = 1; layer <= 10; ++layer) {
        expected += texts[layer - 1];
        QCOMPARE(window->previewLabel(layer)->text(), expected);
    }
}

void TestPreview::twoClicksBeforeTheTickGiveOneRefreshOfTheLatestRows()
{
    auto *timer = m_form->findChild<QTimer *>(u"Timer1"_s);
    QSignalSpy ticks(timer, &QTimer::timeout);
    setRow(m_form, 1, u"one"_s, u"01 red"_s);
    // Clicked programmatically, so that no event is handled between the clicks.
    button(m_form, "Command1")->click();
    button(m_form, "Command1")->click();
    setRow(m_form, 1, u"two"_s, u"03 yellow"_s);
    QCOMPARE(ticks.size(), 0);
    QTRY_VERIFY(!timer->isActive());
    QTest::qWait(20);
    QCOMPARE(ticks.size(), 1);
    ColourLabel *x1 = existingResultWindow()->previewLabel(1);
    QCOMPARE(x1->text(), u"two"_s);
    QCOMPARE(x1->foreColour(), 0x0000FFFFu);
}

void TestPreview::noRefreshOnceTheMainWindowIsGone()
{
    setRow(m_form, 1, u"A"_s, u"01 red"_s);
    QTest::mouseClick(button(m_form, "Command1"), Qt::LeftButton);
    QPointer<Form2> window = existingResultWindow();
    QPointer<Form1> main = m_form;
    QPointer<QTimer> timer = main->findChild<QTimer *>(u"Timer1"_s);
    main->close(); // the window deletes itself, and its timer with it
    // Stopped by the close itself: where closing handles timer events (Windows), a tick would
    // come before the window is deleted.
    QVERIFY(!timer || !timer->isActive());
    QTRY_VERIFY(!main);
    QTest::qWait(20);
    QVERIFY(window);
    QVERIFY(window->previewLabel(1)->text().isEmpty());
}

void TestPreview::refreshAfterTheResultWindowClosedFillsAHiddenOne()
{
    setRow(m_form, 1, u"A"_s, u"01 red"_s);
    QTest::mouseClick(button(m_form, "Command1"), Qt::LeftButton);
    QPointer<Form2> shown = existingResultWindow();
    // The tick is held until the window is gone: on Windows, closing a window handles timer
    // events, and a tick during the close would fill the closing window instead.
    auto *timer = m_form->findChild<QTimer *>(u"Timer1"_s);
    timer->stop();
    shown->close();
    QTRY_VERIFY(!shown);
    timer->start();
    QTRY_VERIFY(!timer->isActive());
    Form2 *hidden = existingResultWindow();
    QVERIFY(hidden);
    QVERIFY(!hidden->isVisible());
    QCOMPARE(hidden->previewLabel(1)->text(), u"A"_s);
    QCOMPARE(hidden->previewLabel(1)->foreColour(), Red);

    // Nobody sees that window, so it keeps nothing alive: closing the main window ends the
    // program's event loop, and the hidden window goes with it.
    QTimer::singleShot(0, m_form, &QWidget::close);
    QCOMPARE(runProgram(), 0);
    QVERIFY(!existingResultWindow());
}

void TestPreview::eachPartShowsInItsOwnColour_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QList<QRgb>>("cellColours"); // the colour of each character cell

    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
    const QString prompt = u"- select a color -"_s;
    QTest::newRow("red tag, white name")
        << Rows{{1, u"XYZ"_s, u"01 red"_s}, {2, u"Name"_s, u"07 white"_s}}
        << QList<QRgb>{red, red, red, white, white, white, white};
    QTest::newRow("inherited colour") << Rows{{1, u"XYZ"_s, u"01 red"_s}, {2, u"Name"_s, prompt}}
                                      << QList<QRgb>{red, red, red, red, red, red, red};
    QTest::newRow("dodgerblue between two others")
        << Rows{{1, u"AB"_s, u"07 white"_s},
                {2, u"CD"_s, u"10 dodgerblue"_s},
                {3, u"EF"_s, u"01 red"_s}}
        << QList<QRgb>{white, white, qRgb(30, 144, 255), qRgb(30, 144, 255), red, red};
    QTest::newRow("same text twice, two colours")
        << Rows{{1, u"MM"_s, u"13 limegreen"_s}, {2, u"MM"_s, u"04 midnightblue"_s}}
        << QList<QRgb>{qRgb(0, 255, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)};
}

// In the rendered window every pixel of a character cell is the background or that part's
// colour, and every cell has ink; nothing else appears in the preview area. A glyph may reach a
// pixel into its neighbour's cell, so a pixel on a cell boundary may take either colour.
void TestPreview::eachPartShowsInItsOwnColour()
{
    QFETCH(Rows, rows);
    QFETCH(QList<QRgb>, cellColours);
    setRows(m_form, rows);
    Form2 *window = createName(m_form);
    const QImage image = render(window);
    const QFontMetricsF metrics(window->previewLabel(1)->font());
    const qreal cell = metrics.horizontalAdvance(u'M');

    QList<int> ink(cellColours.size(), 0);
    for (int y = PreviewArea.top(); y <= PreviewArea.bottom(); ++y) {
        for (int x = PreviewArea.left(); x <= PreviewArea.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == Background)
                continue;
            const qreal at = (x - PreviewArea.left() + 0.5) / cell;
            const int nearest = int(at);
            QVERIFY2(nearest <= cellColours.size(),
                     qPrintable(u"ink beyond the name at %1,%2"_s.arg(x).arg(y)));
            auto colourOf = [&](int i) {
                return i >= 0 && i < cellColours.size() ? cellColours[i] : 0u;
            };
            const bool onBoundary = at - nearest < 1.0 / cell || nearest + 1 - at < 1.0 / cell;
            const bool matches =
                pixel == colourOf(nearest) ||
                (onBoundary && (pixel == colourOf(nearest - 1) || pixel == colourOf(nearest + 1)));
            QVERIFY2(matches,
                     qPrintable(u"cell %1, pixel %2,%3 is %4"_s.arg(nearest).arg(x).arg(y).arg(
                         pixel & 0xFFFFFF, 6, 16, QChar(u'0'))));
            if (nearest < ink.size() && pixel == colourOf(nearest))
                ++ink[nearest];
        }
    }
    for (int at = 0; at < ink.size(); ++at)
        QVERIFY2(ink[at] > 0, qPrintable(u"cell %1 has no ink"_s.arg(at)));
}

// A part far wider than the label neither moves nor hides what comes before it, and it is cut at
// the label's right edge on the same line.
void TestPreview::aLongCaptionKeepsTheLeadingPartInPlace()
{
    setRow(m_form, 1, u"AB"_s, u"01 red"_s);
    Form2 *window = createName(m_form);
    const QImage shortName = render(window).copy(PreviewArea);

    setRow(m_form, 2, QString(100000, u'|'), u"07 white"_s);
    createName(m_form);
    const QImage longName = render(window).copy(PreviewArea);
    const int twoCells =
        int(2 * QFontMetricsF(window->previewLabel(1)->font()).horizontalAdvance(u'M'));
    const QRect leadingPart(0, 0, twoCells, PreviewArea.height());
    QCOMPARE(longName.copy(leadingPart), shortName.copy(leadingPart));
    const QRect rightEdge(PreviewArea.width() - 12, 0, 12, PreviewArea.height());
    QVERIFY(countPixels(longName, rightEdge, qRgb(255, 255, 255)) > 0);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
