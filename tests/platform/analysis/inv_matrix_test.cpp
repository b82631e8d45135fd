#include "platform/analysis/inv_matrix.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

// Products of a matrix and its computed inverse, entries of order 1..10.
constexpr double kIdentityTolerance = 1e-12;

std::vector<double> Multiply(const std::vector<double>& a, const std::vector<double>& b, int n) {
    std::vector<double> p(static_cast<size_t>(n * n), 0.0);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            for (int k = 0; k < n; ++k) {
                p[i * n + j] += a[i * n + k] * b[k * n + j];
            }
        }
    }
    return p;
}

TEST(InvMatrix, KnownInverses) {
    struct Case {
        int n;
        std::vector<double> m;
        std::vector<double> inverse;
    };
    const std::vector<Case> cases = {
        {1, {4}, {0.25}},
        {2, {4, 7, 2, 6}, {0.6, -0.7, -0.2, 0.4}},
        // Needs a row swap: the first pivot is 0.
        {2, {0, 1, 1, 0}, {0, 1, 1, 0}},
        {3, {2, 0, 0, 0, 4, 0, 0, 0, 8}, {0.5, 0, 0, 0, 0.25, 0, 0, 0, 0.125}},
        {3, {1, 2, 3, 0, 1, 4, 5, 6, 0}, {-24, 18, 5, 20, -15, -4, -5, 4, 1}},
    };
    for (const Case& c : cases) {
        std::vector<double> result(c.m.size(), 99.0);
        ASSERT_EQ(InvMatrix(c.m.data(), c.n, result.data()), kInvMatrixOk);
        for (size_t i = 0; i < result.size(); ++i) {
            EXPECT_NEAR(result[i], c.inverse[i], kIdentityTolerance) << "n=" << c.n << " i=" << i;
        }
    }
}

TEST(InvMatrix, ProductWithInverseIsIdentity) {
    const std::vector<double> m = {3.2406, -1.5374, -0.4986, -0.9692, 1.876, 0.0416, 0.0556, -0.204, 1.057};
    std::vector<double> inv(9);
    ASSERT_EQ(InvMatrix(m.data(), 3, inv.data()), kInvMatrixOk);
    const std::vector<double> p = Multiply(m, inv, 3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(p[i * 3 + j], i == j ? 1.0 : 0.0, kIdentityTolerance);
        }
    }
}

TEST(InvMatrix, InPlaceInversion) {
    std::vector<double> m = {4, 7, 2, 6};
    ASSERT_EQ(InvMatrix(m.data(), 2, m.data()), kInvMatrixOk);
    EXPECT_NEAR(m[0], 0.6, kIdentityTolerance);
    EXPECT_NEAR(m[3], 0.4, kIdentityTolerance);
}

TEST(InvMatrix, RefusalsLeaveTheResultUntouched) {
    struct Case {
        const char* what;
        int n;
        std::vector<double> m;
        int code;
    };
    const std::vector<Case> cases = {
        {"zeros", 3, std::vector<double>(9, 0.0), kInvMatrixSingular},
        {"equal rows", 3, {1, 2, 3, 1, 2, 3, 0, 0, 1}, kInvMatrixSingular},
        // Exactly singular, though rounding leaves a pivot of about 1e-16.
        {"dependent rows", 3, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}, kInvMatrixSingular},
        {"nan", 2, {1, NAN, 0, 1}, kInvMatrixSingular},
        {"infinity", 2, {INFINITY, 0, 0, 1}, kInvMatrixSingular},
        {"size 0", 0, {1}, kInvMatrixBadSize},
        {"negative size", -3, {1}, kInvMatrixBadSize},
    };
    for (const Case& c : cases) {
        std::array<double, 9> result;
        result.fill(42.0);
        EXPECT_EQ(InvMatrix(c.m.data(), c.n, result.data()), c.code) << c.what;
        for (double v : result) {
            EXPECT_EQ(v, 42.0) << c.what;
        }
    }
    std::array<double, 4> result{};
    const double m[4] = {1, 0, 0, 1};
    EXPECT_EQ(InvMatrix(nullptr, 2, result.data()), kInvMatrixBadSize);
    EXPECT_EQ(InvMatrix(m, 2, nullptr), kInvMatrixBadSize);
}

}  // namespace
