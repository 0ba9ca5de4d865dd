// Separable filtering in fixed point: weight tables and the row-by-row filter loop.
#include "imaging/separable_filter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace {

constexpr std::int32_t kWeightOne = std::int32_t{1} << kWeightBits;
constexpr std::int32_t kRoundingHalf = kWeightOne / 2;
// Below this much work per band (rows times the wider of source and output row), starting a
// thread costs more than it saves.
constexpr std::int64_t kMinPixelsPerBand = 256 * 1024;
constexpr int kMaxBands = 16;

FilterTaps EmptyTaps(int source_size, int output_size, int span) {
  FilterTaps taps;
  taps.source_size = source_size;
  taps.span = span;
  taps.first.resize(output_size);
  taps.count.resize(output_size);
  taps.weights.assign(static_cast<std::size_t>(output_size) * span, 0);
  return taps;
}

// Stores the real-valued weights of output position `output`, which start at source position
// `start` (possibly outside the picture): folds them onto the edge pixels, drops zero weights at
// both ends, normalises the sum to one and rounds to fixed point, giving the rounding remainder to
// the largest weight.
void StoreWeights(FilterTaps& taps, int output, int start, const std::vector<double>& weights) {
  const int last_position = taps.source_size - 1;
  const int count = static_cast<int>(weights.size());
  const int low = std::clamp(start, 0, last_position);
  const int high = std::clamp(start + count - 1, 0, last_position);
  std::vector<double> folded(high - low + 1, 0.0);
  for (int k = 0; k < count; ++k) folded[std::clamp(start + k, 0, last_position) - low] += weights[k];

  int begin = 0;
  int end = static_cast<int>(folded.size());
  while (end - begin > 1 && folded[begin] == 0.0) ++begin;
  while (end - begin > 1 && folded[end - 1] == 0.0) --end;
  double sum = 0.0;
  for (int k = begin; k < end; ++k) sum += folded[k];

  std::int32_t* stored = taps.weights.data() + static_cast<std::size_t>(output) * taps.span;
  std::int32_t total = 0;
  int largest = 0;
  for (int k = begin; k < end; ++k) {
    const auto weight = static_cast<std::int32_t>(std::lround(folded[k] / sum * kWeightOne));
    stored[k - begin] = weight;
    total += weight;
    if (std::abs(weight) > std::abs(stored[largest])) largest = k - begin;
  }
  stored[largest] += kWeightOne - total;
  taps.first[output] = low + begin;
  taps.count[output] = end - begin;
}

double CatmullRom(double distance) {
  const double x = std::fabs(distance);
  if (x < 1.0) return (1.5 * x - 2.5) * x * x + 1.0;
  if (x < 2.0) return ((-0.5 * x + 2.5) * x - 4.0) * x + 2.0;
  return 0.0;
}

std::uint8_t FixedToByte(std::int32_t sum) {
  return static_cast<std::uint8_t>(std::clamp((sum + kRoundingHalf) >> kWeightBits, 0, 255));
}

bool IsIdentity(const FilterTaps& taps) {
  if (taps.source_size != taps.output_size()) return false;
  for (int i = 0; i < taps.output_size(); ++i) {
    if (taps.first[i] != i || taps.count[i] != 1) return false;
  }
  return true;
}

// The bytes of a row that the filter along the rows reads: from the first pixel of the lowest
// position to the last of the highest. Only these need filtering down the columns.
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};

ByteRange BytesRead(const FilterTaps& horizontal) {
  if (horizontal.output_size() == 0) return {};
  ByteRange range{static_cast<std::size_t>(horizontal.source_size) * 3, 0};
  for (int x = 0; x < horizontal.output_size(); ++x) {
    range.begin = std::min(range.begin, static_cast<std::size_t>(horizontal.first[x]) * 3);
    range.end = std::max(range.end, static_cast<std::size_t>(horizontal.first[x] + horizontal.count[x]) * 3);
  }
  return range;
}

// Working rows of one band of output rows.
struct RowBuffers {
  std::vector<std::int32_t> sums;  // source width * 3
  std::vector<std::uint8_t> column_filtered;  // source width * 3
  std::vector<std::uint8_t> output;  // output width * 3
};

// Filters down the columns for output row y: the weighted sum of the source rows it takes, for the
// bytes in columns alone (the rest of the returned row is not to be read).
const std::uint8_t* FilterColumns(const RgbImage& source, const FilterTaps& vertical, int y, ByteRange columns,
                                  RowBuffers& buffers) {
  const int count = vertical.count[y];
  if (count == 1) return source.row(vertical.first[y]);
  const std::size_t end = columns.end;
  std::int32_t* __restrict sums = buffers.sums.data();
  const std::int32_t* weights = vertical.weights.data() + static_cast<std::size_t>(y) * vertical.span;
  std::fill(sums + columns.begin, sums + end, 0);
  for (int k = 0; k < count; ++k) {
    const std::uint8_t* __restrict row = source.row(vertical.first[y] + k);
    const std::int32_t weight = weights[k];
    for (std::size_t i = columns.begin; i < end; ++i) sums[i] += weight * row[i];
  }
  std::uint8_t* __restrict filtered = buffers.column_filtered.data();
  for (std::size_t i = columns.begin; i < end; ++i) filtered[i] = FixedToByte(sums[i]);
  return filtered;
}

// Filters one row along its pixels, three channels at a time.
void FilterRow(const std::uint8_t* __restrict row, const FilterTaps& horizontal, std::uint8_t* __restrict output) {
  for (int x = 0; x < horizontal.output_size(); ++x) {
    const std::int32_t* weights = horizontal.weights.data() + static_cast<std::size_t>(x) * horizontal.span;
    const std::uint8_t* pixel = row + static_cast<std::size_t>(horizontal.first[x]) * 3;
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    for (int k = 0; k < horizontal.count[x]; ++k, pixel += 3) {
      red += weights[k] * pixel[0];
      green += weights[k] * pixel[1];
      blue += weights[k] * pixel[2];
    }
    output[x * 3] = FixedToByte(red);
    output[x * 3 + 1] = FixedToByte(green);
    output[x * 3 + 2] = FixedToByte(blue);
  }
}

}  // namespace

FilterTaps IdentityTaps(int size) {
  FilterTaps taps = EmptyTaps(size, size, 1);
  for (int i = 0; i < size; ++i) {
    taps.first[i] = i;
    taps.count[i] = 1;
    taps.weights[i] = kWeightOne;
  }
  return taps;
}

FilterTaps AreaTaps(int source_size, int output_size) {
  // In units of 1 / output_size of a source pixel, output pixel i covers [i * source_size,
  // (i + 1) * source_size) and source pixel j covers [j * output_size, (j + 1) * output_size): the
  // overlaps are exact integers.
  const int span = (source_size + output_size - 1) / output_size + 1;
  FilterTaps taps = EmptyTaps(source_size, output_size, span);
  std::vector<double> weights;
  for (int i = 0; i < output_size; ++i) {
    const std::int64_t begin = std::int64_t{i} * source_size;
    const std::int64_t end = begin + source_size;
    const auto first = static_cast<int>(begin / output_size);
    const auto last = static_cast<int>((end - 1) / output_size);
    weights.clear();
    for (int j = first; j <= last; ++j) {
      const std::int64_t overlap = std::min(end, std::int64_t{j + 1} * output_size) -
                                   std::max(begin, std::int64_t{j} * output_size);
      weights.push_back(static_cast<double>(overlap));
    }
    StoreWeights(taps, i, first, weights);
  }
  return taps;
}

FilterTaps CubicTaps(int source_size, int output_size) {
  FilterTaps taps = EmptyTaps(source_size, output_size, 4);
  const double scale = static_cast<double>(source_size) / output_size;
  std::vector<double> weights(4);
  for (int i = 0; i < output_size; ++i) {
    // Pixel centres line up: output centre i + 0.5 sits at source coordinate (i + 0.5) * scale.
    // Beyond the outermost source centres the edge pixel is repeated; interpolating there against
    // a mirrored or repeated neighbour would darken or brighten a rim along the picture's edges.
    const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, source_size - 1.0);
    const double floor_centre = std::floor(centre);
    const int start = static_cast<int>(floor_centre) - 1;
    for (int k = 0; k < 4; ++k) weights[k] = CatmullRom(centre - (floor_centre - 1 + k));
    StoreWeights(taps, i, start, weights);
  }
  return taps;
}

FilterTaps ScalingTaps(int source_size, int output_size) {
  if (output_size < source_size) return AreaTaps(source_size, output_size);
  if (output_size > source_size) return CubicTaps(source_size, output_size);
  return IdentityTaps(source_size);
}

FilterTaps TapsBetween(const FilterTaps& taps, int begin, int end) {
  FilterTaps part;
  part.source_size = taps.source_size;
  part.span = taps.span;
  part.first.assign(taps.first.begin() + begin, taps.first.begin() + end);
  part.count.assign(taps.count.begin() + begin, taps.count.begin() + end);
  part.weights.assign(taps.weights.begin() + static_cast<std::ptrdiff_t>(begin) * taps.span,
                      taps.weights.begin() + static_cast<std::ptrdiff_t>(end) * taps.span);
  return part;
}

FilterTaps GaussianTaps(int size, double sigma, int radius) {
  FilterTaps taps = EmptyTaps(size, size, std::min(2 * radius + 1, size));
  std::vector<double> weights(2 * radius + 1);
  for (int k = -radius; k <= radius; ++k) weights[k + radius] = std::exp(-0.5 * k * k / (sigma * sigma));
  for (int i = 0; i < size; ++i) StoreWeights(taps, i, i - radius, weights);
  return taps;
}

void FilterRows(const RgbImage& source, const FilterTaps& horizontal, const FilterTaps& vertical,
                const FilteredRowSink& sink) {
  // Bands of consecutive output rows go to separate threads; small pictures stay on this one.
  const int rows = vertical.output_size();
  const std::int64_t work = std::int64_t{rows} * std::max(source.width, horizontal.output_size());
  const int processors = static_cast<int>(std::thread::hardware_concurrency());
  const int bands = static_cast<int>(std::clamp<std::int64_t>(
      std::min<std::int64_t>(processors, work / kMinPixelsPerBand), 1, std::min(kMaxBands, rows)));
  // All working memory is allocated here, before any thread starts.
  std::vector<RowBuffers> buffers(bands);
  for (RowBuffers& band : buffers) {
    band.sums.resize(source.row_bytes());
    band.column_filtered.resize(source.row_bytes());
    band.output.resize(static_cast<std::size_t>(horizontal.output_size()) * 3);
  }
  const bool rows_unchanged = IsIdentity(horizontal);
  const ByteRange columns = BytesRead(horizontal);
  const auto filter_band = [&](int band) {
    const int end = static_cast<int>(std::int64_t{rows} * (band + 1) / bands);
    for (int y = static_cast<int>(std::int64_t{rows} * band / bands); y < end; ++y) {
      const std::uint8_t* column_filtered = FilterColumns(source, vertical, y, columns, buffers[band]);
      if (rows_unchanged) {
        sink(y, column_filtered);
        continue;
      }
      FilterRow(column_filtered, horizontal, buffers[band].output.data());
      sink(y, buffers[band].output.data());
    }
  };
  std::vector<std::thread> helpers;
  std::vector<int> left_over;  // bands whose thread could not be started
  for (int band = 1; band < bands; ++band) {
    try {
      helpers.emplace_back(filter_band, band);
    } catch (const std::system_error&) {
      left_over.push_back(band);
    }
  }
  filter_band(0);
  for (int band : left_over) filter_band(band);
  for (std::thread& helper : helpers) helper.join();
}
