// The projections: canvas places and depths, float32 after every step, the rotations' order.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "chart3d/chart_state.h"

namespace {

auto At(Point3D p) {
    return std::make_tuple(p.x, p.y, p.z);
}

// Each member, and where it puts (1, 2, L* 53) at scale 1 with all three angles a quarter turn:
// six orders of three rotations give six places, so each member's own order is checked.
struct Member {
    const char* name;
    Projection project;
    std::tuple<float, float, float> quarterTurns;
};
void PrintTo(const Member& member, std::ostream* os) {
    *os << member.name;
}

class Projections : public ::testing::TestWithParam<Member> {
  protected:
    void SetUp() override {
        cosRho = cosTheta = cosPhi = 1.0f;
        sinRho = sinTheta = sinPhi = 0.0f;
    }
};

TEST_P(Projections, TopViewMapsBStarToColumnsAndAStarToRowsUnclamped) {
    const Projection project = GetParam().project;
    EXPECT_EQ(project(2.5f, {10.0f, -20.0f, 50.0f, 0x123456}).color, 0x123456);
    EXPECT_EQ(At(project(2.5f, {10.0f, -20.0f, 50.0f, 0})), std::make_tuple(206.0f, 281.0f, 0.0f));
    EXPECT_EQ(At(project(2.5f, axisPoints[1])), std::make_tuple(256.0f, 531.0f, 0.0f));
    EXPECT_EQ(At(project(2.5f, axisPoints[3])), std::make_tuple(256.0f, 256.0f, 80.0f));
    EXPECT_EQ(At(project(1.0f, boxCorners[0])), std::make_tuple(156.0f, 156.0f, -50.0f));
    cosRho = cosPhi = 0.6f;
    sinRho = sinTheta = 0.8f;
    EXPECT_EQ(At(project(6.0f, axisPoints[0])), std::make_tuple(256.0f, 256.0f, 0.0f));
    cosRho = cosTheta = cosPhi = 0.0f;
    sinRho = sinTheta = sinPhi = 1.0f;
    EXPECT_EQ(At(project(1.0f, {1.0f, 2.0f, 53.0f, 0})), GetParam().quarterTurns);
}

INSTANTIATE_TEST_SUITE_P(EveryMember, Projections,
                         ::testing::Values(Member{"ZYX", ProjectZYX, {254.0f, 259.0f, 1.0f}},
                                           Member{"XZY", ProjectXZY, {257.0f, 258.0f, -3.0f}},
                                           Member{"YXZ", ProjectYXZ, {259.0f, 255.0f, 2.0f}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rotations, QuarterTurnsChangeTwoFieldsFromTheirInputs) {
    cosRho = cosTheta = cosPhi = 0.0f;
    sinRho = sinTheta = sinPhi = 1.0f;
    EXPECT_EQ(At(RotateZ({1.0f, 2.0f, 3.0f, 7})), std::make_tuple(-2.0f, 1.0f, 3.0f));
    EXPECT_EQ(At(RotateY({1.0f, 5.0f, 2.0f, 7})), std::make_tuple(2.0f, 5.0f, -1.0f));
    EXPECT_EQ(At(RotateX({5.0f, 1.0f, 2.0f, 7})), std::make_tuple(5.0f, -2.0f, 1.0f));
    EXPECT_EQ(RotateX({5.0f, 1.0f, 2.0f, 7}).color, 7);
}

// Each step is stored as float32 before the next; carried in double the depth differs.
TEST(Rotations, EachStepIsStoredAsFloat) {
    cosRho = cosTheta = cosPhi = 0.7986355f;
    sinRho = sinTheta = sinPhi = 0.6018150f;
    const double c = cosRho, s = sinRho;
    int differFromDouble = 0;
    for (float a = -56.3f; a < 55.0f; a += 3.7f) {
        const float b = a * 0.61f + 3.1f, l = a * 0.43f + 50.0f, z = static_cast<float>(l - 50.0);
        const float x1 = static_cast<float>(a * c - b * s), y1 = static_cast<float>(a * s + b * c);
        const float x2 = static_cast<float>(x1 * c + z * s), z2 = static_cast<float>(-x1 * s + z * c);
        const float y3 = static_cast<float>(y1 * c - z2 * s), z3 = static_cast<float>(y1 * s + z2 * c);
        EXPECT_EQ(
            At(ProjectZYX(2.5f, {a, b, l, 0})),
            std::make_tuple(static_cast<float>(2.5 * y3 + 256), static_cast<float>(2.5 * x2 + 256), z3));
        const double inDouble = (a * s + b * c) * s + (-(a * c - b * s) * s + z * c) * c;
        if (static_cast<float>(inDouble) != z3) ++differFromDouble;
    }
    EXPECT_GT(differFromDouble, 0);
}

}  // namespace
