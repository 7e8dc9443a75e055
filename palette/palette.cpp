#include "palette.h"

using namespace Qt::StringLiterals;

const std::array<PaletteEntry, PaletteSize> Palette{{
    {"01 red"_L1, "^1"_L1, 0x000000FF},
    {"02 olivegreen"_L1, "^2"_L1, 0x00C0FFC0},
    {"03 yellow"_L1, "^3"_L1, 0x0000FFFF},
    {"04 midnightblue"_L1, "^4"_L1, 0x00FF0000},
    {"05 cyan"_L1, "^5"_L1, 0x00FFFF00},
    {"06 pink"_L1, "^6"_L1, 0x00FF00FF},
    {"07 white"_L1, "^7"_L1, 0x00FFFFFF},
    {"08 orange"_L1, "^b"_L1, 0x000080FF},
    {"09 redorange"_L1, "^c"_L1, 0x00800080},
    {"10 dodgerblue"_L1, "^d"_L1, SystemColour::Desktop},
    {"11 deeppink"_L1, "^e"_L1, 0x00C000C0},
    {"12 skyblue"_L1, "^f"_L1, 0x00404000},
    {"13 limegreen"_L1, "^g"_L1, 0x0000FF00},
    {"14 steelblue"_L1, "^i"_L1, 0x00800000},
    {"15 lightgreen"_L1, "^j"_L1, 0x00008000},
    {"16 moccasin"_L1, "^k"_L1, 0x0080C0FF},
    {"17 lightblue"_L1, "^l"_L1, 0x00FFC0C0},
    {"18 magenta"_L1, "^m"_L1, 0x00400040},
    {"19 forestgreen"_L1, "^n"_L1, 0x00004040},
    {"20 lightpink"_L1, "^o"_L1, 0x00000040},
    {"21 whitepink"_L1, "^q"_L1, 0x00FF80FF},
    {"22 purple"_L1, "^u"_L1, 0x00400040},
    {"23 black"_L1, "^w"_L1, 0x00000000},
    {"24 lightblue"_L1, "^y"_L1, 0x00004000},
    {"25 darkorange"_L1, "^z"_L1, 0x00004080},
    {"26 darkgray"_L1, "^-"_L1, 0x00FF8080},
}};

const PaletteEntry *FindPaletteEntry(QStringView listText)
{
    for (const PaletteEntry &entry : Palette) {
        if (listText.compare(entry.ListLabel, Qt::CaseSensitive) == 0)
            return &entry;
    }
    return nullptr;
}

bool IsNoColourChoice(QStringView listText)
{
    return listText.isEmpty() || listText.compare(ColourPrompt, Qt::CaseSensitive) == 0;
}
