#include "game_name/console_line.h"
#include "game_name/game_colour.h"
#include "game_name/game_name.h"

#include <QTest>

using namespace GameName;
using namespace Qt::StringLiterals;

namespace {

// One line of the name file, and what the game makes of it.
struct Case
{
    QByteArray line{};
    LineName::Kind kind = LineName::WholeLine;
    QByteArray name{};       // what the console sets, where the line is a command that sets it
    QByteArray freeForAll{}; // what the game shows
    QByteArray team{};
    QByteArray visible{}; // in free-for-all games
    int cutAt = -1;       // in free-for-all games; -1: not cut
    QByteArray refused{};
    bool doubleCaret = false;
};

} // namespace

Q_DECLARE_METATYPE(Case)

class TestGameName : public QObject
{
    Q_OBJECT

private slots:
    void whatTheGameKeeps_data();
    void whatTheGameKeeps();
    void gameColours_data();
    void gameColours();
};

void TestGameName::whatTheGameKeeps_data()
{
    QTest::addColumn<Case>("expected");
    const auto row = [](const char *tag, const Case &expected) {
        QTest::newRow(tag) << expected;
    };
    constexpr LineName::Kind SetsName = LineName::SetsName;

    const QByteArray a32(32, 'A'), a33(33, 'A'), a35(35, 'A'), a40(40, 'A');
    row("tag and name", {.line = "^1XYZ^7Name",
                         .freeForAll = "^1XYZ^7Name",
                         .team = "XYZName",
                         .visible = "XYZName"});
    row("40 letters after a code",
        {.line = "^1" + a40, .freeForAll = "^1" + a33, .team = a35, .visible = a33, .cutAt = 35});
    row("a code with one byte left", {.line = "^1" + a32 + "^2BBB",
                                      .freeForAll = "^1" + a32,
                                      .team = a32 + "BBB",
                                      .visible = a32,
                                      .cutAt = 34});
    row("leading and repeated blanks", {.line = "   ^1A    B ^0C",
                                        .freeForAll = "^1A   B C",
                                        .team = "A   B C",
                                        .visible = "A   B C"});
    row("a code alone", {.line = "^1", .freeForAll = "UnnamedPlayer", .team = "UnnamedPlayer"});
    row("a code and three blanks",
        {.line = "^1   ", .freeForAll = "^1", .team = "UnnamedPlayer", .visible = ""});
    row("multiples of 8, a caret before a blank and at the end",
        {.line = "^0A^ B^\x80^8C^", .freeForAll = "ABC", .team = "ABC", .visible = "ABC"});
    row("a code does not end a run of blanks, a tab does", {.line = "A  ^1  B \t   C",
                                                            .freeForAll = "A  ^1 B \t   C",
                                                            .team = "A   B \t   C",
                                                            .visible = "A   B \t   C"});
    row("a blank after a dropped code is leading",
        {.line = " ^1 A", .freeForAll = "^1 A", .team = "A", .visible = " A"});
    row("the trim leaves the caret of a caret-and-tab code",
        {.line = "A^\t", .freeForAll = "A^", .team = "A", .visible = "A"});
    // カ in code page 932 is 83 4A: the code takes the lead byte, and J is left.
    row("code page 932, a character split by a code",
        {.line = "^\x83JZ", .freeForAll = "^\x83JZ", .team = "JZ", .visible = "JZ"});
    row("^^ kept in every game, neither counted nor checked", {.line = "^^" + a35,
                                                               .freeForAll = "^^" + a35,
                                                               .team = "^^" + a35,
                                                               .visible = a35,
                                                               .doubleCaret = true});
    row("backslash",
        {.line = "a\\b", .freeForAll = "a\\b", .team = "a\\b", .visible = "a\\b", .refused = "\\"});
    row("semicolons in a line that sets no name",
        {.line = "a;b;", .freeForAll = "a;b;", .team = "a;b;", .visible = "a;b;", .refused = ";"});
    row("a double quote in a line that sets no name", {.line = "^1a\"b",
                                                       .freeForAll = "^1a\"b",
                                                       .team = "a\"b",
                                                       .visible = "a\"b",
                                                       .refused = "\""});

    // The game runs the line as console commands.
    const auto command = [&row](const char *tag, const QByteArray &line, const QByteArray &name,
                                const QByteArray &team, const QByteArray &refused = {}) {
        row(tag, {.line = line,
                  .kind = SetsName,
                  .name = name,
                  .freeForAll = name,
                  .team = team,
                  .visible = team,
                  .refused = refused});
    };
    command("in seta name quotes", "seta name \"^1XYZ^7Name\"", "^1XYZ^7Name", "XYZName");
    command("a blank after the closing quote", "seta name \"^1XYZ\" ", "^1XYZ", "XYZ");
    command("without quotes", "seta name ^1XYZ", "^1XYZ", "XYZ");
    command("words joined by one blank", "seta name ^1XYZ   ^7Name", "^1XYZ ^7Name", "XYZ Name");
    command("in capitals", "SETA NAME \"^1abc\"", "^1abc", "abc");
    command("a semicolon ends the command", "seta name ^1a;b", "^1a", "a");
    command("a semicolon in quotes", "seta name \"^1a;b\"", "^1a;b", "a;b", ";");
    command("a comment ends the line", "set name ^1x//y", "^1x", "x");
    command("a quote left open", "seta name \"^1abc", "^1abc", "abc");
    command("the last command counts", "seta name \"^1Foo\"; seta name \"^2Bar\"", "^2Bar", "Bar");
    row("a quote ends the word before it, and the last opens one to the end",
        {.line = "seta name \"a\"b\"",
         .kind = SetsName,
         .name = "a b ",
         .freeForAll = "a b",
         .team = "a b",
         .visible = "a b"});
    command("sets and setu, a tab and a star comment", "sets name x;setu\tname\t^1y/*z", "^1y",
            "y");
    command("a command that names no value sets nothing", "seta name ^1Foo; seta name", "^1Foo",
            "Foo");
    row("an empty name in quotes", {.line = "seta name \"\"",
                                    .kind = SetsName,
                                    .name = "",
                                    .freeForAll = "UnnamedPlayer",
                                    .team = "UnnamedPlayer",
                                    .visible = ""});
    row("seta name alone sets no name",
        {.line = "seta name", .kind = LineName::SetsNoName, .name = ""});
    row("other commands only", {.line = "seta rate 25000; bind x \"say hi\"",
                                .freeForAll = "seta rate 25000; bind x \"say hi\"",
                                .team = "seta rate 25000; bind x \"say hi\"",
                                .visible = "seta rate 25000; bind x \"say hi\"",
                                .refused = ";\""});
}

void TestGameName::whatTheGameKeeps()
{
    QFETCH(Case, expected);
    const LineName line = nameOfLine(expected.line);
    QCOMPARE(line.kind, expected.kind);
    if (line.kind != LineName::WholeLine) {
        QCOMPARE(line.name, expected.name);
        if (line.kind == LineName::SetsNoName)
            return;
    } else {
        QCOMPARE(line.name, expected.line);
    }
    const auto shown = [&line](Game game) {
        const Kept kept = keptOf(line.name, game);
        return kept.unnamed ? "UnnamedPlayer"_ba : kept.bytes;
    };
    QCOMPARE(shown(Game::FreeForAll), expected.freeForAll);
    QCOMPARE(shown(Game::Team), expected.team);
    const Kept freeForAll = keptOf(line.name, Game::FreeForAll);
    QCOMPARE(freeForAll.visible, expected.visible);
    QCOMPARE(freeForAll.cutAt, expected.cutAt);
    QCOMPARE(refusedCharacters(line.name), expected.refused);
    QCOMPARE(holdsDoubleCaret(line.name), expected.doubleCaret);
}

void TestGameName::gameColours_data()
{
    QTest::addColumn<QByteArray>("codes"); // their second bytes
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QList<int>>("rgb");

    QTest::newRow("red") << "1iqy"_ba << 1 << u"red"_s << QList{255, 26, 26};
    QTest::newRow("green") << "2bjz"_ba << 2 << u"green"_s << QList{169, 194, 116};
    QTest::newRow("yellow") << "3ck"_ba << 3 << u"yellow"_s << QList{255, 255, 0};
    QTest::newRow("blue") << "4dl"_ba << 4 << u"blue"_s << QList{77, 77, 255};
    QTest::newRow("cyan") << "5emu-"_ba << 5 << u"cyan"_s << QList{0, 255, 255};
    QTest::newRow("magenta") << "6fn^"_ba << 6 << u"magenta"_s << QList{255, 0, 255};
    QTest::newRow("white") << "7gow"_ba << 7 << u"white"_s << QList{255, 255, 255};
    QTest::newRow("^0 and ^8, dropped") << "08"_ba << 0 << u"black"_s << QList{0, 0, 0};
}

// Each code gives the character after it its game colour; a dropped code leaves the game's own.
void TestGameName::gameColours()
{
    QFETCH(QByteArray, codes);
    QFETCH(int, index);
    QFETCH(QString, colour);
    QFETCH(QList<int>, rgb);
    for (const char code : codes) {
        QCOMPARE(colourIndex(code), index);
        const GameColour &shown = ColourTable[colourIndex(code)];
        QCOMPARE(shown.name, colour);
        QCOMPARE((QList{shown.red, shown.green, shown.blue}), rgb);
        const QList<ColourRun> runs = keptOf("x^"_ba + code + 'y', Game::FreeForAll).runs;
        QCOMPARE(runs.size(), index == 0 ? 1 : 2);
        QCOMPARE(runs.first().characters, index == 0 ? "xy"_ba : "x"_ba);
        QCOMPARE(runs.first().colour, OwnColour);
        if (index != 0)
            QCOMPARE(runs.last().colour, index);
    }
}

QTEST_GUILESS_MAIN(TestGameName)
#include "tst_game_name.moc"
