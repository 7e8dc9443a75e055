#pragma once

#include <QString>
#include <QStringList>

// The notice after a name file was written with characters that its code page cannot hold,
// given each once in order of first appearance. It lists the first 20 of them, each with its
// code point, and then the count of the rest.
QString LostCharactersNotice(const QStringList &lost);
