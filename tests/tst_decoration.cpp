#include "common/colour_label.h"
#include "common/picture_box.h"
#include "design_tables.h"
#include "main_window/form1.h"
#include "test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QRgb Slate = qRgb(42, 44, 64);
const QRgb LineGrey = qRgb(200, 200, 200);

QPoint cellOrigin(int cell) // cell 1 to 26, in pixels
{
    return QPoint(32 + 24 * ((cell - 1) % 4), 144 + 24 * ((cell - 1) / 4));
}

QRgb rgbOf(unsigned int value) // 0x00BBGGRR
{
    return qRgb(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

} // namespace

class TestDecoration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_form = startMainWindow(); }
    void cleanupTestCase() { discardWindows(); }

    void swatches_data();
    void swatches();
    void legendCells_data();
    void legendCells();
    void creditLabels_data();
    void creditLabels();
    void backgroundAndLines_data();
    void backgroundAndLines();
    void whiteBeyondTheBackgroundPicture();
    void toolTips_data();
    void toolTips();
    void stackingOrder();
    void picturesAndIcon();

private:
    Form1 *m_form = nullptr;
};

void TestDecoration::swatches_data()
{
    QTest::addColumn<int>("cell");
    for (int cell = 1; cell <= 26; ++cell)
        QTest::addRow("cell %d", cell) << cell;
}

// Each 15 x 15 swatch shows its colour wherever its number leaves it uncovered.
void TestDecoration::swatches()
{
    QFETCH(int, cell);
    const Design::LegendRow &row = Design::Legend[cell - 1];
    const QRgb colour = rgbOf(row.swatchColour);
    const QImage image = render(m_form);
    const QPoint origin = cellOrigin(cell);
    QCOMPARE(origin, QPoint(row.left / 15, row.top / 15));
    int matching = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            matching += image.pixel(origin + QPoint(x, y)) == colour;
    QVERIFY2(matching >= 120, qPrintable(QString::number(matching)));
    QCOMPARE(image.pixel(origin + QPoint(14, 14)), colour);
    // The swatch ends there; its number label reaches two pixels further.
    QVERIFY(image.pixel(origin + QPoint(18, 18)) == Slate);
}

void TestDecoration::legendCells_data()
{
    swatches_data();
}

// The cell's two elements as the design places them, its tool tip, and a number that reads
// on its swatch: black or white, whichever contrasts more, drawn in front of the swatch.
void TestDecoration::legendCells()
{
    QFETCH(int, cell);
    const Design::LegendRow &row = Design::Legend[cell - 1];
    auto *swatch = m_form->findChild<PictureBox *>(u"Image%1"_s.arg(cell + 2));
    auto *number = m_form->findChild<ColourLabel *>(u"Label%1"_s.arg(cell + 20));
    QVERIFY(swatch && number);
    QCOMPARE(swatch->fillColour(), row.swatchColour);
    QCOMPARE(swatch->geometry(), QRect(row.left / 15, row.top / 15, 15, 15));
    QCOMPARE(number->geometry(), QRect(row.left / 15, row.top / 15, 17, 17));
    QCOMPARE(number->text(), QString::number(cell));
    QCOMPARE(number->toolTip(), Design::str(row.toolTip));

    const QColor swatchColour = QColor::fromRgb(rgbOf(row.swatchColour));
    const QColor white(255, 255, 255), black(0, 0, 0);
    const QRgb wanted =
        contrast(white, swatchColour) >= contrast(black, swatchColour) ? white.rgb() : black.rgb();
    QCOMPARE(rgbOf(number->foreColour()), wanted);
    QVERIFY2(contrast(QColor::fromRgb(wanted), swatchColour) >= 4.5,
             qPrintable(QString::number(contrast(QColor::fromRgb(wanted), swatchColour))));

    // The glyphs are smoothed: count the pixels that come close to the number's colour.
    const QImage image = render(m_form);
    const auto near = [wanted](QRgb pixel) {
        return std::max({std::abs(qRed(pixel) - qRed(wanted)),
                         std::abs(qGreen(pixel) - qGreen(wanted)),
                         std::abs(qBlue(pixel) - qBlue(wanted))}) <= 64;
    };
    int inked = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            inked += near(image.pixel(cellOrigin(cell) + QPoint(x, y)));
    QVERIFY2(inked >= 3, qPrintable(QString::number(inked)));
}

void TestDecoration::creditLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::newRow("credit line") << u"Label47"_s << QRect(360, 5880, 2415, 255)
                                 << u"by the Prismark Crew"_s;
    QTest::newRow("web address") << u"Label48"_s << QRect(3120, 5880, 1815, 255)
                                 << u"pmk.example.org"_s;
}

void TestDecoration::creditLabels()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    auto *label = m_form->findChild<ColourLabel *>(name);
    QVERIFY(label);
    const auto pixels = [](int t) {
        return (t + 7) / 15;
    };
    QCOMPARE(label->geometry(), QRect(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                                      pixels(twips.height())));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->font().families().value(0), u"Lucida Console"_s);
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

void TestDecoration::whiteBeyondTheBackgroundPicture()
{
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
    const QStringList legend{
        u"^1   red"_s,       u"^2  olivegreen"_s, u"^3  yellow"_s,      u"^4  MidnightBlue"_s,
        u"^5  cyan"_s,       u"^6  pink"_s,       u"^7  white"_s,       u"^b  orange"_s,
        u"^c  redorange"_s,  u"^d  dodgerblue"_s, u"^e  deeppink"_s,    u"^f  skyblue"_s,
        u"^g  limegreen"_s,  u"^i  steelblue"_s,  u"^j  lightgreen"_s,  u"^k  moccasin"_s,
        u"^l  lightblue"_s,  u"^m  magenta"_s,    u"^n  forestgreen"_s, u"^o  lightpink"_s,
        u"^q  whitepink"_s,  u"^u  purple"_s,     u"^w  black"_s,       u"^y  lightblue"_s,
        u"^z  darkorange"_s, u"^-  darkgray"_s};
    for (int cell = 1; cell <= 26; ++cell)
        QTest::addRow("cell %d", cell) << u"Label%1"_s.arg(cell + 20) << legend[cell - 1];
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
