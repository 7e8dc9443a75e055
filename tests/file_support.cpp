#include "file_support.h"

#include "name_file/name_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace FileSupport {

FixedClock::FixedClock(QDateTime now, bool movesOn) : m_now(std::move(now)), m_movesOn(movesOn) {}

QDateTime FixedClock::now() const
{
    const QDateTime reading = m_now;
    if (m_movesOn)
        m_now = m_now.addSecs(1);
    return reading;
}

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

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        // A pipe or device is never opened: reading one could hang.
        contents[entry.filePath()] = entry.isSymLink() ? "link to " + entry.symLinkTarget().toUtf8()
                                     : entry.isDir()   ? QByteArray("folder")
                                     : entry.isFile()  ? readAll(entry.filePath())
                                                       : QByteArray("special");
    }
    return contents;
}

void checkRefused(const QString &path, const QString &folder, const QString &reason)
{
    const QMap<QString, QByteArray> before = snapshot(folder);
    const NameFileResult result = WriteNameFile(path, u"^1X"_s, FixedClock());
    QVERIFY2(!result.written, qPrintable(path));
    QVERIFY(!result.failure.isEmpty());
    QVERIFY2(!result.failure.contains(u"Unknown error"_s, Qt::CaseInsensitive) &&
                 !result.failure.contains(u"No error"_s, Qt::CaseInsensitive),
             qPrintable(result.failure));
    if (!reason.isEmpty())
        QCOMPARE(result.failure, reason);
    QCOMPARE(snapshot(folder), before);
}

} // namespace FileSupport
