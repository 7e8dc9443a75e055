#include "game_name/console_line.h"
#include "game_name/game_colour.h"
#include "game_name/game_name.h"

#include <QTest>

using namespace GameName;
using namespace Qt::StringLiterals;

class TestGameName : public QObject
{
    Q_OBJECT

private slots:
    void whatTheGameKeeps_data();
    void whatTheGameKeeps();
    void gameColours_data();
    void gameColours();
};

// The field is the name file's line, which the game's console runs as commands. Where it is no
// command yet, what the game keeps is of the line once it is wrapped into seta name "...".
void TestGameName::whatTheGameKeeps_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("kind");              // LineName::Kind
    QTest::addColumn<QByteArray>("freeForAll"); // what the game shows
    QTest::addColumn<QByteArray>("team");
    QTest::addColumn<QByteArray>("visible"); // in free-for-all games
    QTest::addColumn<int>("cutAt");          // in free-for-all games; -1: not cut
    QTest::addColumn<QByteArray>("refused");
    QTest::addColumn<bool>("doubleCaret");
    LineName::Kind kind = LineName::NotACommand; // of the rows that follow
    const auto row = [&kind](const char *tag, const QByteArray &field, const QByteArray &freeForAll,
                             const QByteArray &team, const QByteArray &visible, int cutAt = -1,
                             const QByteArray &refused = {}, bool doubleCaret = false) {
        QTest::newRow(tag) << field << int(kind) << freeForAll << team << visible << cutAt
                           << refused << doubleCaret;
    };
    const auto none = [](const char *tag, const QByteArray &field, LineName::Kind kind) {
        QTest::newRow(tag) << field << int(kind) << QByteArray() << QByteArray() << QByteArray()
                           << -1 << QByteArray() << false;
    };

    const QByteArray a32(32, 'A'), a33(33, 'A'), a35(35, 'A'), a40(40, 'A');
    row("tag and name, not a command", "^1XYZ^7Name", "^1XYZ^7Name", "XYZName", "XYZName");
    row("40 letters after a code", "^1" + a40, "^1" + a33, a35, a33, 35);
    row("a code with one byte left", "^1" + a32 + "^2BBB", "^1" + a32, a32 + "BBB", a32, 34);
    row("leading and repeated blanks", "   ^1A    B ^0C", "^1A   B C", "A   B C", "A   B C");
    row("a code alone", "^1", "UnnamedPlayer", "UnnamedPlayer", "");
    row("a code and three blanks", "^1   ", "^1", "UnnamedPlayer", "");
    row("multiples of 8, a caret before a blank and at the end", "^0A^ B^\x80^8C^", "ABC", "ABC",
        "ABC");
    row("a code does not end a run of blanks, a tab does", "A  ^1  B \t   C", "A  ^1 B \t   C",
        "A   B \t   C", "A   B \t   C");
    row("a blank after a dropped code is leading", " ^1 A", "^1 A", "A", " A");
    row("the trim leaves the caret of a caret-and-tab code", "A^\t", "A^", "A", "A");
    // カ in code page 932 is 83 4A: the code takes the lead byte, and J is left.
    row("code page 932, a character split by a code", "^\x83JZ", "^\x83JZ", "JZ", "JZ");
    row("^^ kept in every game, neither counted nor checked", "^^" + a35, "^^" + a35, "^^" + a35,
        a35, -1, {}, true);
    row("backslash", "a\\b", "a\\b", "a\\b", "a\\b", -1, "\\");
    row("semicolons in a line that is no command", "a;b;", "a;b;", "a;b;", "a;b;", -1, ";");
    row("a double quote in a line that is no command", "^1a\"b", "^1a\"b", "a\"b", "a\"b", -1,
        "\"");
    none("other commands only", "bind x \"say hi\"", LineName::OtherCommands);
    none("no words, only a comment", "  // seta name x", LineName::NoWords);

    // The name that a command on the line sets.
    kind = LineName::SetsName;
    row("in seta name quotes, a blank kept", "seta name \"^1XYZ ^7Name\"", "^1XYZ ^7Name",
        "XYZ Name", "XYZ Name");
    row("a blank after the closing quote", "seta name \"^1XYZ\" ", "^1XYZ", "XYZ", "XYZ");
    row("without quotes", "seta name ^1XYZ", "^1XYZ", "XYZ", "XYZ");
    row("set joins its words by one blank", "set name ^1XYZ   ^7Name", "^1XYZ ^7Name", "XYZ Name",
        "XYZ Name");
    none("seta takes exactly one word", "seta name ^1XYZ ^7Name", LineName::ManyWords);
    none("seta, two quoted words", "seta name \"a\" \"b\"", LineName::ManyWords);
    none("a quote ends the word before it, the last opens one to the end", "seta name \"^1a\"b\"",
         LineName::ManyWords);
    row("in capitals", "SETA NAME \"^1abc\"", "^1abc", "abc", "abc");
    row("a semicolon ends the command", "seta name ^1a;b", "^1a", "a", "a");
    row("a semicolon in quotes", "seta name \"^1a;b\"", "^1a;b", "a;b", "a;b", -1, ";");
    row("a comment ends the command's words", "set name ^1x//y", "^1x", "x", "x");
    row("a semicolon after a comment still ends the command",
        "seta name \"^1a\" // old; seta name \"^2b\"", "^2b", "b", "b");
    row("a star comment between words", "seta name /* old */ \"^2b\"", "^2b", "b", "b");
    row("a star comment ends a word", "set name ^2a/*x*/b", "^2a b", "a b", "a b");
    row("a star comment left open ends the words", "seta name a /* c ; seta name b", "b", "b", "b");
    row("name as a command takes its first word", "name ^1Solo Two", "^1Solo", "Solo", "Solo");
    // é is E9 in Windows-1252: a blank outside quotes, a letter inside them.
    row("a letter beyond ASCII parts words", "seta name Jos\xE9", "Jos", "Jos", "Jos");
    row("a letter beyond ASCII in quotes", "seta name \"Jos\xE9Maria\"", "Jos\xE9Maria",
        "Jos\xE9Maria", "Jos\xE9Maria");
    row("a quote left open", "seta name \"^1abc", "^1abc", "abc", "abc");
    row("the last command counts", "seta name \"^1Foo\"; seta name \"^2Bar\"", "^2Bar", "Bar",
        "Bar");
    row("sets and setu, a tab and a star comment", "sets name x;setu\tname\t^1y/*z", "^1y", "y",
        "y");
    row("a command without a value sets nothing", "seta name ^1Foo; seta name", "^1Foo", "Foo",
        "Foo");
    none("set name without a value", "set name", LineName::NoValue);
    row("an empty name in quotes", "seta name \"\"", "UnnamedPlayer", "UnnamedPlayer", "");
}

void TestGameName::whatTheGameKeeps()
{
    QFETCH(QByteArray, field);
    QFETCH(int, kind);
    QFETCH(QByteArray, freeForAll);
    QFETCH(QByteArray, team);
    QFETCH(int, cutAt);
    const LineName set = nameOfLine(field);
    QCOMPARE(int(set.kind), kind);
    if (kind != LineName::SetsName && kind != LineName::NotACommand)
        return;
    const QByteArray name = kind == LineName::SetsName ? set.name : field;
    const auto shown = [&name](Game game) {
        const Kept kept = keptOf(name, game);
        return kept.unnamed ? "UnnamedPlayer"_ba : kept.bytes;
    };
    QCOMPARE(shown(Game::FreeForAll), freeForAll);
    QCOMPARE(shown(Game::Team), team);
    QTEST(keptOf(name, Game::FreeForAll).visible, "visible");
    QCOMPARE(keptOf(name, Game::FreeForAll).cutAt, cutAt);
    QTEST(refusedCharacters(name), "refused");
    QTEST(holdsDoubleCaret(name), "doubleCaret");
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
