#include "whs/record.h"

#include <chrono>

namespace greenfold::whs {

int daynumber(const Date& d) {
    using namespace std::chrono;
    const sys_days days =
        year{d.year} / month{static_cast<unsigned>(d.month)} / day{static_cast<unsigned>(d.day)};
    return static_cast<int>(days.time_since_epoch().count());
}

bool isnine(const Round& r) {
    return r.out == 0 || r.in == 0;
}

int nineplayed(const Round& r) {
    return r.out == 0 ? 1 : 0;
}

int holesplayed(const Round& r) {
    return isnine(r) ? 9 : 18;
}

bool rateable(const Round& r) {
    return r.tee.slope > 0 && r.out + r.in > 0;
}

} // namespace greenfold::whs
