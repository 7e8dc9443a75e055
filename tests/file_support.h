#pragma once

#include "name_file/clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

namespace FileSupport {

// 14:05:09 on 11 May 2002, and the two lines that end every name file written at that moment.
inline const QDateTime May11At140509(QDate(2002, 5, 11), QTime(14, 5, 9));
inline const QByteArray EndingAt140509 =
    "//pmk.example.org//\r\n"
    "//14:05:09  05-11-2002 Prismark Crew crew.example.org //\r\n";

// A clock that shows a fixed moment. With `movesOn`, every reading moves it on by a second
// afterwards, as a real clock does between two readings.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now = May11At140509, bool movesOn = false);
    QDateTime now() const override;

private:
    mutable QDateTime m_now;
    bool m_movesOn;
};

QByteArray readAll(const QString &path); // "<unreadable>" where it cannot be read
void writeAll(const QString &path, const QByteArray &bytes);

// The names in `folder`, hidden and special ones included.
QStringList entries(const QString &folder);

// Everything in `folder` and below it: each path with the bytes of a regular file, or its kind.
QMap<QString, QByteArray> snapshot(const QString &folder);

// Writes a name file at `path`, and checks that the write was refused with a reason (in the
// system's own words: never "Unknown error" or "No error"; `reason` exactly, where given) and
// that nothing in `folder` changed.
void checkRefused(const QString &path, const QString &folder, const QString &reason = {});

} // namespace FileSupport
