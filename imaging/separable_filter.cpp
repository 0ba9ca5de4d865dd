// Separable filtering in fixed point: weight tables and the row-by-row filter loop. The filter along
// the rows uses SSE2, which every x86-64 processor has (Quellmoor is built for x86-64 alone).
#include "imaging/separable_filter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>

#include <emmintrin.h>

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

// The weights of the filter along the rows, as SSE2's multiply-add of 16-bit pairs takes them: the
// taps of a position in pairs, each weight w split into high = w >> 11 and low = w & 2047, so that
// w * byte = (high * byte << 11) + low * byte with every product and pair sum inside 32 bits. Each
// group of eight holds one pair's high or low weights for red, green and blue, then two zeros; a
// position's odd last tap is paired with a zero weight. The sums stay exactly those of the plain
// weights.
struct PairedWeights {
  int pairs = 0;  // per output position
  std::vector<std::int16_t> high;
  std::vector<std::int16_t> low;
};

constexpr int kPairLanes = 8;

PairedWeights PairWeights(const FilterTaps& horizontal) {
  PairedWeights paired;
  paired.pairs = (horizontal.span + 1) / 2;
  const std::size_t lanes = static_cast<std::size_t>(horizontal.output_size()) * paired.pairs * kPairLanes;
  paired.high.reserve(lanes);
  paired.low.reserve(lanes);
  for (int x = 0; x < horizontal.output_size(); ++x) {
    const std::int32_t* weights = horizontal.weights.data() + static_cast<std::size_t>(x) * horizontal.span;
    for (int pair = 0; pair < paired.pairs; ++pair) {
      const int k = 2 * pair;
      const std::int32_t first = k < horizontal.count[x] ? weights[k] : 0;
      const std::int32_t second = k + 1 < horizontal.count[x] ? weights[k + 1] : 0;
      const auto high_first = static_cast<std::int16_t>(first >> 11);
      const auto high_second = static_cast<std::int16_t>(second >> 11);
      const auto low_first = static_cast<std::int16_t>(first & 2047);
      const auto low_second = static_cast<std::int16_t>(second & 2047);
      paired.high.insert(paired.high.end(),
                         {high_first, high_second, high_first, high_second, high_first, high_second, 0, 0});
      paired.low.insert(paired.low.end(), {low_first, low_second, low_first, low_second, low_first, low_second, 0, 0});
    }
  }
  return paired;
}

// Bytes read past a row by the filter along the rows: the partner of an odd last tap, and a whole
// 4-byte load at the last pixel.
std::size_t RowSlack(const FilterTaps& horizontal) { return static_cast<std::size_t>(horizontal.span + 2) * 3; }

// Working rows of one band of output rows.
struct RowBuffers {
  std::vector<std::uint8_t> column_filtered;  // source width * 3 + RowSlack
  std::vector<std::uint8_t> output;  // output width * 3 + 1: each pixel is stored as 4 bytes
};

// A pair of weights as the multiply-add of 16-bit pairs takes them, split as in PairedWeights:
// every 32-bit lane holds (first, second).
__m128i WeightPair(std::int32_t first, std::int32_t second, int shift, std::int32_t mask) {
  const auto first_part = static_cast<std::uint16_t>((first >> shift) & mask);
  const auto second_part = static_cast<std::uint16_t>((second >> shift) & mask);
  return _mm_set1_epi32(static_cast<int>(first_part | (static_cast<std::uint32_t>(second_part) << 16)));
}

// Filters down the columns for output row y: the weighted sum of the source rows it takes, for the
// bytes in columns alone (the rest of the returned row is not to be read). Sixteen bytes at a time
// with SSE2, two source rows per multiply-add, the weights split as along the rows; the last bytes
// one at a time.
const std::uint8_t* FilterColumns(const RgbImage& source, const FilterTaps& vertical, int y, ByteRange columns,
                                  RowBuffers& buffers) {
  const int count = vertical.count[y];
  const int first = vertical.first[y];
  if (count == 1) return source.row(first);
  const std::int32_t* weights = vertical.weights.data() + static_cast<std::size_t>(y) * vertical.span;
  std::uint8_t* filtered = buffers.column_filtered.data();
  const __m128i zero = _mm_setzero_si128();
  const __m128i half = _mm_set1_epi32(kRoundingHalf);
  std::size_t i = columns.begin;
  for (; i + 16 <= columns.end; i += 16) {
    __m128i high_sums[4] = {zero, zero, zero, zero};
    __m128i low_sums[4] = {zero, zero, zero, zero};
    for (int k = 0; k < count; k += 2) {
      // An odd last row is paired with itself at weight zero.
      const bool paired = k + 1 < count;
      const std::int32_t second_weight = paired ? weights[k + 1] : 0;
      const __m128i high = WeightPair(weights[k], second_weight, 11, 0xFFFF);
      const __m128i low = WeightPair(weights[k], second_weight, 0, 2047);
      const auto* first_row = reinterpret_cast<const __m128i*>(source.row(first + k) + i);
      const auto* second_row = reinterpret_cast<const __m128i*>(source.row(first + k + (paired ? 1 : 0)) + i);
      const __m128i a = _mm_loadu_si128(first_row);
      const __m128i b = _mm_loadu_si128(second_row);
      const __m128i front = _mm_unpacklo_epi8(a, b);
      const __m128i back = _mm_unpackhi_epi8(a, b);
      const __m128i samples[4] = {_mm_unpacklo_epi8(front, zero), _mm_unpackhi_epi8(front, zero),
                                  _mm_unpacklo_epi8(back, zero), _mm_unpackhi_epi8(back, zero)};
      for (int part = 0; part < 4; ++part) {
        high_sums[part] = _mm_add_epi32(high_sums[part], _mm_madd_epi16(samples[part], high));
        low_sums[part] = _mm_add_epi32(low_sums[part], _mm_madd_epi16(samples[part], low));
      }
    }
    __m128i bytes[4];
    for (int part = 0; part < 4; ++part) {
      const __m128i sum = _mm_add_epi32(_mm_slli_epi32(high_sums[part], 11), low_sums[part]);
      bytes[part] = _mm_srai_epi32(_mm_add_epi32(sum, half), kWeightBits);
    }
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(bytes[0], bytes[1]), _mm_packs_epi32(bytes[2], bytes[3]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(filtered + i), packed);
  }
  for (; i < columns.end; ++i) {
    std::int32_t sum = 0;
    for (int k = 0; k < count; ++k) sum += weights[k] * source.row(first + k)[i];
    filtered[i] = FixedToByte(sum);
  }
  return filtered;
}

std::uint32_t LoadFourBytes(const std::uint8_t* bytes) {
  std::uint32_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

__m128i LoadLanes(const std::int16_t* lanes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(lanes)); }

// Filters one row along its pixels, the three channels of a pixel in one vector. row must be
// readable RowSlack bytes past the source width.
void FilterRow(const std::uint8_t* row, const FilterTaps& horizontal, const PairedWeights& paired,
               std::uint8_t* output) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i half = _mm_set1_epi32(kRoundingHalf);
  const std::int16_t* high = paired.high.data();
  const std::int16_t* low = paired.low.data();
  for (int x = 0; x < horizontal.output_size(); ++x) {
    const std::uint8_t* pixel = row + static_cast<std::size_t>(horizontal.first[x]) * 3;
    __m128i high_sum = zero;
    __m128i low_sum = zero;
    for (int pair = 0; pair < paired.pairs; ++pair, pixel += 6, high += kPairLanes, low += kPairLanes) {
      // Red, green and blue of the pair's two pixels side by side, as 16-bit numbers.
      const __m128i first = _mm_cvtsi32_si128(static_cast<int>(LoadFourBytes(pixel)));
      const __m128i second = _mm_cvtsi32_si128(static_cast<int>(LoadFourBytes(pixel + 3)));
      const __m128i samples = _mm_unpacklo_epi8(_mm_unpacklo_epi8(first, second), zero);
      high_sum = _mm_add_epi32(high_sum, _mm_madd_epi16(samples, LoadLanes(high)));
      low_sum = _mm_add_epi32(low_sum, _mm_madd_epi16(samples, LoadLanes(low)));
    }
    __m128i sum = _mm_add_epi32(_mm_slli_epi32(high_sum, 11), low_sum);
    sum = _mm_srai_epi32(_mm_add_epi32(sum, half), kWeightBits);
    sum = _mm_packus_epi16(_mm_packs_epi32(sum, sum), zero);  // cut to 0 ... 255
    const auto bytes = static_cast<std::uint32_t>(_mm_cvtsi128_si32(sum));
    std::memcpy(output + static_cast<std::size_t>(x) * 3, &bytes, sizeof bytes);
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
    band.column_filtered.resize(source.row_bytes() + RowSlack(horizontal));
    band.output.resize(static_cast<std::size_t>(horizontal.output_size()) * 3 + 1);
  }
  const bool rows_unchanged = IsIdentity(horizontal);
  const ByteRange columns = BytesRead(horizontal);
  const PairedWeights paired = rows_unchanged ? PairedWeights{} : PairWeights(horizontal);
  const auto filter_band = [&](int band) {
    RowBuffers& working = buffers[band];
    const int end = static_cast<int>(std::int64_t{rows} * (band + 1) / bands);
    for (int y = static_cast<int>(std::int64_t{rows} * band / bands); y < end; ++y) {
      const std::uint8_t* column_filtered = FilterColumns(source, vertical, y, columns, working);
      if (rows_unchanged) {
        sink(y, column_filtered);
        continue;
      }
      // A source row taken whole has no slack after it: its columns go to the working row first.
      if (column_filtered != working.column_filtered.data()) {
        std::copy(column_filtered + columns.begin, column_filtered + columns.end,
                  working.column_filtered.begin() + static_cast<std::ptrdiff_t>(columns.begin));
      }
      FilterRow(working.column_filtered.data(), horizontal, paired, working.output.data());
      sink(y, working.output.data());
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
