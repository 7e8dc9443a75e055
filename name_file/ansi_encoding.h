#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

// Text in a single-byte code page. Each character that the code page cannot hold becomes one
// '?' (a character outside the Basic Multilingual Plane, too), never a look-alike.
struct AnsiText
{
    QByteArray bytes;
    QStringList lost; // the characters written as '?', each once, in order of first appearance
};

// The name file's code page: the ANSI code page on Windows, unless that is UTF-8, which the game
// cannot read; Windows-1252 there and everywhere else.
AnsiText toAnsi(QStringView text);

// Windows-1252 itself, on every platform.
AnsiText toWindows1252(QStringView text);

// Bytes in the name file's code page as text: the way back from toAnsi().
QString fromAnsi(QByteArrayView bytes);
