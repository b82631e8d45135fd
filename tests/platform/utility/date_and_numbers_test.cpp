// The system date and rounding to the nearest integer.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

#include "platform/utility/utility.h"

namespace {

TEST(RoundRealToNearestInteger, Values) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Row {
        double value;
        int expected;
    };
    const Row rows[] = {
        {0.0, 0},
        {4.4999, 4},
        {4.5, 5},
        {5.5, 6},
        {-4.5, -5},
        {-0.4, 0},
        {359.6, 360},
        {89.99, 90},
        {-0.5, -1},
        {1e12, kMax},
        {-1e12, kMin},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), kMax},
    };
    for (const auto& row : rows) EXPECT_EQ(RoundRealToNearestInteger(row.value), row.expected) << row.value;
}

TEST(GetSystemDate, IsTodayInLocalTime) {
    // Read the clock on both sides, so a test run across midnight still has one date to match.
    const std::time_t before = std::time(nullptr);
    int month = 0, day = 0, year = 0;
    ASSERT_EQ(GetSystemDate(&month, &day, &year), 0);
    const std::time_t after = std::time(nullptr);
    auto matches = [&](std::time_t t) {
        std::tm local{};
        localtime_r(&t, &local);
        return local.tm_mon + 1 == month && local.tm_mday == day && local.tm_year + 1900 == year;
    };
    EXPECT_TRUE(matches(before) || matches(after)) << month << "/" << day << "/" << year;
    EXPECT_GE(year, 2000);
    EXPECT_EQ(GetSystemDate(nullptr, &day, nullptr), 0) << "outputs not wanted may be null";
}

}  // namespace
