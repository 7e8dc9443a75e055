#pragma once

#include "colour_value.h"

#include <QLatin1StringView>
#include <QStringView>
#include <array>

struct PaletteEntry
{
    QLatin1StringView ListLabel; // the exact text of the colour lists
    QLatin1StringView Code;      // caret and one code character
    ColourValue PreviewColour;
};

inline constexpr int PaletteSize = 26;
extern const std::array<PaletteEntry, PaletteSize> Palette;

// The text every colour list shows until the user picks a colour.
inline constexpr QLatin1StringView ColourPrompt{"- select a color -"};

// The entry whose label equals `listText` exactly, or nullptr.
const PaletteEntry *FindPaletteEntry(QStringView listText);

// True for the empty text and the prompt: no colour chosen.
bool IsNoColourChoice(QStringView listText);
