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
};

void TestGameName::whatTheGameKeeps_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("freeForAll"); // what the game shows
    QTest::addColumn<QByteArray>("team");
    QTest::addColumn<int>("cutAt"); // in free-for-all games; -1: not cut
    QTest::addColumn<QByteArray>("refused");
    QTest::addColumn<bool>("doubleCaret");
    const auto row = [](const char *tag, const QByteArray &field, const QByteArray &freeForAll,
                        const QByteArray &team, int cutAt = -1, const QByteArray &refused = {},
                        bool doubleCaret = false) {
        QTest::newRow(tag) << field << freeForAll << team << cutAt << refused << doubleCaret;
    };

    const QByteArray a32(32, 'A'), a33(33, 'A'), a35(35, 'A'), a40(40, 'A');
    row("tag and name", "^1XYZ^7Name", "^1XYZ^7Name", "XYZName");
    row("in seta name quotes", "seta name \"^1XYZ^7Name\"", "^1XYZ^7Name", "XYZName");
    row("40 letters after a code", "^1" + a40, "^1" + a33, a35, 35);
    row("a code with one byte left", "^1" + a32 + "^2BBB", "^1" + a32, a32 + "BBB", 34);
    row("leading and repeated blanks", "   ^1A    B ^0C", "^1A   B C", "A   B C");
    row("a code alone", "^1", "UnnamedPlayer", "UnnamedPlayer");
    row("a code and three blanks", "^1   ", "^1", "UnnamedPlayer");
    row("multiples of 8, a caret before a blank and at the end", "^0A^ B^\x80^8C^", "ABC", "ABC");
    row("a code does not end a run of blanks, a tab does", "A  ^1  B \t   C", "A  ^1 B \t   C",
        "A   B \t   C");
    row("a blank after a dropped code is leading", " ^1 A", "^1 A", "A");
    row("the trim leaves the caret of a caret-and-tab code", "A^\t", "A^", "A");
    // カ in code page 932 is 83 4A: the code takes the lead byte, and J is left.
    row("code page 932, a character split by a code", "^\x83JZ", "^\x83JZ", "JZ");
    row("^^ kept in every game, neither counted nor checked", "^^" + a35, "^^" + a35, "^^" + a35,
        -1, {}, true);
    row("backslash", "a\\b", "a\\b", "a\\b", -1, "\\");
    row("semicolons", "a;b;", "a;b;", "a;b;", -1, ";");
    row("a double quote ends seta name's quotes early", "seta name \"a\"b\"", "a\"b", "a\"b", -1,
        "\"");
}

void TestGameName::whatTheGameKeeps()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, freeForAll);
    QFETCH(QByteArray, team);
    QFETCH(int, cutAt);
    const QByteArrayView name = nameInField(field);
    const auto shown = [&name](Game game) {
        const Kept kept = keptOf(name, game);
        return kept.unnamed ? "UnnamedPlayer"_ba : kept.bytes;
    };
    QCOMPARE(shown(Game::FreeForAll), freeForAll);
    QCOMPARE(shown(Game::Team), team);
    QCOMPARE(keptOf(name, Game::FreeForAll).cutAt, cutAt);
    QTEST(refusedCharacters(name), "refused");
    QTEST(holdsDoubleCaret(name), "doubleCaret");
}

QTEST_GUILESS_MAIN(TestGameName)
#include "tst_game_name.moc"
