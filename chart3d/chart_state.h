#pragma once

// The chart's state and its projections, shared by the plot, the rotation controls and the
// reset. The chart is seen from the light end of L* while every angle is 0: b* runs to the
// right, a* runs down, and depth (z) grows toward the viewer.
#include <array>
#include <cstdint>

#include "platform/ui/tables.h"

// Before projection x, y, z are a*, b*, L*; after it the canvas column and row in pixels and
// the depth in L*a*b* units.
struct Point3D {
    float x;
    float y;
    float z;
    std::int32_t color;
};

// A projection maps a point to the canvas at `scale` pixels per L*a*b* unit.
using Projection = Point3D (*)(float scale, Point3D point);

// The canvas and the controls the chart reads, by the numbers the window's creation order gives.
inline constexpr int kCanvas = 2;
inline constexpr int kPhiSlide = 3;
inline constexpr int kThetaSlide = 5;
inline constexpr int kRhoSlide = 7;
inline constexpr int kEdgesCheckBox = 9;
inline constexpr int kScaleSlide = 10;

// The angles are kept only as their cosines and sines.
extern float cosRho, sinRho;
extern float cosTheta, sinTheta;
extern float cosPhi, sinPhi;
extern Projection projection;
extern float chartScale;
extern std::int32_t dotSize;
// Origin, a* end, b* end, L* end.
extern const std::array<Point3D, 4> axisPoints;
// Bottom face (L* 0) in ring order, then the top face (L* 100) in the same order.
extern const std::array<Point3D, 8> boxCorners;
// The box of the last preview at chartScale, and its corner farthest from the viewer.
extern std::array<Point, 8> edgePoints;
extern std::int32_t hiddenCorner;

// Turns about L*, b* and a* by the angle of the Rho, Theta and Phi slide.
Point3D RotateZ(Point3D p);
Point3D RotateY(Point3D p);
Point3D RotateX(Point3D p);

// The first rotation named belongs to the angle slide moved last.
Point3D ProjectZYX(float scale, Point3D p);
Point3D ProjectXZY(float scale, Point3D p);
Point3D ProjectYXZ(float scale, Point3D p);

// Ascending depth: 1 when first lies nearer than second, 0 when level, -1 when farther.
std::int32_t CompareDepth(const Point3D& first, const Point3D& second);

// The twelve edges of the projected box in `colour`, leaving out the three at `hidden`.
void DrawEdges(const std::array<Point, 8>& corners, int hidden, int colour);
