// The projections: canvas places and depths, the rounding to float32 after every step, and
// the order of the three rotations.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "chart3d/chart_state.h"

namespace {

class Projections : public ::testing::TestWithParam<Projection> {
  protected:
    void SetUp() override {
        cosRho = cosTheta = cosPhi = 1.0f;
        sinRho = sinTheta = sinPhi = 0.0f;
    }
};

void ExpectAt(Point3D p, float x, float y, float z) {
    EXPECT_EQ(std::tie(p.x, p.y, p.z), std::tie(x, y, z));
}

TEST_P(Projections, TopViewMapsBStarToColumnsAStarToRowsAndKeepsTheColour) {
    const Projection project = GetParam();
    const Point3D p = project(2.5f, {10.0f, -20.0f, 50.0f, 0x123456});
    ExpectAt(p, 206.0f, 281.0f, 0.0f);
    EXPECT_EQ(p.color, 0x123456);
    // Axis ends beyond the canvas are not clamped; the L* end falls on the origin.
    ExpectAt(project(2.5f, axisPoints[1]), 256.0f, 531.0f, 0.0f);
    ExpectAt(project(2.5f, axisPoints[2]), 531.0f, 256.0f, 0.0f);
    ExpectAt(project(2.5f, axisPoints[3]), 256.0f, 256.0f, 80.0f);
    ExpectAt(project(1.0f, boxCorners[0]), 156.0f, 156.0f, -50.0f);
    ExpectAt(project(2.5f, boxCorners[6]), 506.0f, 506.0f, 50.0f);
    // The centre stays put at any angles.
    cosRho = cosPhi = 0.6f;
    sinRho = sinTheta = 0.8f;
    ExpectAt(project(6.0f, axisPoints[0]), 256.0f, 256.0f, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(EveryMember, Projections, ::testing::Values(ProjectZYX, ProjectXZY, ProjectYXZ),
                         [](const auto& info) {
                             return info.param == ProjectZYX   ? "ZYX"
                                    : info.param == ProjectXZY ? "XZY"
                                                               : "YXZ";
                         });

TEST(Rotations, QuarterTurnsMoveTwoFieldsAndPassTheOthers) {
    cosRho = cosTheta = cosPhi = 0.0f;
    sinRho = sinTheta = sinPhi = 1.0f;
    ExpectAt(RotateZ({1.0f, 2.0f, 3.0f, 7}), -2.0f, 1.0f, 3.0f);
    ExpectAt(RotateY({1.0f, 5.0f, 2.0f, 7}), 2.0f, 5.0f, -1.0f);
    const Point3D x = RotateX({5.0f, 1.0f, 2.0f, 7});
    ExpectAt(x, 5.0f, -2.0f, 1.0f);
    EXPECT_EQ(x.color, 7);
}

TEST(Rotations, TheSlideMovedLastTurnsFirst) {
    cosRho = cosPhi = 0.0f;
    sinRho = sinPhi = 1.0f;
    cosTheta = 1.0f;
    sinTheta = 0.0f;
    ExpectAt(ProjectZYX(1.0f, {1.0f, 0.0f, 50.0f, 0}), 256.0f, 256.0f, 1.0f);
    ExpectAt(ProjectXZY(1.0f, {1.0f, 0.0f, 50.0f, 0}), 257.0f, 256.0f, 0.0f);
    ExpectAt(ProjectYXZ(1.0f, {1.0f, 0.0f, 50.0f, 0}), 257.0f, 256.0f, 0.0f);
}

// Every step is rounded to float32 before the next: the same steps carried in double give
// other pixels' worth of last bits, which the test must be able to tell apart.
TEST(Rotations, EachStepIsStoredAsFloat) {
    const double angle = 37.0 * 0.017453292519943295;
    cosRho = static_cast<float>(std::cos(static_cast<float>(angle)));
    sinRho = static_cast<float>(std::sin(static_cast<float>(angle)));
    cosTheta = cosPhi = cosRho;
    sinTheta = sinPhi = sinRho;
    int differFromDouble = 0;
    for (float a = -56.3f; a < 55.0f; a += 3.7f) {
        const Point3D in{a, a * 0.61f + 3.1f, 50.0f + a * 0.43f, 0};
        float x = in.x, y = in.y, z = static_cast<float>(double{in.z} - 50.0);
        double dx = x, dy = y, dz = z;
        const float x1 = static_cast<float>(double{x} * cosRho - double{y} * sinRho);
        y = static_cast<float>(double{x} * sinRho + double{y} * cosRho);
        x = x1;
        const float x2 = static_cast<float>(double{x} * cosTheta + double{z} * sinTheta);
        z = static_cast<float>(-double{x} * sinTheta + double{z} * cosTheta);
        x = x2;
        const float y3 = static_cast<float>(double{y} * cosPhi - double{z} * sinPhi);
        z = static_cast<float>(double{y} * sinPhi + double{z} * cosPhi);
        y = y3;
        ExpectAt(ProjectZYX(2.5f, in), static_cast<float>(2.5 * y + 256.0),
                 static_cast<float>(2.5 * x + 256.0), z);
        const double ex = dx * cosRho - dy * sinRho, ey = dx * sinRho + dy * cosRho;
        const double fz = -ex * sinTheta + dz * cosTheta;
        if (static_cast<float>(ey * sinPhi + fz * cosPhi) != z) ++differFromDouble;
    }
    EXPECT_GT(differFromDouble, 0);
}

TEST(CompareDepth, OrdersByZAlone) {
    EXPECT_EQ(CompareDepth({0, 0, 2.0f, 1}, {9, 9, 1.0f, 0}), 1);
    EXPECT_EQ(CompareDepth({0, 0, 1.0f, 1}, {9, 9, 1.0f, 0}), 0);
    EXPECT_EQ(CompareDepth({0, 0, -1.0f, 1}, {9, 9, 1.0f, 0}), -1);
}

}  // namespace
