#pragma once

#include <QDateTime>

// The local clock, as the name file's time stamp reads it: date and time in one reading, so
// that a click at the stroke of midnight never pairs one day's time with the next day's date.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The real local clock.
const Clock &systemClock();
