#pragma once

#include <QStringView>

// Whether Windows takes `path` for a device rather than a file: a reserved name such as NUL,
// CON, COM1 or LPT1 as its last part (in any case, with or without an extension or a folder
// before it), or a path in the device namespace, which begins with \\.\ .
bool isWindowsDeviceName(QStringView path);
