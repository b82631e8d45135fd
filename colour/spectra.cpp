#include "colour/spectra.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

namespace {

constexpr int kLastStandardNm = kStandardStart + (kSpectrumSamples - 1) * kStandardStep;  // 795

// True when every sample lands on a slot of the 5-nm grid (possibly outside its 100 slots).
bool SamplesOnGrid(const Spectrum& s) {
    return s.count >= 1 && s.count <= kSpectrumSamples && s.start % kStandardStep == 0 && s.step > 0 &&
           s.step % kStandardStep == 0;
}

std::int64_t LastWavelength(const Spectrum& s) {
    return s.start + static_cast<std::int64_t>(s.count - 1) * s.step;
}

}  // namespace

Spectrum* NewSpectrum() {
    Spectrum* spectrum = new (std::nothrow) Spectrum{};
    if (spectrum == nullptr) {
        return nullptr;
    }
    spectrum->start = kStandardStart;
    spectrum->step = kStandardStep;
    spectrum->count = kSpectrumSamples;
    return spectrum;
}

void FreeSpectrum(Spectrum* spectrum) {
    delete spectrum;
}

Spectrum* CopySpectrum(Spectrum* destination, const Spectrum* source) {
    *destination = *source;
    return destination;
}

// Linear interpolation: between samples i and i + 1 the slot at wavelength w holds
// v[i] + (w - w[i]) * (v[i+1] - v[i]) / step, the slope stored as float32; the last sample is
// placed unchanged. Slots that would fall outside the 100 values are not written.
Spectrum* FormatSpectrum(const Spectrum* source) {
    if (!SamplesOnGrid(*source)) {
        return nullptr;
    }
    Spectrum* out = NewSpectrum();
    if (out == nullptr) {
        return nullptr;
    }
    const std::int64_t slotsPerInterval = source->step / kStandardStep;
    const std::int64_t firstSlot =
        (static_cast<std::int64_t>(source->start) - kStandardStart) / kStandardStep;
    int i = 0;
    for (; i < source->count - 1; ++i) {
        const float a = source->values[i];
        const float slope = static_cast<float>(
            (static_cast<double>(source->values[i + 1]) - source->values[i]) / source->step);
        const std::int64_t base = firstSlot + i * slotsPerInterval;
        const std::int64_t from = std::max<std::int64_t>(0, -base);
        const std::int64_t to = std::min<std::int64_t>(slotsPerInterval, kSpectrumSamples - base);
        for (std::int64_t m = from; m < to; ++m) {
            out->values[base + m] = static_cast<float>(a + (5.0 * static_cast<double>(m)) * slope);
        }
    }
    const std::int64_t lastSlot = firstSlot + i * slotsPerInterval;
    if (lastSlot >= 0 && lastSlot < kSpectrumSamples) {
        out->values[lastSlot] = source->values[i];
    }
    return out;
}

Spectrum* DeltaSpectrum(const Spectrum* first, const Spectrum* second) {
    const SpectrumPtr f1(FormatSpectrum(first));
    const SpectrumPtr f2(FormatSpectrum(second));
    if (!f1 || !f2) {
        return nullptr;
    }
    Spectrum* d = NewSpectrum();
    if (d == nullptr) {
        return nullptr;
    }
    // The common range, kept on the standard grid so that every result slot exists.
    const std::int64_t start = std::max({first->start, second->start, kStandardStart});
    const std::int64_t end = std::min(
        {LastWavelength(*first), LastWavelength(*second), static_cast<std::int64_t>(kLastStandardNm)});

    for (int s = 0; s < kSpectrumSamples; ++s) {
        d->values[s] = static_cast<float>(static_cast<double>(f2->values[s]) - f1->values[s]);
    }
    const std::int64_t shift = (start - kStandardStart) / kStandardStep;
    if (shift > 0 && shift < kSpectrumSamples) {
        std::copy(d->values + shift, d->values + kSpectrumSamples, d->values);
    }
    d->start = static_cast<std::int32_t>(start);
    d->step = kStandardStep;
    d->count = end >= start ? static_cast<std::int32_t>((end - start) / kStandardStep + 1) : 0;
    return d;
}

double AbsorbedEnergySpectrum(const Spectrum* spectrum) {
    const int n = std::clamp(spectrum->count, 0, kSpectrumSamples);
    if (n == 0) {
        return std::numeric_limits<double>::quiet_NaN();  // the mean of nothing
    }
    float sum = 0.0f;
    for (int i = 0; i < n; ++i) {
        sum = static_cast<float>(static_cast<double>(sum) + spectrum->values[i]);
    }
    return 1.0 - (static_cast<double>(sum) / n) / 100.0;
}
