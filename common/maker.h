#pragma once

#include <QLatin1StringView>

// Who made Prismark, as the main window's credits and the name file's comment lines tell it.
namespace Maker {

inline constexpr QLatin1StringView Site{"pmk.example.org"};
inline constexpr QLatin1StringView GroupName{"Prismark Crew"};
inline constexpr QLatin1StringView SecondSite{"crew.example.org"};
inline constexpr QLatin1StringView ContactAddress{"crew@pmk.example.org"};
inline constexpr QLatin1StringView CreditLine{"by the Prismark Crew"};

} // namespace Maker
