#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Windows' own code pages, on Windows only.

// The system's ANSI code page, such as 1252 or 1251; 65001 where it is UTF-8.
unsigned int ansiCodePage();

// One character in code page `codePage`, or nothing where that code page has no exact
// equivalent for it (a best-fit look-alike does not count).
std::optional<QByteArray> codePageBytes(unsigned int codePage, QStringView character);

// Bytes in code page `codePage` as text.
QString codePageText(unsigned int codePage, QByteArrayView bytes);
