#include "systemclock.h"

#include <QDate>

namespace brisolant {

int SystemClock::currentYear() const {
    return QDate::currentDate().year();
}

} // namespace brisolant
