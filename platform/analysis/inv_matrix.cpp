#include "platform/analysis/inv_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

int InvMatrix(const double* matrix, int n, double* result) {
    if (matrix == nullptr || result == nullptr || n <= 0) {
        return kInvMatrixBadSize;
    }
    const std::size_t size = static_cast<std::size_t>(n);
    std::vector<double> a(matrix, matrix + size * size);
    std::vector<double> inv(size * size, 0.0);
    double largest = 0.0;
    for (double v : a) {
        if (!std::isfinite(v)) {
            return kInvMatrixSingular;
        }
        largest = std::max(largest, std::fabs(v));
    }
    for (std::size_t i = 0; i < size; ++i) {
        inv[i * size + i] = 1.0;
    }
    // A pivot below this is rounding noise of a singular matrix, not a genuine value: accepting
    // it would hand out an "inverse" of magnitude 1e16 built from cancellation errors.
    const double tiny = largest * static_cast<double>(size) * std::numeric_limits<double>::epsilon();
    if (largest == 0.0) {
        return kInvMatrixSingular;
    }

    // Gauss-Jordan elimination with partial pivoting.
    for (std::size_t col = 0; col < size; ++col) {
        std::size_t pivotRow = col;
        for (std::size_t r = col + 1; r < size; ++r) {
            if (std::fabs(a[r * size + col]) > std::fabs(a[pivotRow * size + col])) {
                pivotRow = r;
            }
        }
        if (!(std::fabs(a[pivotRow * size + col]) > tiny)) {
            return kInvMatrixSingular;
        }
        if (pivotRow != col) {
            for (std::size_t k = 0; k < size; ++k) {
                std::swap(a[pivotRow * size + k], a[col * size + k]);
                std::swap(inv[pivotRow * size + k], inv[col * size + k]);
            }
        }
        const double pivot = a[col * size + col];
        for (std::size_t k = 0; k < size; ++k) {
            a[col * size + k] /= pivot;
            inv[col * size + k] /= pivot;
        }
        for (std::size_t r = 0; r < size; ++r) {
            if (r == col) {
                continue;
            }
            const double factor = a[r * size + col];
            if (factor == 0.0) {
                continue;
            }
            for (std::size_t k = 0; k < size; ++k) {
                a[r * size + k] -= factor * a[col * size + k];
                inv[r * size + k] -= factor * inv[col * size + k];
            }
        }
    }
    for (double v : inv) {
        if (!std::isfinite(v)) {
            return kInvMatrixSingular;
        }
    }
    std::copy(inv.begin(), inv.end(), result);
    return kInvMatrixOk;
}
