#pragma once

#include <QByteArray>
#include <QString>

class Clock;

// The name file's three lines, each ended by CR LF, in the file's code page: the name line as
// given, "//" and the site address and "//", and "//" with the time (hh:mm:ss), two blanks, the
// date (mm-dd-yyyy) and the credit text. The time is read before the date.
QByteArray NameFileContents(const QString &nameLine, const Clock &clock);

struct NameFileResult
{
    bool written;
    QString failure; // why not, when not written
};

// Writes the name file at `path`, taken exactly as given. Either the whole file is written, or
// whatever was at the path before is left as it was.
NameFileResult WriteNameFile(const QString &path, const QString &nameLine, const Clock &clock);
