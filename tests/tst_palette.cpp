#include "palette/palette.h"

#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class ListTextClass { Entry, NoColour, Unmatched };

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private slots:
    void tableIsWellFormed();
    void listTextClass_data();
    void listTextClass();
    void paintColour_data();
    void paintColour();
    void contrastRatio_data();
    void contrastRatio();
};

// Catches a mistyped row: the order, the label format and the uniqueness the lookups rely on.
void TestPalette::tableIsWellFormed()
{
    QCOMPARE(Palette.size(), std::size_t(26));
    QSet<QString> labels, codes;
    const QRegularExpression labelShape(u"^(\\d\\d) [a-z]+$"_s);
    for (std::size_t i = 0; i < Palette.size(); ++i) {
        const PaletteEntry &entry = Palette[i];
        const auto match = labelShape.match(QString(entry.ListLabel));
        QVERIFY2(match.hasMatch(), qPrintable(QString(entry.ListLabel)));
        QCOMPARE(match.captured(1).toInt(), int(i + 1));
        QCOMPARE(entry.Code.size(), 2);
        QCOMPARE(entry.Code.front(), '^');
        labels.insert(entry.ListLabel);
        codes.insert(entry.Code);
    }
    QCOMPARE(labels.size(), 26);
    QCOMPARE(codes.size(), 26);
    QVERIFY(!labels.contains(ColourPrompt));
}

void TestPalette::listTextClass_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ListTextClass>("expectedClass");
    QTest::addColumn<QString>("code");
    QTest::addColumn<uint>("preview");

    auto entry = [](const char *tag, const QString &text, const QString &code, uint preview) {
        QTest::newRow(tag) << text << ListTextClass::Entry << code << preview;
    };
    auto other = [](const char *tag, const QString &text, ListTextClass cls) {
        QTest::newRow(tag) << text << cls << QString() << 0u;
    };
    entry("first entry", u"01 red"_s, u"^1"_s, 0x000000FF);
    entry("eighth goes on with letters", u"08 orange"_s, u"^b"_s, 0x000080FF);
    entry("system colour entry", u"10 dodgerblue"_s, u"^d"_s, 0x80000001);
    entry("17 lightblue", u"17 lightblue"_s, u"^l"_s, 0x00FFC0C0);
    entry("24 lightblue", u"24 lightblue"_s, u"^y"_s, 0x00004000);
    entry("18 magenta", u"18 magenta"_s, u"^m"_s, 0x00400040);
    entry("22 purple, same preview as 18", u"22 purple"_s, u"^u"_s, 0x00400040);
    entry("21 whitepink", u"21 whitepink"_s, u"^q"_s, 0x00FF80FF);
    entry("last entry, hyphen code", u"26 darkgray"_s, u"^-"_s, 0x00FF8080);

    other("empty text", QString(), ListTextClass::NoColour);
    other("prompt", u"- select a color -"_s, ListTextClass::NoColour);
    other("prompt capitalised", u"- Select a color -"_s, ListTextClass::Unmatched);
    other("prompt with trailing blank", u"- select a color - "_s, ListTextClass::Unmatched);
    other("capital R", u"01 Red"_s, ListTextClass::Unmatched);
    other("trailing blank", u"01 red "_s, ListTextClass::Unmatched);
    other("leading blank", u" 01 red"_s, ListTextClass::Unmatched);
    other("no leading zero", u"1 red"_s, ListTextClass::Unmatched);
    other("colour word alone", u"red"_s, ListTextClass::Unmatched);
    other("prefix of a label", u"01 re"_s, ListTextClass::Unmatched);
    other("a blank only", u" "_s, ListTextClass::Unmatched);
}

void TestPalette::listTextClass()
{
    QFETCH(QString, text);
    QFETCH(ListTextClass, expectedClass);

    const PaletteEntry *entry = FindPaletteEntry(text);
    QCOMPARE(entry != nullptr, expectedClass == ListTextClass::Entry);
    QCOMPARE(IsNoColourChoice(text), expectedClass == ListTextClass::NoColour);
    if (entry) {
        QFETCH(QString, code);
        QFETCH(uint, preview);
        QCOMPARE(QString(entry->ListLabel), text);
        QCOMPARE(QString(entry->Code), code);
        QCOMPARE(entry->PreviewColour, preview);
    }
}

void TestPalette::paintColour_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("red sits in the low byte") << 0x000000FFu << QColor(255, 0, 0);
    QTest::newRow("blue sits in the third byte") << 0x00FF0000u << QColor(0, 0, 255);
    QTest::newRow("mixed") << 0x000080FFu << QColor(255, 128, 0);
    QTest::newRow("black") << 0x00000000u << QColor(0, 0, 0);
    QTest::newRow("desktop is a fixed colour") << 0x80000001u << QColor(30, 144, 255);
    // Both lie on the dark background picture, where this grey reads at about 8:1.
    QTest::newRow("label text is light grey") << 0x80000012u << QColor(200, 200, 200);
    QTest::newRow("lines are light grey") << 0x80000008u << QColor(200, 200, 200);
    QTest::newRow("highlight follows the application palette")
        << 0x8000000Du << QGuiApplication::palette().color(QPalette::Highlight);
}

void TestPalette::paintColour()
{
    QFETCH(uint, value);
    QFETCH(QColor, expected);
    QCOMPARE(toQColor(value), expected);
}

void TestPalette::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio"); // to two decimals

    QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0;
    QTest::newRow("white on black, the same") << QColor(255, 255, 255) << QColor(0, 0, 0) << 21.0;
    QTest::newRow("a colour on itself") << QColor(81, 81, 231) << QColor(81, 81, 231) << 1.0;
    QTest::newRow("#777777 on white, just short of 4.5")
        << QColor(119, 119, 119) << QColor(255, 255, 255) << 4.48;
    QTest::newRow("#767676 on white, just enough")
        << QColor(118, 118, 118) << QColor(255, 255, 255) << 4.54;
    QTest::newRow("red on white") << QColor(255, 0, 0) << QColor(255, 255, 255) << 4.0;
    QTest::newRow("blue on black") << QColor(0, 0, 255) << QColor(0, 0, 0) << 2.44;
    QTest::newRow("label grey on the background picture")
        << QColor(200, 200, 200) << QColor(42, 44, 64) << 8.19;
}

// The WCAG ratio, against values published for it.
void TestPalette::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QCOMPARE(qRound(::contrastRatio(a, b) * 100), qRound(ratio * 100));
}

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
