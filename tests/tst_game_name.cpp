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

    const QByteArray a33(33, 'A'), a35(35, 'A'), a32(32, 'A');
    QTest::newRow("tag and name") << "^1XYZ^7Name"_ba
                                  << "^1XYZ^7Name"_ba
                                  << "XYZName"_ba << -1 << ""_ba << false;
    QTest::newRow("in seta name quotes") << "seta name \"^1XYZ^7Name\""_ba
                                         << "^1XYZ^7Name"_ba
                                         << "XYZName"_ba << -1 << ""_ba << false;
    QTest::newRow("40 letters after a code")
        << "^1" + QByteArray(40, 'A') << "^1" + a33 << a35 << 35 << ""_ba << false;
    QTest::newRow("a code with one byte left") << "^1" + a32 + "^2BBB"
                                               << "^1" + a32 << a32 + "BBB" << 34 << ""_ba << false;
    QTest::newRow("leading and repeated blanks") << "   ^1A    B ^0C"_ba
                                                 << "^1A   B C"_ba
                                                 << "A   B C"_ba << -1 << ""_ba << false;
    QTest::newRow("a code alone") << "^1"_ba
                                  << "UnnamedPlayer"_ba
                                  << "UnnamedPlayer"_ba << -1 << ""_ba << false;
    QTest::newRow("a code and three blanks") << "^1   "_ba
                                             << "^1"_ba
                                             << "UnnamedPlayer"_ba << -1 << ""_ba << false;
    QTest::newRow("multiples of 8, a caret before a blank and at the end")
        << "^0A^ B^\x80"
           "C^"_ba
        << "ABC"_ba
        << "ABC"_ba << -1 << ""_ba << false;
    QTest::newRow("a code does not end a run of blanks, a tab does")
        << "A  ^1  B \t   C"_ba
        << "A  ^1 B \t   C"_ba
        << "A   B \t   C"_ba << -1 << ""_ba << false;
    QTest::newRow("a blank after a dropped code is leading") << " ^1 A"_ba
                                                             << "^1 A"_ba
                                                             << "A"_ba << -1 << ""_ba << false;
    QTest::newRow("the trim leaves the caret of a caret-and-tab code")
        << "A^\t"_ba
        << "A^"_ba
        << "A"_ba << -1 << ""_ba << false;
    // カ in code page 932 is 83 4A: the code takes the lead byte, and J is left.
    QTest::newRow("code page 932, a character split by a code") << "^\x83\x4A"
                                                                   "Z"_ba
                                                                << "^\x83JZ"_ba
                                                                << "JZ"_ba << -1 << ""_ba << false;
    QTest::newRow("^^ kept in every game, neither counted nor checked")
        << "^^" + a35 << "^^" + a35 << "^^" + a35 << -1 << ""_ba << true;
    QTest::newRow("backslash") << "a\\b"_ba
                               << "a\\b"_ba
                               << "a\\b"_ba << -1 << "\\"_ba << false;
    QTest::newRow("semicolons") << "a;b;"_ba
                                << "a;b;"_ba
                                << "a;b;"_ba << -1 << ";"_ba << false;
    QTest::newRow("a double quote ends seta name's quotes early")
        << "seta name \"a\"b\""_ba
        << "a\"b"_ba
        << "a\"b"_ba << -1 << "\""_ba << false;
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
