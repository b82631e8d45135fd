#include "colour/ral_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "colour/cie_conversions.h"
#include "colour/colour_differences.h"

namespace {

struct Table {
    const RalDesignColor* data;
    int count;
};

Table GetTable() {
    int count = -1;
    const RalDesignColor* data = GetRalDesignDataAddress(&count);
    return {data, count};
}

struct Code {
    int hue, lightness, chroma;
};

Code ParseCode(const RalDesignColor& r) {
    Code c{};
    EXPECT_EQ(std::sscanf(r.code, "%3d %2d %2d", &c.hue, &c.lightness, &c.chroma), 3) << r.code;
    return c;
}

int Position(const RalDesignColor* r) {
    return static_cast<int>(r - GetTable().data);
}

// The record a plain scan of the whole table picks: the first of the least CMC(2:1) differences.
const RalDesignColor* PlainNearest(ColorTriple hlc) {
    const Table t = GetTable();
    const ColorTriple q = HLC__Lab(hlc);
    float best = 1e38f;
    const RalDesignColor* found = nullptr;
    for (int i = 0; i < t.count; ++i) {
        const float d = DeltaECMC(2, 1, q, {t.data[i].L, t.data[i].a, t.data[i].b});
        if (d < best) {
            best = d;
            found = &t.data[i];
        }
    }
    return found;
}

// Must run before any other query in the process: the result starts as null.
TEST(RalDesignNearest, NotANumberAsFirstQueryGivesNull) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(HLC__TrueRalDesign({nan, 50, 20}), nullptr);
    EXPECT_EQ(HLC__TrueRalDesign({10, nan, 20}), nullptr);
}

TEST(RalDesignNearest, QueryThatChoosesNothingKeepsThePreviousResult) {
    const RalDesignColor* grey = HLC__TrueRalDesign({0, 50, 0});
    ASSERT_NE(grey, nullptr);
    EXPECT_STREQ(grey->code, "000 50 00");
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(HLC__TrueRalDesign({std::numeric_limits<float>::quiet_NaN(), 50, 20}), grey);
    EXPECT_EQ(HLC__TrueRalDesign({10, inf, 20}), grey);
}

TEST(RalDesignTable, CountAndAddressAreStable) {
    const Table first = GetTable();
    const Table second = GetTable();
    EXPECT_EQ(first.count, 1688);
    EXPECT_EQ(second.count, 1688);
    EXPECT_EQ(first.data, second.data);
    EXPECT_EQ(sizeof(RalDesignColor), 24u);  // 12 code characters and three float32
}

TEST(RalDesignTable, CodesAreNinePaddedCharactersInPageOrder) {
    const Table t = GetTable();
    EXPECT_STREQ(t.data[0].code, "010 90 05");
    EXPECT_STREQ(t.data[t.count - 1].code, "000 90 00");

    std::vector<int> pageStarts;
    std::set<std::string> distinct;
    for (int i = 0; i < t.count; ++i) {
        const RalDesignColor& r = t.data[i];
        ASSERT_EQ(std::strlen(r.code), 9u) << i;
        EXPECT_EQ(r.code[9], '\0');
        EXPECT_EQ(r.code[10], '\0');
        EXPECT_EQ(r.code[11], '\0');
        EXPECT_EQ(r.code[3], ' ');
        EXPECT_EQ(r.code[6], ' ');
        distinct.insert(r.code);
        if (i == 0 || std::strncmp(r.code, t.data[i - 1].code, 3) != 0) {
            pageStarts.push_back(i);
        }
    }
    EXPECT_EQ(distinct.size(), 1687u);
    // 39 hue pages and the grey page, each one run.
    ASSERT_EQ(pageStarts.size(), 40u);
    std::vector<int> hues;
    for (int start : pageStarts) {
        hues.push_back(ParseCode(t.data[start]).hue);
    }
    std::vector<int> expectedHues;
    for (int h = 10; h <= 360; h += 10) {
        expectedHues.push_back(h);
        if (h == 70 || h == 80 || h == 90) {
            expectedHues.push_back(h + 5);
        }
    }
    expectedHues.push_back(0);
    EXPECT_EQ(hues, expectedHues);
    EXPECT_EQ(pageStarts[1], 49);     // 020
    EXPECT_EQ(pageStarts[38], 1630);  // 360
    EXPECT_EQ(pageStarts[39], 1672);  // greys
}

TEST(RalDesignTable, LightnessAndChromaOrderWithinPages) {
    const Table t = GetTable();
    int groupSize = 0;
    int largestGroup = 0;
    for (int i = 0; i < 1672; ++i) {
        const Code c = ParseCode(t.data[i]);
        const bool newPage = i == 0 || ParseCode(t.data[i - 1]).hue != c.hue;
        const Code prev = newPage ? Code{c.hue, 100, 0} : ParseCode(t.data[i - 1]);
        if (c.lightness != prev.lightness) {
            ASSERT_LT(c.lightness, prev.lightness) << t.data[i].code;
            EXPECT_TRUE(c.chroma == 5 || c.chroma == 10) << t.data[i].code << " starts a lightness group";
            groupSize = 1;
        } else {
            ++groupSize;
            if (std::strcmp(t.data[i].code, "360 30 30") == 0 && i == 1668) {
                EXPECT_EQ(prev.chroma, 35);  // the one group out of order
            } else {
                EXPECT_GT(c.chroma, prev.chroma) << t.data[i].code;
            }
        }
        EXPECT_EQ(c.lightness % 10, 0) << t.data[i].code;
        EXPECT_GE(c.lightness, 20);
        EXPECT_LE(c.lightness, 90);
        largestGroup = std::max(largestGroup, groupSize);
        if (c.hue == 250) {
            EXPECT_NE(c.lightness, 90);
        }
    }
    EXPECT_EQ(largestGroup, 12);

    for (int i = 1672; i < 1688; ++i) {
        const Code c = ParseCode(t.data[i]);
        EXPECT_EQ(c.hue, 0);
        EXPECT_EQ(c.chroma, 0);
        EXPECT_EQ(c.lightness, 15 + 5 * (i - 1672));
    }
}

TEST(RalDesignTable, DuplicateRecordIsIdentical) {
    const Table t = GetTable();
    EXPECT_STREQ(t.data[1666].code, "360 30 30");
    EXPECT_EQ(std::memcmp(&t.data[1666], &t.data[1668], sizeof(RalDesignColor)), 0);
    EXPECT_STREQ(t.data[1667].code, "360 30 35");
}

// The float32 nearest to v rounded to 3 decimals, with the sign of v when that is zero.
float ThreeDecimals(double v) {
    const long long thousandths = std::llround(v * 1000.0);
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld.%03lld", v < 0 ? "-" : "", std::llabs(thousandths) / 1000,
                  std::llabs(thousandths) % 1000);
    return std::strtof(text, nullptr);
}

TEST(RalDesignTable, ValuesAreTheRoundedProductsOfTheCode) {
    constexpr double kPi = 3.141592653589793;
    const Table t = GetTable();
    for (int i = 0; i < t.count; ++i) {
        const RalDesignColor& r = t.data[i];
        const Code c = ParseCode(r);
        const double angle = kPi * c.hue / 180.0;
        const float a = ThreeDecimals(c.chroma * std::cos(angle));
        const float b = ThreeDecimals(c.chroma * std::sin(angle));
        ASSERT_EQ(r.L, static_cast<float>(c.lightness)) << r.code;
        ASSERT_EQ(r.a, a) << r.code;
        ASSERT_EQ(r.b, b) << r.code;
        ASSERT_EQ(std::signbit(r.a), std::signbit(a)) << r.code;
        ASSERT_EQ(std::signbit(r.b), std::signbit(b)) << r.code;
    }
}

TEST(RalDesignTable, SignsOfZeros) {
    const Table t = GetTable();
    int negativeZeroA = 0;
    int negativeZeroB = 0;
    for (int i = 0; i < t.count; ++i) {
        const RalDesignColor& r = t.data[i];
        const int hue = ParseCode(r).hue;
        if (r.a == 0.0f) {
            EXPECT_EQ(std::signbit(r.a), hue == 270) << r.code;
            negativeZeroA += std::signbit(r.a);
        }
        if (r.b == 0.0f) {
            EXPECT_EQ(std::signbit(r.b), hue == 360) << r.code;
            negativeZeroB += std::signbit(r.b);
        }
    }
    EXPECT_EQ(negativeZeroA, 40);  // every record of page 270
    EXPECT_EQ(negativeZeroB, 42);  // every record of page 360

    struct Row {
        int index;
        const char* code;
        float L, a, b;
        bool aNegative, bNegative;
    };
    const Row rows[] = {
        {0, "010 90 05", 90, 4.924f, 0.868f, false, false},
        {1630, "360 90 05", 90, 5, 0, false, true},
        {1687, "000 90 00", 90, 0, 0, false, false},
    };
    for (const Row& row : rows) {
        const RalDesignColor& r = t.data[row.index];
        EXPECT_STREQ(r.code, row.code);
        EXPECT_EQ(r.L, row.L);
        EXPECT_EQ(r.a, row.a);
        EXPECT_EQ(r.b, row.b);
        EXPECT_EQ(std::signbit(r.a), row.aNegative) << r.code;
        EXPECT_EQ(std::signbit(r.b), row.bNegative) << r.code;
    }
    bool found270 = false;
    for (int i = 0; i < t.count; ++i) {
        if (std::strcmp(t.data[i].code, "270 90 05") == 0) {
            found270 = true;
            EXPECT_EQ(t.data[i].a, 0.0f);
            EXPECT_TRUE(std::signbit(t.data[i].a));
            EXPECT_EQ(t.data[i].b, -5.0f);
        }
        if (std::strncmp(t.data[i].code, "090", 3) == 0) {
            EXPECT_FALSE(std::signbit(t.data[i].a)) << t.data[i].code;
        }
        if (std::strncmp(t.data[i].code, "180", 3) == 0) {
            EXPECT_FALSE(std::signbit(t.data[i].b)) << t.data[i].code;
        }
    }
    EXPECT_TRUE(found270);
}

TEST(RalDesignCodes, RoundTo5) {
    const struct {
        float v;
        int expected;
    } rows[] = {
        {2.5f, 0},  {2.6f, 5},   {7.5f, 5},     {7.6f, 10},  {357.5f, 355}, {357.6f, 360},  {0.0f, 0},
        {-3.0f, 0}, {-7.0f, -5}, {-12.5f, -10}, {12.5f, 10}, {-0.0f, 0},    {999.0f, 1000}, {-101.0f, -100},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RoundTo5(row.v), row.expected) << row.v;
    }
}

TEST(RalDesignCodes, RoundTo5SaturatesBeyondTheIntRange) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(RoundTo5(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(RoundTo5(1e20f), 2147483645);
    EXPECT_EQ(RoundTo5(inf), 2147483645);
    EXPECT_EQ(RoundTo5(-1e20f), -2147483645);
    EXPECT_EQ(RoundTo5(-inf), -2147483645);
    EXPECT_EQ(RoundTo5(2147483520.0f), 2147483520);  // largest float below 2^31, a multiple of 5
}

TEST(RalDesignCodes, HlcToCode) {
    const struct {
        ColorTriple hlc;
        const char* code;
    } rows[] = {
        {{3, 90, 5}, "360 90 05"},
        {{7.5f, 50, 10}, "360 50 10"},
        {{7.6f, 50, 10}, "010 50 10"},
        {{200, 55, 2.5f}, "000 55 00"},
        {{355, 20, 2.6f}, "355 20 05"},
        {{359, 42.6f, 23}, "360 45 25"},
        {{12.5f, 32.5f, 17.5f}, "010 30 15"},
        {{100, 100, 0}, "000 100 00"},
        {{0, 0, 0}, "000 00 00"},
    };
    for (const auto& row : rows) {
        EXPECT_STREQ(HLC__RalDesign(row.hlc), row.code)
            << row.hlc.c1 << " " << row.hlc.c2 << " " << row.hlc.c3;
    }
}

TEST(RalDesignCodes, OversizedNumbersAreClippedInsideTheBuffer) {
    const struct {
        ColorTriple hlc;
        const char* code;
    } rows[] = {
        {{100, 999, 999}, "100 999 999"},  // the widest code that fits as it is
        {{100, 5000, 20}, "100 999 20"},         {{100, 50, 1e9f}, "100 50 999"},
        {{5000, 50, 20}, "999 50 20"},           {{100, -500, 20}, "100 -99 20"},
        {{1e30f, -1e30f, 1e30f}, "999 -99 999"},
    };
    for (const auto& row : rows) {
        const char* code = HLC__RalDesign(row.hlc);
        EXPECT_STREQ(code, row.code);
        EXPECT_LT(std::strlen(code), 12u);
    }
}

TEST(RalDesignCodes, TableCodesComeBackFromTheirNumbersAndTheirLab) {
    const Table t = GetTable();
    for (int i = 0; i < t.count; ++i) {
        const RalDesignColor& r = t.data[i];
        const Code c = ParseCode(r);
        std::string expected = r.code;
        if (c.chroma % 5 != 0) {
            char text[12];
            std::snprintf(text, sizeof text, "%03d %02d %02d", c.hue, c.lightness, RoundTo5(c.chroma));
            expected = text;
        }
        const ColorTriple numbers{static_cast<float>(c.hue), static_cast<float>(c.lightness),
                                  static_cast<float>(c.chroma)};
        ASSERT_EQ(HLC__RalDesign(numbers), expected) << "from the numbers of " << r.code;
        ASSERT_EQ(HLC__RalDesign(Lab__HLC({r.L, r.a, r.b})), expected) << "from the L*a*b* of " << r.code;
    }
    EXPECT_STREQ(HLC__RalDesign({10, 40, 53}), "010 40 55");
    EXPECT_STREQ(HLC__RalDesign({40, 40, 67}), "040 40 65");
}

TEST(RalDesignNearest, EveryCodeFindsItsOwnRecord) {
    const Table t = GetTable();
    for (int i = 0; i < t.count; ++i) {
        const Code c = ParseCode(t.data[i]);
        const RalDesignColor* found = HLC__TrueRalDesign(
            {static_cast<float>(c.hue), static_cast<float>(c.lightness), static_cast<float>(c.chroma)});
        ASSERT_NE(found, nullptr);
        const int expected = i == 1668 ? 1666 : i;  // the duplicate resolves to its first record
        ASSERT_EQ(Position(found), expected) << t.data[i].code;
    }
}

TEST(RalDesignNearest, ChosenRecords) {
    const struct {
        ColorTriple hlc;
        const char* code;
        int position;  // -1: not checked
    } rows[] = {
        {{0, 50, 0}, "000 50 00", -1},   {{0, 52, 0}, "000 50 00", -1},      {{3, 90, 5}, "360 90 05", -1},
        {{45, 65, 72}, "050 60 70", -1}, {{357, 30, 31}, "360 30 30", 1666},
    };
    for (const auto& row : rows) {
        const RalDesignColor* found = HLC__TrueRalDesign(row.hlc);
        ASSERT_NE(found, nullptr);
        EXPECT_STREQ(found->code, row.code);
        if (row.position >= 0) {
            EXPECT_EQ(Position(found), row.position);
        }
    }
    const RalDesignColor* grey = HLC__TrueRalDesign({0, 50, 0});
    EXPECT_EQ(DeltaECMC(2, 1, HLC__Lab({0, 50, 0}), {grey->L, grey->a, grey->b}), 0.0f);
}

// The search skips records it can prove to be farther; what it returns must be what the plain
// scan returns, including on hue lines, between pages and far outside the colour solid.
TEST(RalDesignNearest, AgreesWithThePlainScan) {
    std::vector<ColorTriple> queries;
    for (float h = 0; h <= 360; h += 7.5f) {
        for (float l = 0; l <= 100; l += 12.5f) {
            for (float c = 0; c <= 100; c += 12.5f) {
                queries.push_back({h, l, c});
            }
        }
    }
    // Exactly on hue lines, where float32 chromas can make the CMC hue radicand negative.
    for (float h : {10.0f, 90.0f, 180.0f, 270.0f, 360.0f}) {
        for (float l = 20; l <= 90; l += 10) {
            for (float c = 5; c <= 60; c += 5) {
                queries.push_back({h, l, c});
                queries.push_back({h, l + 5, c + 2.5f});
            }
        }
    }
    // Pseudo-random points, a fixed sequence.
    unsigned state = 12345;
    const auto next = [&state](float range) {
        state = state * 1103515245u + 12345u;
        return range * static_cast<float>((state >> 8) & 0xFFFF) / 65535.0f;
    };
    for (int i = 0; i < 1500; ++i) {
        queries.push_back({next(400) - 20, next(140) - 20, next(150)});
    }
    queries.push_back({0, 1e6f, 0});
    queries.push_back({45, -1e6f, 1e5f});
    queries.push_back({-720, 50, 30});

    for (const ColorTriple& q : queries) {
        const RalDesignColor* expected = PlainNearest(q);
        ASSERT_EQ(HLC__TrueRalDesign(q), expected) << q.c1 << " " << q.c2 << " " << q.c3;
    }
}

}  // namespace
