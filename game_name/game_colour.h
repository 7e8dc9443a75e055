#pragma once

#include <QLatin1StringView>

#include <array>

// The game's own colour table: the game does not know the palette's 26 colours, and shows each
// colour code in one of these eight.
namespace GameName {

struct GameColour
{
    QLatin1StringView name;
    int red, green, blue; // 0 to 255
};

inline constexpr std::array<GameColour, 8> ColourTable{{
    {QLatin1StringView("black"), 0, 0, 0},
    {QLatin1StringView("red"), 255, 26, 26},
    {QLatin1StringView("green"), 169, 194, 116},
    {QLatin1StringView("yellow"), 255, 255, 0},
    {QLatin1StringView("blue"), 77, 77, 255},
    {QLatin1StringView("cyan"), 0, 255, 255},
    {QLatin1StringView("magenta"), 255, 0, 255},
    {QLatin1StringView("white"), 255, 255, 255},
}};

// The index in ColourTable of the code whose second byte is `second`: (second - '0') & 7, which
// is the byte's value modulo 8, as '0' is a multiple of 8. The game drops the codes of index 0,
// black, from names.
constexpr int colourIndex(char second)
{
    return (static_cast<unsigned char>(second) - '0') & 7;
}

} // namespace GameName
