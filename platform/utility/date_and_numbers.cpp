#include <cmath>
#include <ctime>
#include <limits>

#include "platform/utility/utility.h"

int GetSystemDate(int* month, int* day, int* year) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    if (month) *month = local.tm_mon + 1;
    if (day) *day = local.tm_mday;
    if (year) *year = local.tm_year + 1900;
    return 0;
}

int RoundRealToNearestInteger(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::round(value);  // halves away from zero
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}
