#pragma once

#include <cstdint>
#include <memory>

// A sampled spectral function: reflectance factors in percent (a perfect white reflector is
// 100 everywhere) or relative spectral power on any scale. values[i] is the sample at
// start + i * step nm for i < count; the 100 entries exist whatever count says.
struct Spectrum {
    std::int32_t start;
    std::int32_t step;
    std::int32_t count;
    float values[100];
};

// The standard grid: 300, 305, ... 795 nm.
inline constexpr int kSpectrumSamples = 100;
inline constexpr int kStandardStart = 300;
inline constexpr int kStandardStep = 5;

// A new zero-filled standard-grid record owned by the caller (release with FreeSpectrum);
// null when memory is exhausted.
Spectrum* NewSpectrum();
// Releases a record; null is accepted.
void FreeSpectrum(Spectrum* spectrum);
// Copies the header and all 100 values; returns the destination.
Spectrum* CopySpectrum(Spectrum* destination, const Spectrum* source);

// The source linearly interpolated onto a new standard-grid record; slots outside the source's
// range stay 0. A source whose samples do not fall on the grid (count outside 1..100, start
// not a multiple of 5, step not a positive multiple of 5) is refused with null, as is a failed
// allocation; samples below 300 nm or above 795 nm are dropped.
Spectrum* FormatSpectrum(const Spectrum* source);

// second - first at start, start + 5, ... over their common range within 300..795 nm, each side
// resampled as FormatSpectrum does; a new record (count 0 when the ranges do not meet), or null
// when either side is refused or memory is exhausted.
Spectrum* DeltaSpectrum(const Spectrum* first, const Spectrum* second);

// 1 - (mean of the first count values) / 100: the absorbed fraction of a reflectance. A count
// above 100 counts as 100; an empty record gives NaN.
double AbsorbedEnergySpectrum(const Spectrum* spectrum);

// Owning handle for records from NewSpectrum, FormatSpectrum and DeltaSpectrum.
struct SpectrumFree {
    void operator()(Spectrum* spectrum) const { FreeSpectrum(spectrum); }
};
using SpectrumPtr = std::unique_ptr<Spectrum, SpectrumFree>;
