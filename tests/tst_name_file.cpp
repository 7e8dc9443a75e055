#include "file_support.h"
#include "name_file/ansi_encoding.h"
#include "name_file/name_file.h"
#include "name_file/windows_device_name.h"
#ifdef Q_OS_WIN
#include "name_file/ansi_code_page.h"
#endif

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <iconv.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace FileSupport;

class TestNameFile : public QObject
{
    Q_OBJECT

private slots:
    void contents_data();
    void contents();
    void stampFormats_data();
    void stampFormats();
    void windows1252MatchesIconv();
    void windowsCodePagesNeverBestFit_data();
    void windowsCodePagesNeverBestFit();
    void lostCharacters_data();
    void lostCharacters();
    void rewritingReplacesTheFile();
    void pathIsTakenAsTyped_data();
    void pathIsTakenAsTyped();
    void failuresLeaveEverythingAsItWas_data();
    void failuresLeaveEverythingAsItWas();
    void failurePartWayLeavesTheOldFile();
    void specialFilesAreNeverReplaced_data();
    void specialFilesAreNeverReplaced();
    void windowsDeviceNames_data();
    void windowsDeviceNames();
    void windowsDeviceNamesAreRefused_data();
    void windowsDeviceNamesAreRefused();
    void linkToARegularFileStaysALink();
    void permissionFailure_data();
    void permissionFailure();
};

void TestNameFile::contents_data()
{
    QTest::addColumn<QString>("nameLine");
    QTest::addColumn<QByteArray>("firstLine");

    QTest::newRow("empty result field") << QString() << QByteArray("\r\n");
    QTest::newRow("plain name") << u"^1XYZ^7Name"_s << QByteArray("^1XYZ^7Name\r\n");
    QTest::newRow("seta name command with quotes")
        << u"seta name \"^1XYZ^7Name\""_s << QByteArray("seta name \"^1XYZ^7Name\"\r\n");
    QTest::newRow("blanks kept") << u"  a  "_s << QByteArray("  a  \r\n");
    QTest::newRow("Latin-1 and the 0x80 range")
        << u"Zoë €ž…"_s << QByteArray("Zo\xEB \x80\x9E\x85\r\n");
    QTest::newRow("outside Windows-1252: one mark each")
        << u"a中b😀c\u0100"_s << QByteArray("a?b?c?\r\n");
    QTest::newRow("undefined bytes are not written") << u"\u0081\u008D"_s << QByteArray("??\r\n");
}

void TestNameFile::contents()
{
    QFETCH(QString, nameLine);
    QFETCH(QByteArray, firstLine);
    QCOMPARE(NameFileContents(nameLine, FixedClock()).bytes, firstLine + EndingAt140509);
}

void TestNameFile::stampFormats_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("clockMovesOn");
    QTest::addColumn<QByteArray>("stamp");

    QTest::newRow("leading zeros everywhere") << QDateTime(QDate(2002, 1, 5), QTime(1, 2, 3))
                                              << false << QByteArray("//01:02:03  01-05-2002");
    QTest::newRow("24-hour clock, month first") << QDateTime(QDate(2026, 12, 31), QTime(23, 4, 5))
                                                << false << QByteArray("//23:04:05  12-31-2026");
    // A clock read twice would pair this time with the next day's date.
    QTest::newRow("one reading at the stroke of midnight")
        << QDateTime(QDate(2002, 12, 31), QTime(23, 59, 59)) << true
        << QByteArray("//23:59:59  12-31-2002");
}

void TestNameFile::stampFormats()
{
    QFETCH(QDateTime, now);
    QFETCH(bool, clockMovesOn);
    QFETCH(QByteArray, stamp);
    // Formats never follow the locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QByteArray contents = NameFileContents(u"x"_s, FixedClock(now, clockMovesOn)).bytes;
    QLocale::setDefault(before);
    QCOMPARE(contents.split('\n').at(2), stamp + " Prismark Crew crew.example.org //\r");
}

void TestNameFile::windows1252MatchesIconv()
{
#ifdef Q_OS_LINUX
    iconv_t converter = iconv_open("WINDOWS-1252", "UTF-16LE");
    if (converter == iconv_t(-1))
        QSKIP("this C library has no Windows-1252 converter to compare with");
    for (char32_t code = 1; code <= 0xFFFF; ++code) {
        if (QChar::isSurrogate(code))
            continue;
        const char16_t unit = char16_t(code);
        char in[2] = {char(unit & 0xFF), char(unit >> 8)};
        char out[8] = {};
        char *inPtr = in, *outPtr = out;
        size_t inLeft = 2, outLeft = sizeof(out);
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        const bool converted = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1);
        const QByteArray expected = converted ? QByteArray(out, int(sizeof(out) - outLeft)) : "?";
        const QByteArray ours = toWindows1252(QStringView(&unit, 1)).bytes;
        if (ours != expected)
            QFAIL(qPrintable(u"U+%1: ours %2, iconv %3"_s.arg(uint(code), 4, 16, QChar(u'0'))
                                 .arg(QString::fromLatin1(ours.toHex()),
                                      QString::fromLatin1(expected.toHex()))));
    }
    iconv_close(converter);
#else
    QSKIP("iconv is compared on Linux only");
#endif
}

void TestNameFile::windowsCodePagesNeverBestFit_data()
{
    QTest::addColumn<uint>("codePage");
    QTest::addColumn<QString>("character");
    QTest::addColumn<QByteArray>("bytes"); // empty: the code page cannot hold it

    QTest::newRow("Cyrillic in 1251") << 1251u << u"ж"_s << QByteArray("\xE6");
    QTest::newRow("é in 1251, not e") << 1251u << u"é"_s << QByteArray();
    QTest::newRow("ő in 1252, not o") << 1252u << u"ő"_s << QByteArray();
    QTest::newRow("Ā in 1252, not A") << 1252u << u"\u0100"_s << QByteArray();
    QTest::newRow("€ in 1252") << 1252u << u"€"_s << QByteArray("\x80");
    QTest::newRow("a CJK character in 932, two bytes") << 932u << u"日"_s << QByteArray("\x93\xFA");
}

// Windows itself maps a character that a code page lacks to a look-alike unless told not to.
void TestNameFile::windowsCodePagesNeverBestFit()
{
#ifdef Q_OS_WIN
    QFETCH(uint, codePage);
    QFETCH(QString, character);
    QFETCH(QByteArray, bytes);
    const std::optional<QByteArray> encoded = codePageBytes(codePage, character);
    QCOMPARE(encoded.value_or(QByteArray()), bytes);
#else
    QSKIP("Windows' code pages are there on Windows only");
#endif
}

void TestNameFile::lostCharacters_data()
{
    QTest::addColumn<QString>("nameLine");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lost");

    const QString high1(QChar(0xD800)), high2(QChar(0xDBFF));
    QTest::newRow("nothing lost") << u"^1Zoë €?"_s << QByteArray("^1Zo\xEB \x80?") << QStringList();
    QTest::newRow("each once, in order of first appearance")
        << u"Жук中Ж a\u0100Ж"_s << QByteArray("????? a??")
        << QStringList{u"Ж"_s, u"у"_s, u"к"_s, u"中"_s, u"\u0100"_s};
    QTest::newRow("an astral character is one")
        << u"😀x😀"_s << QByteArray("?x?") << QStringList{u"😀"_s};
    QTest::newRow("a lone surrogate is one")
        << high1 + u"x"_s << QByteArray("?x") << QStringList{high1};
    QTest::newRow("two high surrogates are two")
        << high1 + high2 + u"x"_s << QByteArray("??x") << QStringList{high1, high2};
}

void TestNameFile::lostCharacters()
{
    QFETCH(QString, nameLine);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lost);
    const NameFileText text = NameFileContents(nameLine, FixedClock());
    QCOMPARE(text.bytes, bytes + "\r\n" + EndingAt140509);
    QCOMPARE(text.lost, lost);
}

void TestNameFile::rewritingReplacesTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"name.cfg"_s);
    writeAll(path, QByteArray(500, 'x'));
    QVERIFY(WriteNameFile(path, u"first"_s, FixedClock()).written);
    QVERIFY(WriteNameFile(path, u"second"_s, FixedClock(May11At140509.addSecs(61))).written);
    QCOMPARE(readAll(path), "second\r\n//pmk.example.org//\r\n"
                            "//14:06:10  05-11-2002 Prismark Crew crew.example.org //\r\n");
    QCOMPARE(entries(folder.path()), QStringList{u"name.cfg"_s});
}

void TestNameFile::pathIsTakenAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written"); // the name of the file made in the current folder

    QTest::newRow("blanks kept, no extension added") << u" name "_s << u" name "_s;
#ifdef Q_OS_WIN
    // As Explorer's "Copy as path" gives it; a Windows file name cannot hold a double quote.
    QTest::newRow("double quotes around it") << u"\"name.cfg\""_s << u"name.cfg"_s;
#else
    QTest::newRow("double quotes are part of the name") << u"\"name.cfg\""_s << u"\"name.cfg\""_s;
#endif
}

// Relative to the current folder.
void TestNameFile::pathIsTakenAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    const bool done = WriteNameFile(typed, u"n"_s, FixedClock()).written;
    QDir::setCurrent(before);
    QVERIFY(done);
    QCOMPARE(entries(folder.path()), QStringList{written});
}

void TestNameFile::failuresLeaveEverythingAsItWas_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason");

    // The system's own words for its failures, where they are known.
#ifdef Q_OS_WIN
    const QString noSuchFile, nameTooLong;
#else
    const QString noSuchFile = u"No such file or directory"_s;
    const QString nameTooLong = u"File name too long"_s;
#endif
    QTest::newRow("empty path") << QString() << u"No file is named."_s;
    QTest::newRow("missing folder") << u"missing/name.cfg"_s << noSuchFile;
    QTest::newRow("folder as path") << u"existing.cfg/"_s << QString();
    QTest::newRow("a folder's name") << u"folder"_s << QString();
    QTest::newRow("path through a regular file") << u"existing.cfg/name.cfg"_s << QString();
    QTest::newRow("over-long name") << QString(300, u'n') << nameTooLong;
#ifdef Q_OS_WIN
    // A stream of a file is written in place or not at all, and it is no regular file.
    QTest::newRow("a stream of a file that is not there") << u"name.cfg:stream"_s << QString();
#endif
}

void TestNameFile::failuresLeaveEverythingAsItWas()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"folder"_s));
    writeAll(folder.filePath(u"existing.cfg"_s), "old contents\r\n");
    const QString path = relativePath.isEmpty() ? QString() : folder.filePath(relativePath);
    checkRefused(path, folder.path(), reason);
}

void TestNameFile::failurePartWayLeavesTheOldFile()
{
#ifdef Q_OS_LINUX
    QTemporaryDir folder;
    const QString path = folder.filePath(u"name.cfg"_s);
    const QByteArray old(40, 'o');
    writeAll(path, old);

    // A file-size limit makes the write fail after the first bytes.
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = 64;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &lowered) == 0);
    const NameFileResult result = WriteNameFile(path, QString(200, u'n'), FixedClock());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    QVERIFY(!result.written);
    QCOMPARE(result.failure, u"File too large"_s);
    QCOMPARE(readAll(path), old);
    QCOMPARE(entries(folder.path()), QStringList{u"name.cfg"_s});
#else
    QSKIP("file-size limits are set on Linux only");
#endif
}

void TestNameFile::specialFilesAreNeverReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << u"fifo"_s;
    QTest::newRow("symbolic link to a FIFO") << u"link to fifo"_s;
    QTest::newRow("character device") << u"device"_s;
    QTest::newRow("socket") << u"socket"_s;
}

void TestNameFile::specialFilesAreNeverReplaced()
{
#ifdef Q_OS_LINUX
    QFETCH(QString, kind);
    QTemporaryDir folder;
    const QString special = folder.filePath(u"special"_s);
    const QByteArray specialPath = QFile::encodeName(special);
    if (kind == u"device") {
        // A copy of /dev/null.
        if (mknod(specialPath.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("only root may make a device node");
    } else if (kind == u"socket") {
        const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(specialPath.size()) < sizeof(address.sun_path));
        qstrcpy(address.sun_path, specialPath.constData());
        QVERIFY(bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0);
        close(socketFd);
    } else {
        QVERIFY(mkfifo(specialPath.constData(), 0644) == 0);
    }
    QString path = special;
    if (kind == u"link to fifo") {
        path = folder.filePath(u"link"_s);
        QVERIFY(QFile::link(special, path));
    }
    checkRefused(path, folder.path(),
                 u"This is not a regular file but a device, pipe or socket."_s);
#else
    QSKIP("devices, FIFOs and sockets are made on Linux only");
#endif
}

void TestNameFile::windowsDeviceNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("device");

    QTest::newRow("NUL") << u"NUL"_s << true;
    QTest::newRow("lower case") << u"nul"_s << true;
    QTest::newRow("lower-case port") << u"com1"_s << true;
    QTest::newRow("with an extension") << u"CON.cfg"_s << true;
    QTest::newRow("with two extensions") << u"aux.tar.gz"_s << true;
    QTest::newRow("blank before the extension") << u"PRN .txt"_s << true;
    QTest::newRow("with a colon") << u"COM1:"_s << true;
    QTest::newRow("in a folder") << u"C:\\games\\LPT1"_s << true;
    QTest::newRow("forward slashes") << u"C:/games/lpt9.cfg"_s << true;
    QTest::newRow("drive-relative") << u"C:NUL"_s << true;
    QTest::newRow("superscript digit") << u"COM\u00B9"_s << true;
    QTest::newRow("console input") << u"CONIN$"_s << true;
    QTest::newRow("console output") << u"conout$.txt"_s << true;
    QTest::newRow("device namespace") << u"\\\\.\\PhysicalDrive0"_s << true;
    QTest::newRow("ordinary file") << u"C:\\prismark.cfg"_s << false;
    QTest::newRow("device name inside a name") << u"NULL.cfg"_s << false;
    QTest::newRow("COM10") << u"COM10"_s << false;
    QTest::newRow("COM0") << u"COM0"_s << false;
    QTest::newRow("device name as a folder") << u"C:\\CON\\x.cfg"_s << false;
    QTest::newRow("extension only") << u".nul"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestNameFile::windowsDeviceNames()
{
    QFETCH(QString, path);
    QFETCH(bool, device);
    QCOMPARE(isWindowsDeviceName(path), device);
}

void TestNameFile::windowsDeviceNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("NUL") << u"NUL"_s;
    QTest::newRow("con.cfg") << u"con.cfg"_s;
    QTest::newRow("COM1") << u"COM1"_s;
    QTest::newRow("LPT1.txt") << u"LPT1.txt"_s;
}

void TestNameFile::windowsDeviceNamesAreRefused()
{
#ifdef Q_OS_WIN
    QFETCH(QString, name);
    QTemporaryDir folder;
    for (const QString &path : {name, folder.filePath(name)})
        checkRefused(path, folder.path(),
                     u"This is not a regular file but a device, pipe or socket."_s);
#else
    QSKIP("device names are reserved on Windows only");
#endif
}

void TestNameFile::linkToARegularFileStaysALink()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(u"target.cfg"_s);
    const QString link = folder.filePath(u"link.cfg"_s);
    writeAll(target, "old");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(target, mode));
#ifdef Q_OS_WIN
    QSKIP("QFile::link makes a shortcut on Windows, which the file system does not follow");
#endif
    if (!QFile::link(target, link))
        QSKIP("this system makes no symbolic links here");

    QVERIFY(WriteNameFile(link, u"x"_s, FixedClock()).written);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(target), "x\r\n" + EndingAt140509);
    QCOMPARE(QFile::permissions(target) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), mode);
}

void TestNameFile::permissionFailure_data()
{
    QTest::addColumn<int>("fileMode"); // of the file already at the path; 0: none there
    QTest::addColumn<bool>("written");

    QTest::newRow("a file the user may not write") << 0644 << false;
    // The folder refuses the temporary file, so the file is written in place.
    QTest::newRow("a file the user may write: written in place") << 0666 << true;
    QTest::newRow("no file there: nothing is made") << 0 << false;
}

// In a folder that the user may not write. Root may write anything, so as root the check runs
// this test again as an unprivileged user.
void TestNameFile::permissionFailure()
{
#ifdef Q_OS_LINUX
    QFETCH(int, fileMode);
    QFETCH(bool, written);
    const QString folderPath = qEnvironmentVariable("PRISMARK_READ_ONLY_FOLDER");
    if (geteuid() != 0) {
        if (folderPath.isEmpty())
            QSKIP("needs a folder this user cannot write; run as root to have one made");
        const QString path = folderPath + u"/name.cfg"_s;
        if (written) {
            QVERIFY(WriteNameFile(path, u"x"_s, FixedClock()).written);
            QCOMPARE(entries(folderPath), QStringList{u"name.cfg"_s});
        } else {
            checkRefused(path, folderPath);
        }
        return;
    }
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (setpriv.isEmpty())
        QSKIP("running as root without setpriv: permission failures cannot be seen");
    const QStringList asNobody{u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s};
    const QString self = QCoreApplication::applicationFilePath();
    if (QProcess::execute(setpriv, asNobody + QStringList{u"test"_s, u"-x"_s, self}) != 0)
        QSKIP("the unprivileged user cannot reach this test program's folder");

    QTemporaryDir folder(QDir::tempPath() + u"/prismark-ro-XXXXXX"_s);
    QVERIFY(chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
    const QString path = folder.filePath(u"name.cfg"_s);
    if (fileMode != 0) {
        writeAll(path, "owned by root\r\n");
        QVERIFY(chmod(QFile::encodeName(path).constData(), mode_t(fileMode)) == 0);
    }

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PRISMARK_READ_ONLY_FOLDER"_s, folder.path());
    child.setProcessEnvironment(environment);
    child.start(setpriv,
                asNobody + QStringList{self, u"permissionFailure:"_s +
                                                 QString::fromLatin1(QTest::currentDataTag())});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
    if (written)
        QCOMPARE(readAll(path), "x\r\n" + EndingAt140509);
    else
        QCOMPARE(readAll(path), fileMode ? QByteArray("owned by root\r\n") : "<unreadable>");
#else
    QSKIP("checked on Linux only");
#endif
}

QTEST_GUILESS_MAIN(TestNameFile)
#include "tst_name_file.moc"
