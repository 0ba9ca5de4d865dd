// The reference pictures and the formats written byte by byte: BMP, PCX, TGA, PSD, WBMP.
#include "imaging/tests/reader_samples.h"

#include <algorithm>

#include "common/byte_order.h"

namespace {

void Put16(Bytes& out, std::uint16_t value) {
  out.resize(out.size() + 2);
  WriteU16LE(out.data() + out.size() - 2, value);
}

void Put32(Bytes& out, std::uint32_t value) {
  out.resize(out.size() + 4);
  WriteU32LE(out.data() + out.size() - 4, value);
}

void Put16BE(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

void Put32BE(Bytes& out, std::uint32_t value) {
  Put16BE(out, static_cast<std::uint16_t>(value >> 16));
  Put16BE(out, static_cast<std::uint16_t>(value));
}

int Scaled(int value, int bits) {
  int max = (1 << bits) - 1;
  return (value * 255 + max / 2) / max;
}

const std::uint8_t* PixelOf(const RgbImage& image, int x, int y) { return image.row(y) + x * 3; }

// Packs 1-, 4- or 8-bit indexes into a row, leftmost pixel in the high bits.
void PackIndex(std::uint8_t* row, int x, int bits, int index) {
  int bit = x * bits;
  row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
}

// x RRRRR GGGGG BBBBB of the top 5 bits of each channel.
std::uint16_t Pixel555(const std::uint8_t* rgb) {
  return static_cast<std::uint16_t>(((rgb[0] >> 3) << 10) | ((rgb[1] >> 3) << 5) | (rgb[2] >> 3));
}

// BMP runs: (count, value) pairs of equal neighbours, then end of row.
void AppendBmpRuns(Bytes& out, const IndexedPicture& picture, int y, bool four_bit) {
  for (int x = 0; x < picture.width;) {
    int index = picture.IndexAt(x, y);
    int count = 1;
    while (x + count < picture.width && picture.IndexAt(x + count, y) == index) ++count;
    out.push_back(static_cast<std::uint8_t>(count));
    out.push_back(static_cast<std::uint8_t>(four_bit ? index << 4 | index : index));
    x += count;
  }
  out.push_back(0);
  out.push_back(0);
}

// PCX runs of equal bytes (at most 63); single bytes below 0xC0 stand for themselves.
void AppendPcxRuns(Bytes& out, const Bytes& line) {
  for (std::size_t i = 0; i < line.size();) {
    std::size_t count = 1;
    while (i + count < line.size() && line[i + count] == line[i] && count < 63) ++count;
    if (count > 1 || line[i] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | count));
    out.push_back(line[i]);
    i += count;
  }
}

// PackBits: repeats of 3 or more, literals otherwise.
Bytes PackBits(const Bytes& row) {
  Bytes out;
  for (std::size_t i = 0; i < row.size();) {
    std::size_t repeat = 1;
    while (i + repeat < row.size() && row[i + repeat] == row[i] && repeat < 128) ++repeat;
    if (repeat >= 3) {
      out.push_back(static_cast<std::uint8_t>(257 - repeat));
      out.push_back(row[i]);
      i += repeat;
      continue;
    }
    std::size_t literal = 1;
    while (i + literal < row.size() && literal < 128 &&
           !(i + literal + 2 < row.size() && row[i + literal] == row[i + literal + 1] &&
             row[i + literal] == row[i + literal + 2])) {
      ++literal;
    }
    out.push_back(static_cast<std::uint8_t>(literal - 1));
    out.insert(out.end(), row.begin() + i, row.begin() + i + literal);
    i += literal;
  }
  return out;
}

}  // namespace

RgbImage SampleColours() {
  RgbImage image = MakeImage(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      std::uint8_t* pixel = image.row(y) + x * 3;
      pixel[0] = static_cast<std::uint8_t>(17 + 50 * x);
      pixel[1] = static_cast<std::uint8_t>(30 + 100 * y);
      pixel[2] = static_cast<std::uint8_t>(220 - 40 * x - 10 * y);
    }
  }
  return image;
}

IndexedPicture SampleIndexed(int colour_count) {
  IndexedPicture picture;
  for (int i = 0; i < colour_count; ++i) {
    if (colour_count == 2) {
      std::uint8_t level = i ? 255 : 0;
      picture.colours.push_back({level, level, level});
    } else {
      picture.colours.push_back({static_cast<std::uint8_t>(i * 67 + 13), static_cast<std::uint8_t>(i * 131 + 7),
                                 static_cast<std::uint8_t>(255 - i * 29)});
    }
  }
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) picture.indexes.push_back((x * 3 + y * 7 + 1) % colour_count);
  }
  return picture;
}

RgbImage IndexedPicture::Rgb() const {
  RgbImage image = MakeImage(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto& colour = colours[IndexAt(x, y)];
      for (int c = 0; c < 3; ++c) image.row(y)[x * 3 + c] = colour[c];
    }
  }
  return image;
}

RgbImage Quantized(const RgbImage& image, int red_bits, int green_bits, int blue_bits) {
  RgbImage result = image;
  const int bits[3] = {red_bits, green_bits, blue_bits};
  for (std::size_t i = 0; i < result.pixels.size(); ++i) {
    int channel_bits = bits[i % 3];
    result.pixels[i] = static_cast<std::uint8_t>(Scaled(result.pixels[i] >> (8 - channel_bits), channel_bits));
  }
  return result;
}

Bytes BmpFile(int bits, std::uint32_t compression, std::uint32_t header_size, bool top_down) {
  const IndexedPicture indexed = SampleIndexed(bits <= 8 ? 1 << bits : 2);
  const RgbImage colours = SampleColours();
  const int width = 5;
  const int height = 3;
  const bool core = header_size == 12;
  const bool masks_after_header = compression == 3 && header_size == 40;
  const int entry_size = core ? 3 : 4;
  const int entries = bits <= 8 ? 1 << bits : 0;
  std::uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};  // 5-6-5
  if (bits == 32) masks[0] = 0xFF000000, masks[1] = 0x00FF0000, masks[2] = 0x0000FF00;

  Bytes pixels;
  const std::size_t stride = (width * bits + 31) / 32 * 4;
  for (int i = 0; i < height; ++i) {
    int y = top_down ? i : height - 1 - i;
    if (compression == 1 || compression == 2) {
      AppendBmpRuns(pixels, indexed, y, compression == 2);
      continue;
    }
    Bytes row(stride, 0);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* rgb = PixelOf(colours, x, y);
      if (bits <= 8) {
        PackIndex(row.data(), x, bits, indexed.IndexAt(x, y));
      } else if (bits == 16) {
        std::uint16_t value = compression == 3
                                  ? static_cast<std::uint16_t>((rgb[0] >> 3) << 11 | (rgb[1] >> 2) << 5 | rgb[2] >> 3)
                                  : Pixel555(rgb);
        WriteU16LE(&row[x * 2], value);
      } else if (bits == 24) {
        row[x * 3] = rgb[2], row[x * 3 + 1] = rgb[1], row[x * 3 + 2] = rgb[0];
      } else {
        std::uint32_t value = compression == 3 ? (std::uint32_t{rgb[0]} << 24 | rgb[1] << 16 | rgb[2] << 8)
                                               : (std::uint32_t{rgb[0]} << 16 | rgb[1] << 8 | rgb[2]);
        WriteU32LE(&row[x * 4], value);
      }
    }
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  if (compression == 1 || compression == 2) pixels.insert(pixels.end(), {0, 1});

  const std::uint32_t offset = 14 + header_size + (masks_after_header ? 12 : 0) + entries * entry_size;
  Bytes out = {'B', 'M'};
  Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, header_size);
  if (core) {
    Put16(out, width), Put16(out, height), Put16(out, 1), Put16(out, static_cast<std::uint16_t>(bits));
  } else {
    Put32(out, width), Put32(out, static_cast<std::uint32_t>(top_down ? -height : height));
    Put16(out, 1), Put16(out, static_cast<std::uint16_t>(bits)), Put32(out, compression);
    Put32(out, static_cast<std::uint32_t>(pixels.size())), Put32(out, 2835), Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(entries)), Put32(out, 0);
    for (std::uint32_t at = 40; at < header_size; at += 4)
      Put32(out, at < 52 && compression == 3 ? masks[(at - 40) / 4] : 0);
    if (masks_after_header) Put32(out, masks[0]), Put32(out, masks[1]), Put32(out, masks[2]);
  }
  for (int i = 0; i < entries; ++i) {
    const auto& colour = indexed.colours[i];
    out.insert(out.end(), {colour[2], colour[1], colour[0]});
    if (!core) out.push_back(0);
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

Bytes PcxFile(int bits, int planes) {
  const int width = 5;
  const int height = 3;
  const int colour_count = bits * planes == 1 ? 2 : bits * planes == 4 ? 16 : 256;  // unused for RGB
  const IndexedPicture indexed = SampleIndexed(colour_count);
  const RgbImage colours = SampleColours();
  const int line_bytes = ((width * bits + 7) / 8 + 1) / 2 * 2;

  Bytes out(128, 0);
  out[0] = 0x0A, out[1] = 5, out[2] = 1, out[3] = static_cast<std::uint8_t>(bits);
  WriteU16LE(&out[8], width - 1);
  WriteU16LE(&out[10], height - 1);
  WriteU16LE(&out[12], 72);
  WriteU16LE(&out[14], 72);
  if (colour_count == 16) {
    for (int i = 0; i < 16; ++i) std::copy(indexed.colours[i].begin(), indexed.colours[i].end(), &out[16 + 3 * i]);
  }
  out[65] = static_cast<std::uint8_t>(planes);
  WriteU16LE(&out[66], static_cast<std::uint16_t>(line_bytes));
  out[68] = 1;
  for (int y = 0; y < height; ++y) {
    Bytes line(static_cast<std::size_t>(line_bytes) * planes, 0);
    for (int x = 0; x < width; ++x) {
      for (int p = 0; p < planes; ++p) {
        std::uint8_t* plane = &line[p * line_bytes];
        if (bits == 8 && planes == 3) {
          plane[x] = PixelOf(colours, x, y)[p];
        } else if (planes > 1) {
          plane[x / 8] |= static_cast<std::uint8_t>(((indexed.IndexAt(x, y) >> p) & 1) << (7 - x % 8));
        } else {
          PackIndex(plane, x, bits, indexed.IndexAt(x, y));
        }
      }
    }
    AppendPcxRuns(out, line);
  }
  if (bits == 8 && planes == 1) {
    out.push_back(12);
    for (const auto& colour : indexed.colours) out.insert(out.end(), colour.begin(), colour.end());
  }
  return out;
}

Bytes TgaFile(int type, int bits, bool top_down, bool right_to_left) {
  const int width = 5;
  const int height = 3;
  const bool mapped = type == 1 || type == 9;
  const IndexedPicture indexed = SampleIndexed(16);
  const RgbImage colours = SampleColours();
  const std::size_t pixel_bytes = (bits + 7) / 8;

  Bytes out = {3, static_cast<std::uint8_t>(mapped ? 1 : 0), static_cast<std::uint8_t>(type)};
  Put16(out, 0), Put16(out, mapped ? 16 : 0);
  out.push_back(mapped ? 24 : 0);
  Put16(out, 0), Put16(out, 0), Put16(out, width), Put16(out, height);
  out.push_back(static_cast<std::uint8_t>(bits));
  out.push_back(static_cast<std::uint8_t>((bits == 32 ? 8 : 0) | (top_down ? 0x20 : 0) | (right_to_left ? 0x10 : 0)));
  out.insert(out.end(), {'i', 'd', '!'});
  if (mapped) {
    for (const auto& colour : indexed.colours) out.insert(out.end(), {colour[2], colour[1], colour[0]});
  }

  std::vector<Bytes> stream;  // every pixel in file order
  for (int i = 0; i < height; ++i) {
    int y = top_down ? i : height - 1 - i;
    for (int j = 0; j < width; ++j) {
      int x = right_to_left ? width - 1 - j : j;
      const std::uint8_t* rgb = PixelOf(colours, x, y);
      Bytes pixel(pixel_bytes);
      if (mapped) {
        pixel[0] = static_cast<std::uint8_t>(indexed.IndexAt(x, y));
      } else if (type == 3 || type == 11) {
        pixel[0] = rgb[0];
      } else if (bits <= 16) {
        WriteU16LE(pixel.data(), Pixel555(rgb));
      } else {
        pixel[0] = rgb[2], pixel[1] = rgb[1], pixel[2] = rgb[0];
        if (bits == 32) pixel[3] = 255;
      }
      stream.push_back(pixel);
    }
  }
  for (std::size_t i = 0; i < stream.size();) {
    if (type < 9) {
      out.insert(out.end(), stream[i].begin(), stream[i].end());
      ++i;
      continue;
    }
    std::size_t repeat = 1;
    while (i + repeat < stream.size() && stream[i + repeat] == stream[i] && repeat < 128) ++repeat;
    if (repeat > 1) {
      out.push_back(static_cast<std::uint8_t>(0x80 | (repeat - 1)));
      out.insert(out.end(), stream[i].begin(), stream[i].end());
      i += repeat;
      continue;
    }
    std::size_t literal = 1;
    while (i + literal < stream.size() && literal < 128 && stream[i + literal] != stream[i + literal - 1]) ++literal;
    out.push_back(static_cast<std::uint8_t>(literal - 1));
    for (std::size_t k = 0; k < literal; ++k) out.insert(out.end(), stream[i + k].begin(), stream[i + k].end());
    i += literal;
  }
  return out;
}

RgbImage PsdExpected(int mode) {
  if (mode == 2) return SampleIndexed(256).Rgb();
  RgbImage image = SampleColours();
  if (mode == 3) return image;
  for (std::size_t i = 0; i < image.pixels.size(); i += 3) image.pixels[i + 1] = image.pixels[i + 2] = image.pixels[i];
  return image;
}

Bytes PsdFile(int mode, int depth, bool packbits) {
  const int width = 5;
  const int height = 3;
  const IndexedPicture indexed = SampleIndexed(256);
  const RgbImage expected = PsdExpected(mode);
  // RGB carries an extra alpha channel that the reader must skip; CMYK holds no colour ink.
  const int channels = mode == 3 ? 4 : mode == 4 ? 4 : 1;

  Bytes out = {'8', 'B', 'P', 'S'};
  Put16BE(out, 1);
  out.insert(out.end(), 6, 0);
  Put16BE(out, static_cast<std::uint16_t>(channels));
  Put32BE(out, height), Put32BE(out, width);
  Put16BE(out, static_cast<std::uint16_t>(depth)), Put16BE(out, static_cast<std::uint16_t>(mode));
  if (mode == 2) {
    Put32BE(out, 768);
    for (int c = 0; c < 3; ++c) {
      for (const auto& colour : indexed.colours) out.push_back(colour[c]);
    }
  } else {
    Put32BE(out, 0);
  }
  Put32BE(out, 12);
  out.insert(out.end(), {'8', 'B', 'I', 'M', 0x03, 0xED, 0, 0, 0, 0, 0, 0});
  Put32BE(out, 4);
  out.insert(out.end(), 4, 0);
  Put16BE(out, packbits ? 1 : 0);

  std::vector<Bytes> rows;
  for (int channel = 0; channel < channels; ++channel) {
    for (int y = 0; y < height; ++y) {
      Bytes row;
      for (int x = 0; x < width; ++x) {
        std::uint8_t sample = mode == 2     ? static_cast<std::uint8_t>(indexed.IndexAt(x, y))
                              : mode == 4   ? (channel < 3 ? 255 : PixelOf(expected, x, y)[0])
                              : channel < 3 ? PixelOf(expected, x, y)[channel]
                                            : 0x55;
        row.push_back(sample);
        if (depth == 16) row.push_back(sample);
      }
      rows.push_back(packbits ? PackBits(row) : row);
    }
  }
  if (packbits) {
    for (const Bytes& row : rows) Put16BE(out, static_cast<std::uint16_t>(row.size()));
  }
  for (const Bytes& row : rows) out.insert(out.end(), row.begin(), row.end());
  return out;
}

Bytes WbmpFile() {
  const IndexedPicture indexed = SampleIndexed(2);
  Bytes out = {0, 0, static_cast<std::uint8_t>(indexed.width), static_cast<std::uint8_t>(indexed.height)};
  for (int y = 0; y < indexed.height; ++y) {
    Bytes row(1, 0);
    for (int x = 0; x < indexed.width; ++x) PackIndex(row.data(), x, 1, indexed.IndexAt(x, y));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
