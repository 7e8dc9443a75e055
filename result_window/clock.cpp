#include "clock.h"

namespace {

class SystemClock final : public Clock
{
public:
    QTime currentTime() const override { return QTime::currentTime(); }
    QDate currentDate() const override { return QDate::currentDate(); }
};

} // namespace

const Clock &systemClock()
{
    static const SystemClock clock;
    return clock;
}
