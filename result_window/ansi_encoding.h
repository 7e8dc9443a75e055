#pragma once

#include <QByteArray>
#include <QStringView>

// Text in the single-byte code page of the name file: the ANSI code page on Windows,
// Windows-1252 elsewhere. Each character the code page cannot represent becomes one '?'.
QByteArray toAnsi(QStringView text);

// Windows-1252 itself, on every platform.
QByteArray toWindows1252(QStringView text);
