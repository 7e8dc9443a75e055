#include "file_support.h"
#include "game_folder/game_folder.h"
#include "game_folder/wine_prefix.h"
#include "name_file/name_file_path.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace GameFolder;

namespace {

const QString Game = u"Soldier of Fortune II - Double Helix"_s;

// Makes each folder, or each file where the name has a suffix, below `root`.
void make(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = QDir(root).filePath(entry);
        QDir().mkpath(entry.contains(u'.') ? QFileInfo(path).path() : path);
        if (entry.contains(u'.'))
            QFile(path).open(QIODevice::WriteOnly);
    }
}

// A Windows machine whose drive C: is `root`, whose registry holds `installs`, and where this
// user can create files in Program Files only where it is `open`.
Machine windows(const QString &root, const QStringList &installs, bool open)
{
    return {installs,
            u"the registry"_s,
            {u"C:\\Program Files (x86)"_s, u"C:\\Program Files"_s},
            u"C:\\Users\\player\\AppData\\Local"_s,
            [root](const QString &path) {
                return findIgnoringCase(root, path.sliced(3).split(u'\\', Qt::SkipEmptyParts));
            },
            [root, open](const QString &folder) {
                return open || !folder.startsWith(root + u"/Program Files"_s);
            }};
}

} // namespace

class TestGameFolder : public QObject
{
    Q_OBJECT

private slots:
    void whereTheNameFileGoes_data();
    void whereTheNameFileGoes();
    void winePrefix_data();
    void winePrefix();
};

void TestGameFolder::whereTheNameFileGoes_data()
{
    QTest::addColumn<QString>("install");     // the registry's value
    QTest::addColumn<QStringList>("entries"); // on drive C:
    QTest::addColumn<bool>("open");           // Program Files, to this user
    QTest::addColumn<QString>("lastWritten");
    QTest::addColumn<QString>("path"); // empty: in the documents folder, not compared
    QTest::addColumn<QString>("origin");
    const auto row = [](const char *tag, const QString &install, const QStringList &entries,
                        bool open, const QString &last, const QString &path,
                        const QString &origin) {
        QTest::newRow(tag) << install << entries << open << last << path << origin;
    };

    const QString x86 = u"Program Files (x86)/"_s + Game,
                  x86C = u"C:\\Program Files (x86)\\"_s + Game;
    const QString store = u"Users/player/AppData/Local/VirtualStore/"_s + x86 + u"/base/mp"_s;
    const QString found = u"the game's base\\mp folder, found in "_s;
    const QString notFound = u"the documents folder: the game was not found"_s;
    row("a registry value", u"C:\\Games\\SoF2\\"_s, {u"Games/SoF2/base/mp"_s}, false, {},
        u"C:\\Games\\SoF2\\base\\mp\\prismark.cfg"_s, found + u"the registry"_s);
    row("an empty value, then the default folder", {},
        {x86 + u"/SoF2MP.exe"_s, x86 + u"/base/mp"_s}, true, {},
        x86C + u"\\base\\mp\\prismark.cfg"_s, found + u"its default folder"_s);
    row("a default folder without SoF2MP.exe", {}, {x86 + u"/base/mp"_s}, true, {}, {}, notFound);
    row("a registry value whose base\\mp is missing", u"C:\\Games\\SoF2"_s, {u"Games/SoF2/base"_s},
        true, {}, {}, notFound);
    row("under Program Files, closed to this user: its copy in VirtualStore", x86C,
        {x86 + u"/base/mp"_s, store}, false, {},
        u"C:\\Users\\player\\AppData\\Local\\VirtualStore\\Program Files (x86)\\"_s + Game +
            u"\\base\\mp\\prismark.cfg"_s,
        u"the game's base\\mp folder as the game reads it when it runs without administrator "
        u"rights: Windows keeps its files in VirtualStore (found in the registry)"_s);
    row("closed to this user, and no copy in VirtualStore yet", x86C, {x86 + u"/base/mp"_s}, false,
        {}, {}, notFound);
    row("the last name file written, before the game", u"C:\\Games\\SoF2"_s,
        {u"Games/SoF2/base/mp"_s, u"Names"_s}, false, u"Names/mine.cfg"_s, u"C:\\Names\\mine.cfg"_s,
        u"where the last name file was written"_s);
    row("the last name file's folder is gone", u"C:\\Games\\SoF2"_s, {u"Games/SoF2/base/mp"_s},
        false, u"Names/mine.cfg"_s, u"C:\\Games\\SoF2\\base\\mp\\prismark.cfg"_s,
        found + u"the registry"_s);
}

void TestGameFolder::whereTheNameFileGoes()
{
    QFETCH(QString, install);
    QFETCH(QStringList, entries);
    QFETCH(bool, open);
    QFETCH(QString, lastWritten);
    QFETCH(QString, path);
    QTemporaryDir drive;
    make(drive.path(), entries);
    const QString last = lastWritten.isEmpty() ? QString() : drive.filePath(lastWritten);
    const NameFilePlace place =
        ChooseNameFilePlace(last, findGame(windows(drive.path(), {install}, open)));
    QTEST(place.origin, "origin");
    if (!path.isEmpty()) // on drive C:
        QCOMPARE(place.path,
                 QDir::toNativeSeparators(drive.path() + path.sliced(2).replace(u'\\', u'/')));
}

void TestGameFolder::winePrefix_data()
{
    QTest::addColumn<QByteArray>("systemReg");
    QTest::addColumn<QString>("folder"); // below the prefix's drive_c, its case differing
    const QByteArray head = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
    QTest::newRow("64-bit prefix")
        << head + "[Software\\\\Wow6432Node\\\\Activision\\\\Soldier of Fortune II - Double Helix] "
                  "1\n\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Soldier of Fortune II - "
                  "Double Helix\"\n\n[Software\\\\Wine] 1\n"
        << u"program files (x86)/soldier of fortune ii - double helix/Base/MP"_s;
    QTest::newRow("32-bit prefix, a letter beyond ASCII")
        << head + "[Software\\\\Activision\\\\Soldier of Fortune II - Double Helix] 1\n"
                  "\"installpath\"=\"C:\\\\Jeux\\\\Soldat \\xe9t\\xe9\"\n"
        << u"jeux/SOLDAT ÉTÉ/base/mp"_s;
}

// Wine's registry is its prefix's system.reg, its drive C: the prefix's dosdevices/c:, and it
// matches file names in any case.
void TestGameFolder::winePrefix()
{
#ifdef Q_OS_WIN
    QSKIP("Wine prefixes are read on Linux");
#endif
    QFETCH(QByteArray, systemReg);
    QFETCH(QString, folder);
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    make(prefix.path(), {u"drive_c/"_s + folder, u"dosdevices"_s});
    QVERIFY(QFile::link(u"../drive_c"_s, root.filePath(u"dosdevices/c:"_s)));
    FileSupport::writeAll(root.filePath(u"system.reg"_s), systemReg);

    const std::optional<Found> found = findGame(wineMachine(prefix.path()));
    QVERIFY(found);
    QCOMPARE(found->folder, root.filePath(u"drive_c/"_s + folder));
    QCOMPARE(found->foundIn, u"the registry of the Wine prefix "_s + prefix.path());
}

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_game_folder.moc"
