#include "common/line_field.h"
#include "main_window/form1.h"
#include "result_window/ansi_encoding.h"
#include "result_window/form2.h"
#include "result_window/name_file.h"
#include "result_window/result_window_instance.h"
#include "test_support.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <iconv.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QDateTime May11At140509(QDate(2002, 5, 11), QTime(14, 5, 9));
const QByteArray SiteLine = "//pmk.example.org//\r\n";
const QByteArray Credit = " Prismark Crew crew.example.org //\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestNameFile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { discardWindows(); }

    void contents_data();
    void contents();
    void stampFormats_data();
    void stampFormats();
    void windows1252MatchesIconv();
    void rewritingReplacesTheFile();
    void pathIsTakenAsTyped();
    void failuresLeaveEverythingAsItWas_data();
    void failuresLeaveEverythingAsItWas();
    void failurePartWayLeavesTheOldFile();
    void permissionFailure();
    void buttonWritesTheResultField();
    void badPathIsReportedAndTheProgramGoesOn();
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
    const QByteArray expected = firstLine + SiteLine + "//14:05:09  05-11-2002" + Credit;
    QCOMPARE(NameFileContents(nameLine, FixedClock(May11At140509)), expected);
}

void TestNameFile::stampFormats_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("rollsOver");
    QTest::addColumn<QByteArray>("stamp");

    QTest::newRow("leading zeros everywhere") << QDateTime(QDate(2002, 1, 5), QTime(1, 2, 3))
                                              << false << QByteArray("//01:02:03  01-05-2002");
    QTest::newRow("24-hour clock, month first") << QDateTime(QDate(2026, 12, 31), QTime(23, 4, 5))
                                                << false << QByteArray("//23:04:05  12-31-2026");
    QTest::newRow("midnight between time and date")
        << QDateTime(QDate(2002, 12, 31), QTime(23, 59, 59)) << true
        << QByteArray("//23:59:59  01-01-2003");
}

void TestNameFile::stampFormats()
{
    QFETCH(QDateTime, now);
    QFETCH(bool, rollsOver);
    QFETCH(QByteArray, stamp);
    // Formats never follow the locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QByteArray contents = NameFileContents(u"x"_s, FixedClock(now, rollsOver));
    QLocale::setDefault(before);
    QCOMPARE(contents.split('\n').at(2), stamp + Credit.chopped(1));
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
        const QByteArray ours = toWindows1252(QStringView(&unit, 1));
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

void TestNameFile::rewritingReplacesTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"name.cfg"_s);
    writeAll(path, QByteArray(500, 'x'));
    QVERIFY(WriteNameFile(path, u"first"_s, FixedClock(May11At140509)).written);
    QVERIFY(WriteNameFile(path, u"second"_s, FixedClock(May11At140509.addSecs(61))).written);
    QCOMPARE(readAll(path), "second\r\n" + SiteLine + "//14:06:10  05-11-2002" + Credit);
    QCOMPARE(entries(folder.path()), QStringList{u"name.cfg"_s});
}

void TestNameFile::pathIsTakenAsTyped()
{
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    const bool written = WriteNameFile(u" name "_s, u"n"_s, FixedClock(May11At140509)).written;
    QDir::setCurrent(before);
    QVERIFY(written);
    // Relative to the current folder, blanks kept, no extension added.
    QCOMPARE(entries(folder.path()), QStringList{u" name "_s});
}

void TestNameFile::failuresLeaveEverythingAsItWas_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty path") << QString() << u"No such file or directory"_s;
    QTest::newRow("missing folder") << u"missing/name.cfg"_s << u"No such file or directory"_s;
    QTest::newRow("folder as path") << u"existing.cfg/"_s << QString();
    QTest::newRow("a folder's name") << u"folder"_s << QString();
    QTest::newRow("path through a regular file") << u"existing.cfg/name.cfg"_s << QString();
    QTest::newRow("over-long name") << QString(300, u'n') << u"File name too long"_s;
}

void TestNameFile::failuresLeaveEverythingAsItWas()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"folder"_s));
    const QString existing = folder.filePath(u"existing.cfg"_s);
    const QByteArray old = "old contents\r\n";
    writeAll(existing, old);
    const QStringList before = entries(folder.path());

    const QString path = relativePath.isEmpty() ? QString() : folder.filePath(relativePath);
    const NameFileResult result = WriteNameFile(path, u"^1X"_s, FixedClock(May11At140509));
    QVERIFY(!result.written);
    QVERIFY(!result.failure.isEmpty());
    if (!reason.isEmpty())
        QCOMPARE(result.failure, reason);
    QCOMPARE(readAll(existing), old);
    QCOMPARE(entries(folder.path()), before);
    QVERIFY(entries(folder.filePath(u"folder"_s)).isEmpty());
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
    const NameFileResult result =
        WriteNameFile(path, QString(200, u'n'), FixedClock(May11At140509));
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

// Root writes read-only files, so the check runs this test again as an unprivileged user.
void TestNameFile::permissionFailure()
{
#ifdef Q_OS_LINUX
    const QString folderPath = qEnvironmentVariable("PRISMARK_READ_ONLY_FOLDER");
    if (geteuid() != 0) {
        if (folderPath.isEmpty())
            QSKIP("needs a folder this user cannot write; run as root to have one made");
        const QString path = folderPath + u"/name.cfg"_s;
        const QByteArray old = readAll(path);
        const NameFileResult result = WriteNameFile(path, u"x"_s, FixedClock(May11At140509));
        QVERIFY(!result.written);
        QVERIFY2(result.failure.contains(u"not writable"_s), qPrintable(result.failure));
        QCOMPARE(readAll(path), old);
        QCOMPARE(entries(folderPath), QStringList{u"name.cfg"_s});
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
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    const QString path = folder.filePath(u"name.cfg"_s);
    writeAll(path, "owned by root\r\n");

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PRISMARK_READ_ONLY_FOLDER"_s, folder.path());
    environment.insert(u"XDG_RUNTIME_DIR"_s, QDir::tempPath());
    child.setProcessEnvironment(environment);
    child.start(setpriv, asNobody + QStringList{self, u"permissionFailure"_s});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
    QCOMPARE(readAll(path), QByteArray("owned by root\r\n"));
#else
    QSKIP("checked on Linux only");
#endif
}

void TestNameFile::buttonWritesTheResultField()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"prismark.cfg"_s);
    Form2 *window = GetResultWindow();
    const FixedClock clock(May11At140509);
    window->setClock(clock);
    window->show();
    window->resultField()->setText(u"seta name \"^1XYZ^7Name\""_s);
    window->pathField()->setText(path);
    QTest::mouseClick(window->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(readAll(path),
             "seta name \"^1XYZ^7Name\"\r\n" + SiteLine + "//14:05:09  05-11-2002" + Credit);
}

void TestNameFile::badPathIsReportedAndTheProgramGoesOn()
{
    Form1 *main = startMainWindow();
    setRow(main, 1, u"XYZ"_s, u"01 red"_s);
    Form2 *window = createName(main);
    QTemporaryDir folder;
    const QString badPath = folder.filePath(u"missing/prismark.cfg"_s);
    window->pathField()->setText(badPath);

    QString report;
    int buttons = 0;
    answerNextMessageBox([&](QMessageBox *box) {
        report = box->text();
        buttons = box->buttons().size();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(window->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);

    QVERIFY2(report.contains(badPath), qPrintable(report));
    QVERIFY2(report.contains(u"No such file or directory"_s), qPrintable(report));
    QCOMPARE(buttons, 1);
    QVERIFY(main->isVisible());
    QVERIFY(window->isVisible());
    QCOMPARE(window->pathField()->text(), badPath);
    QCOMPARE(window->resultField()->text(), u"^1XYZ"_s);
    QCOMPARE(partText(main, 1)->text(), u"XYZ"_s);
    QVERIFY(!QFileInfo::exists(folder.filePath(u"missing"_s)));
}

QTEST_MAIN(TestNameFile)
#include "tst_name_file.moc"
