#include "common/colour_label.h"
#include "common/picture_box.h"
#include "main_window/form1.h"
#include "test_support.h"
#include "window_tables.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QRgb Slate = qRgb(42, 44, 64);
const QRgb LineGrey = qRgb(200, 200, 200);

QRgb rgbOf(unsigned int value) // 0x00BBGGRR
{
    return qRgb(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

} // namespace

class TestDecoration : public MainWindowTest
{
    Q_OBJECT

private slots:
    void legendCells_data();
    void legendCells();
    void creditLabels_data();
    void creditLabels();
    void backgroundAndLines_data();
    void backgroundAndLines();
    void whiteBeyondTheBackgroundPicture_data();
    void whiteBeyondTheBackgroundPicture();
    void toolTips_data();
    void toolTips();
    void stackingOrder();
    void picturesAndIcon();
};

void TestDecoration::legendCells_data()
{
    QTest::addColumn<int>("cell");
    for (int cell = 1; cell <= 26; ++cell)
        QTest::addRow("cell %d", cell) << cell;
}

// The cell's swatch and number in their places, its tool tip, and a number in black or
// white that reads on its swatch.
void TestDecoration::legendCells()
{
    QFETCH(int, cell);
    const Expected::LegendRow &row = Expected::Legend[cell - 1];
    const QPoint origin(row.left / 15, row.top / 15);
    auto *swatch = m_form->findChild<PictureBox *>(u"Image%1"_s.arg(cell + 2));
    auto *number = m_form->findChild<ColourLabel *>(u"Label%1"_s.arg(cell + 20));
    QVERIFY(swatch && number);
    QCOMPARE(swatch->fillColour(), row.swatchColour);
    QCOMPARE(swatch->geometry(), QRect(origin, QSize(15, 15)));
    QCOMPARE(number->geometry(), QRect(origin, QSize(17, 17)));
    QCOMPARE(number->text(), QString::number(cell));
    QCOMPARE(number->toolTip(), Expected::str(row.toolTip));
    QCOMPARE(number->foreColour(), row.numberColour);

    // The swatch shows its colour wherever its number leaves it uncovered, and ends where the
    // number label reaches two pixels further.
    const QImage image = render(m_form);
    const QRect swatchPixels(origin, QSize(15, 15));
    const QRgb colour = rgbOf(row.swatchColour);
    QVERIFY(countPixels(image, swatchPixels, colour) >= 120);
    QCOMPARE(image.pixel(origin + QPoint(14, 14)), colour);
    QCOMPARE(image.pixel(origin + QPoint(18, 18)), Slate);
    // The glyphs are smoothed: count the pixels that come close to the number's colour.
    const QRgb ink = rgbOf(row.numberColour);
    const int inked = countPixels(image, swatchPixels, [ink](QRgb pixel) {
        return std::max({std::abs(qRed(pixel) - qRed(ink)), std::abs(qGreen(pixel) - qGreen(ink)),
                         std::abs(qBlue(pixel) - qBlue(ink))}) <= 64;
    });
    QVERIFY2(inked >= 3, qPrintable(QString::number(inked)));
}

void TestDecoration::creditLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // in pixels: the places in twips, 15 to a pixel
    QTest::addColumn<QString>("caption");
    QTest::newRow("credit line") << u"Label47"_s << QRect(24, 392, 161, 17)
                                 << u"by the Prismark Crew"_s;
    QTest::newRow("web address") << u"Label48"_s << QRect(208, 392, 121, 17)
                                 << u"pmk.example.org"_s;
}

void TestDecoration::creditLabels()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    auto *label = m_form->findChild<ColourLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->text(), caption);
    const QString drawn = QFontInfo(label->font()).family();
    QVERIFY2(
        QStringList({u"Lucida Console"_s, u"Courier New"_s, u"DejaVu Sans Mono"_s}).contains(drawn),
        qPrintable(drawn));
    QCOMPARE(label->font().pointSizeF(), 8.25);
    QCOMPARE(label->foreColour(), 0x80000012u);
}

void TestDecoration::backgroundAndLines_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("background, top left") << QPoint(2, 2) << Slate;
    QTest::newRow("background, bottom left") << QPoint(4, 420) << Slate;
    QTest::newRow("background between the rows") << QPoint(300, 122) << Slate;
    QTest::newRow("frame left, top end") << QPoint(16, 128) << LineGrey;
    QTest::newRow("frame left, bottom end") << QPoint(16, 320) << LineGrey;
    QTest::newRow("frame right") << QPoint(136, 200) << LineGrey;
    QTest::newRow("frame top") << QPoint(24, 128) << LineGrey;
    QTest::newRow("frame top, right end") << QPoint(128, 128) << LineGrey;
    QTest::newRow("frame bottom") << QPoint(80, 320) << LineGrey;
    QTest::newRow("open corner, top left") << QPoint(20, 128) << Slate;
    QTest::newRow("open corner, bottom right") << QPoint(132, 320) << Slate;
    QTest::newRow("separator, left end") << QPoint(8, 384) << LineGrey;
    QTest::newRow("separator, right end") << QPoint(592, 384) << LineGrey;
    QTest::newRow("beside the separator") << QPoint(597, 384) << Slate;
    QTest::newRow("lines are one pixel wide") << QPoint(17, 200) << Slate;
}

void TestDecoration::backgroundAndLines()
{
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);
    QCOMPARE(render(m_form).pixel(at), colour);
}

void TestDecoration::whiteBeyondTheBackgroundPicture_data()
{
    QTest::addColumn<bool>("systemColoursChanged");
    QTest::newRow("as the window opens") << false;
    QTest::newRow("after the system's colours changed") << true;
}

void TestDecoration::whiteBeyondTheBackgroundPicture()
{
    QFETCH(bool, systemColoursChanged);
    if (systemColoursChanged) {
        // What a change of the system's colours does: the class palettes fall back to the
        // application's, and then every window hears of it.
        QApplication::setPalette(QGuiApplication::palette(), "Form1");
        QEvent change(QEvent::ApplicationPaletteChange);
        QCoreApplication::sendEvent(m_form, &change);
    }
    const QSize before = m_form->size();
    m_form->resize(1200, 900);
    const QImage image = render(m_form);
    m_form->resize(before);
    QCOMPARE(image.pixel(1079, 827), Slate);
    QCOMPARE(image.pixel(1080, 100), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(100, 828), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(1199, 899), qRgb(255, 255, 255));
}

void TestDecoration::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    // The legend cells' tool tips are checked with each cell.
    QTest::newRow("small logo") << u"Image29"_s << u"Version 1.01a"_s;
    QTest::newRow("large logo") << u"Image1"_s << QString();
    QTest::newRow("a swatch itself") << u"Image3"_s << QString();
    QTest::newRow("web address") << u"Label48"_s << QString();
    QTest::newRow("credit line") << u"Label47"_s << u"crew@pmk.example.org"_s;
}

void TestDecoration::toolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), toolTip);
}

// Later children are drawn over earlier ones: back to front, the background, the large logo,
// the row labels, the legend, the lines, the credits, the small logo, then the controls.
void TestDecoration::stackingOrder()
{
    QStringList backToFront{u"Image2"_s, u"Image1"_s};
    for (int i = 1; i <= 20; ++i)
        backToFront << u"Label%1"_s.arg(i);
    for (int cell = 1; cell <= 26; ++cell)
        backToFront << u"Image%1"_s.arg(cell + 2) << u"Label%1"_s.arg(cell + 20);
    backToFront << u"Line1"_s << u"Line2"_s << u"Line3"_s << u"Line4"_s << u"Line5"_s
                << u"Label47"_s << u"Label48"_s << u"Image29"_s << u"Combo1"_s << u"Text1"_s
                << u"Command1"_s;
    QStringList actual;
    for (QObject *child : m_form->children()) {
        if (backToFront.contains(child->objectName()))
            actual << child->objectName();
    }
    QCOMPARE(actual, backToFront);
}

void TestDecoration::picturesAndIcon()
{
    QCOMPARE(m_form->findChild<QWidget *>(u"Image1"_s)->geometry(), QRect(320, 8, 262, 96));
    QCOMPARE(m_form->findChild<QWidget *>(u"Image29"_s)->geometry(), QRect(56, 24, 150, 45));
    const QImage image = render(m_form);
    QVERIFY(image.pixel(320 + 131, 8 + 30) != Slate); // the logo has a picture
    const QList<QSize> sizes = m_form->windowIcon().availableSizes();
    for (int side : {16, 24, 32, 48, 64})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

QTEST_MAIN(TestDecoration)
#include "tst_decoration.moc"
