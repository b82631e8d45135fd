#pragma once

// Matrix inversion of the analysis library.

constexpr int kInvMatrixOk = 0;
// n is not positive, or a pointer is null.
constexpr int kInvMatrixBadSize = -1;
// The matrix has no inverse (or holds a value that is not finite).
constexpr int kInvMatrixSingular = -2;

// Inverts the n x n matrix `matrix` (row by row) into `result` (n * n doubles, row by row).
// Returns kInvMatrixOk, or a negative code and then leaves `result` untouched.
// `matrix` and `result` may be the same array.
int InvMatrix(const double* matrix, int n, double* result);
