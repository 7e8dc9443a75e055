#include "clock.h"

namespace {

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace

const Clock &systemClock()
{
    static const SystemClock clock;
    return clock;
}
