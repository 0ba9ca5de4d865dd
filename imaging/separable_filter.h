// The engine behind resampling, sharpening and softening: a filter applied first down the columns,
// then along the rows, with the weights of every output position computed once in fixed point.
// Pictures are processed one output row at a time, so besides source and destination only a few
// rows of working memory are needed.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "imaging/image.h"

// Weights are fixed point with this many fractional bits; the weights of one output position add up
// to exactly 1 << kWeightBits, so a constant picture stays constant to the last bit.
constexpr int kWeightBits = 22;

// The weights of one direction: output position i takes count[i] consecutive source positions from
// first[i] on, with weights[i * span ...]. Positions outside the picture are folded onto its edge
// pixel when the taps are made, so every tap reads inside the picture.
struct FilterTaps {
  int source_size = 0;
  int span = 0;  // room for weights per output position (the largest count)
  std::vector<int> first;
  std::vector<int> count;
  std::vector<std::int32_t> weights;

  int output_size() const { return static_cast<int>(first.size()); }
};

// Each output position copies the source position of the same number.
FilterTaps IdentityTaps(int size);

// Shrinking: output pixel i averages the source interval it covers, each source pixel weighted by
// the exact share of its area inside that interval.
FilterTaps AreaTaps(int source_size, int output_size);

// Growing: Catmull-Rom cubic interpolation (a = -0.5). It passes through the source samples, keeps
// straight ramps straight and is sharper than the smoothing B-spline family.
FilterTaps CubicTaps(int source_size, int output_size);

// The taps Resample uses for one direction: area, cubic or identity by the sizes.
FilterTaps ScalingTaps(int source_size, int output_size);

// Output positions begin ... end - 1 of taps (0 <= begin <= end <= taps.output_size()), as output
// positions 0 ... end - begin - 1: the taps of a part of the scaled picture.
FilterTaps TapsBetween(const FilterTaps& taps, int begin, int end);

// A Gaussian blur of the given standard deviation (pixels), cut off radius pixels each side.
FilterTaps GaussianTaps(int size, double sigma, int radius);

// Receives output row y (output width * 3 bytes), valid only during the call. Rows arrive in no
// particular order and, for large pictures, from several threads at once, each row exactly once:
// a sink writes only what belongs to row y and must not throw.
using FilteredRowSink = std::function<void(int y, const std::uint8_t* row)>;

// Filters source (which must be valid) with vertical (its source size = source.height) and then
// horizontal (its source size = source.width), handing every output row to sink. Only the source
// columns that horizontal reads are filtered down. Large pictures are split into bands of rows
// filtered by one thread per processor; the call returns when all are done.
void FilterRows(const RgbImage& source, const FilterTaps& horizontal, const FilterTaps& vertical,
                const FilteredRowSink& sink);
