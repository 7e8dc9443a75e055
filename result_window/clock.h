#pragma once

#include <QDate>
#include <QTime>

// The local clock, as the name file's time stamp reads it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QTime currentTime() const = 0;
    virtual QDate currentDate() const = 0;
};

// The real local clock.
const Clock &systemClock();
