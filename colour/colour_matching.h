#pragma once

#include "colour/color_triple.h"
#include "colour/spectra.h"

// Colour-matching functions of the CIE standard observers at whole nanometres, 360..830 nm,
// and the integration of spectra into XYZ. Observer flag 0 is the CIE 1931 2-degree observer,
// any other value the CIE 1964 10-degree observer.

// (x-bar, y-bar, z-bar) of the 2-degree observer; (-1, -1, -1) outside 360..830 nm.
ColorTriple GetXyz31(int wavelength);
// (x-bar, y-bar, z-bar) of the 10-degree observer; (-1, -1, -1) outside 360..830 nm.
ColorTriple GetXyz64(int wavelength);
// The 10-degree table for a non-zero observer flag, else the 2-degree table.
ColorTriple GetColorMatchingValue(int observer, int wavelength);

// Chromaticity (x, y, z) of light of a single wavelength: the spectral locus. Outside
// 360..830 nm, where no colour-matching value exists, (-1, -1, -1).
ColorTriple GetXYZFromPureWave(int observer, int wavelength);

// White point (X, 100, Z) of a relative spectral power distribution, from its samples at
// 360..830 nm; the scale of the values does not matter. (-1, -1, -1) when Y sums to 0 (no
// sample there, or no power).
ColorTriple GetRefFromSpectrum(int observer, const Spectrum* distribution);

// XYZ (0..100) of a reflectance in percent under illuminant 0..5 (A, C, D50, D55, D65, D75), from
// its samples at 360..829 nm, each sample weighted equally: X = sum S R x-bar / sum S y-bar.
// (-1, -1, -1) for an illuminant without spectral power data; (0, 0, 0) with no sample in range.
ColorTriple Reflectance__XYZ(int illuminant, int observer, const Spectrum* reflectance);
