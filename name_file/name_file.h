#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Clock;

struct NameFileText
{
    QByteArray bytes;
    QStringList lost; // characters of the name line that the code page cannot hold
};

// The name file's three lines, each ended by CR LF, in the file's code page: the name line as
// given, "//" and the site address and "//", and "//" with the time (hh:mm:ss), two blanks, the
// date (mm-dd-yyyy) and the credit text, all from one reading of the clock.
NameFileText NameFileContents(const QString &nameLine, const Clock &clock);

struct NameFileResult
{
    bool written;
    QString failure;  // why not, when not written
    QStringList lost; // characters of the name written as '?', when written
};

// Writes the name file at `path`, taken exactly as typed (on Windows, without the double quotes
// that Explorer puts around a copied path). Either the whole file is written, or whatever was at
// the path before is left as it was. Only a regular file is ever replaced: a device, pipe or
// socket at the path is refused untouched, and so is a Windows device name.
NameFileResult WriteNameFile(const QString &path, const QString &nameLine, const Clock &clock);

// Whether writing at `path` (as typed) would replace a regular file that is not a name file: a
// name file has three lines, the second of which is the site line. Such a file may be the game's
// own configuration, and is not replaced without a question.
bool ReplacesOtherThanANameFile(const QString &path);
