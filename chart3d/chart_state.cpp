#include "chart3d/chart_state.h"

float cosRho = 1.0f, sinRho = 0.0f;
float cosTheta = 1.0f, sinTheta = 0.0f;
float cosPhi = 1.0f, sinPhi = 0.0f;
Projection projection = ProjectZYX;
float chartScale = 2.5f;
std::int32_t dotSize = 10;  // the Scale slide's rule at 2.5

const std::array<Point3D, 4> axisPoints{{
    {0.0f, 0.0f, 50.0f, 0},
    {110.0f, 0.0f, 50.0f, 0},
    {0.0f, 110.0f, 50.0f, 0},
    {0.0f, 0.0f, 130.0f, 0},
}};

const std::array<Point3D, 8> boxCorners{{
    {-100.0f, -100.0f, 0.0f, 0},
    {100.0f, -100.0f, 0.0f, 0},
    {100.0f, 100.0f, 0.0f, 0},
    {-100.0f, 100.0f, 0.0f, 0},
    {-100.0f, -100.0f, 100.0f, 0},
    {100.0f, -100.0f, 100.0f, 0},
    {100.0f, 100.0f, 100.0f, 0},
    {-100.0f, 100.0f, 100.0f, 0},
}};

std::array<Point, 8> edgePoints{};
std::int32_t hiddenCorner = 0;

namespace {

constexpr float kCentreL = 50.0f;
constexpr float kCanvasCentre = 256.0f;

// Each step works in double on float operands and stores float: the pictures of the chart
// depend on these roundings, so no step is merged with the next.
float Stored(double value) {
    return static_cast<float>(value);
}

Point3D Centred(Point3D p) {
    return {Stored(double{p.x} - 0.0), Stored(double{p.y} - 0.0), Stored(double{p.z} - kCentreL), p.color};
}

// The rotated b* gives the canvas column and the rotated a* the row; depth is not scaled.
Point3D OnCanvas(float scale, Point3D rotated) {
    return {Stored(double{scale} * rotated.y + kCanvasCentre),
            Stored(double{scale} * rotated.x + kCanvasCentre), rotated.z, rotated.color};
}

}  // namespace

Point3D RotateZ(Point3D p) {
    return {Stored(double{p.x} * cosRho - double{p.y} * sinRho),
            Stored(double{p.x} * sinRho + double{p.y} * cosRho), p.z, p.color};
}

Point3D RotateY(Point3D p) {
    return {Stored(double{p.x} * cosTheta + double{p.z} * sinTheta), p.y,
            Stored(-double{p.x} * sinTheta + double{p.z} * cosTheta), p.color};
}

Point3D RotateX(Point3D p) {
    return {p.x, Stored(double{p.y} * cosPhi - double{p.z} * sinPhi),
            Stored(double{p.y} * sinPhi + double{p.z} * cosPhi), p.color};
}

Point3D ProjectZYX(float scale, Point3D p) {
    return OnCanvas(scale, RotateX(RotateY(RotateZ(Centred(p)))));
}

Point3D ProjectXZY(float scale, Point3D p) {
    return OnCanvas(scale, RotateY(RotateZ(RotateX(Centred(p)))));
}

Point3D ProjectYXZ(float scale, Point3D p) {
    return OnCanvas(scale, RotateZ(RotateX(RotateY(Centred(p)))));
}

std::int32_t CompareDepth(const Point3D& first, const Point3D& second) {
    if (first.z > second.z) return 1;
    if (first.z < second.z) return -1;
    return 0;
}
