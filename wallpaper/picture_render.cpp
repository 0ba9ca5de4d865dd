// Rendering one picture for the screen: read, scale and crop (or fit on the background colour),
// apply the record's adjustments and reduce to 15-bit colour on 16-bit displays.
//
// Memory: the decoded picture, the scaled picture, the cut-out and a filter result are the largest
// buffers; each is released as soon as the next step has what it needs, so no more than two or three
// full-screen buffers live at a time.
#include "wallpaper/picture_render.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <utility>

#include "common/file_system.h"
#include "imaging/picture_reader.h"
#include "imaging/pixel_ops.h"
#include "wallpaper/picture_fit.h"

namespace {

// Picture files larger than this are not read; far beyond any photograph a wallpaper is made from.
constexpr std::size_t kPictureFileSizeLimit = 512u << 20;

// The picture, or empty when the file cannot be read. A read the memory failed throws std::bad_alloc
// like any other allocation, so that it is not taken for a damaged file.
RgbImage PictureOrEmpty(PictureReadResult result) {
  if (result.out_of_memory) throw std::bad_alloc();
  return std::move(result.image);
}

RgbImage ReadForScreen(std::span<const std::uint8_t> picture, bool jpeg2000_only, const ReadHint& hint) {
  if (!jpeg2000_only) {
    PictureReadResult result = ReadPicture(picture, hint);
    if (result.ok() || result.out_of_memory) return PictureOrEmpty(std::move(result));
  }
  return PictureOrEmpty(ReadJpeg2000(picture, hint));
}

// Whether the file name ends in ".jp2" or ".j2k", without regard to case.
bool HasJpeg2000Extension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".jp2" || extension == ".j2k";
}

RgbImage ReadFileForScreen(const std::string& path, const ReadHint& hint) {
  auto bytes = ReadWholeFile(path, kPictureFileSizeLimit);
  if (!bytes) return RgbImage{};
  return ReadForScreen(*bytes, HasJpeg2000Extension(path), hint);
}

// The reader may decode at a reduced size as long as the picture still covers the screen.
ReadHint ScreenHint(const RenderRequest& request) { return ReadHint{request.screen_width, request.screen_height}; }

// The sharpen presets by level: (strength, factor).
struct SharpenPreset {
  int strength;
  double factor;
};

SharpenPreset SharpenPresetFor(int level) {
  if (level == 2) return {150, 0.4};
  if (level == 3) return {50, 1.0};
  return {200, 0.2};
}

int SoftenStrengthFor(int level) {
  if (level == -3) return 100;
  if (level == -2) return 60;
  return 20;
}

// The gamma value of a gamma level; level 5 (no gamma step) is skipped by the caller.
double GammaFor(int level) {
  static constexpr double kGammaByLevel[] = {-0.0001, 0.1, 0.4, 0.7, 0.9, 0.0, 1.1, 1.3, 1.6, 2.4, 4.0};
  if (level < 0 || level > 10) return 1.0;
  return kGammaByLevel[level];
}

constexpr double kSharpenThreshold = 2.0;
constexpr int kFilterOption = 7;

}  // namespace

std::optional<RgbImage> RenderPicture(std::span<const std::uint8_t> picture, bool jpeg2000_only,
                                      const PictureRecord& record, const RenderRequest& request) {
  if (request.screen_width <= 0 || request.screen_height <= 0 || picture.empty()) return std::nullopt;
  return RenderReadPicture(ReadForScreen(picture, jpeg2000_only, ScreenHint(request)), record, request);
}

std::optional<RgbImage> RenderReadPicture(RgbImage decoded, const PictureRecord& record,
                                          const RenderRequest& request) {
  const int width = request.screen_width;
  const int height = request.screen_height;
  if (width <= 0 || height <= 0 || !decoded.valid()) return std::nullopt;
  const bool fit_inside = record.fit_mode == 0;

  ScaledPlacement placement = fit_inside ? FitPlacement(decoded.width, decoded.height, width, height)
                                         : CoverPlacement(decoded.width, decoded.height, width, height);
  RgbImage cut_out =
      ResampleCutOut(decoded, placement.scaled_width, placement.scaled_height, placement.cut_out);
  decoded = RgbImage{};
  if (!cut_out.valid()) return std::nullopt;

  ApplyPictureAdjustments(cut_out, record);
  if (!request.true_colour) DitherTo15Bit(cut_out);

  RgbImage screen;
  if (fit_inside) {
    screen = MakeImage(width, height);
    if (!screen.valid()) return std::nullopt;
    FillRectangle(screen, PictureBounds(screen), record.background);
    Paste(screen, cut_out, (width - cut_out.width) / 2, (height - cut_out.height) / 2);
  } else {
    screen = std::move(cut_out);
  }
  return screen;
}

RgbImage ReadNamedPicture(const std::string& name, bool builtin, BuiltinPictures& pictures, const ReadHint& hint) {
  if (!builtin) return ReadFileForScreen(name, hint);
  std::span<const std::uint8_t> picture = pictures.Find(name);
  if (picture.empty()) return RgbImage{};
  return ReadForScreen(picture, false, hint);
}

void ApplyPictureAdjustments(RgbImage& image, const PictureRecord& record) {
  if (record.brightness != 0) AdjustBrightnessContrast(image, record.brightness / 100.0, 0.0);
  if (record.contrast != 0) AdjustBrightnessContrast(image, 0.0, record.contrast / 100.0);
  if (record.gamma_level != 5) ApplyGamma(image, GammaFor(record.gamma_level));

  RgbImage filtered;
  bool done = false;
  if (record.sharpness > 0) {
    SharpenPreset preset = SharpenPresetFor(record.sharpness);
    done = Sharpen(image, filtered, preset.strength, preset.factor, kSharpenThreshold, kFilterOption);
  } else if (record.sharpness < 0) {
    done = Soften(image, filtered, SoftenStrengthFor(record.sharpness), kFilterOption);
  }
  if (done) image = std::move(filtered);
}

void DitherTo15Bit(RgbImage& image) {
  if (!image.valid()) return;
  std::uint8_t* bytes = image.pixels.data();
  const std::ptrdiff_t total = static_cast<std::ptrdiff_t>(image.pixels.size());
  const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(image.row_bytes());
  auto add = [](std::uint8_t& byte, int amount) {
    byte = static_cast<std::uint8_t>(std::min(255, byte + amount));
  };
  auto subtract = [](std::uint8_t& byte, int amount) {
    byte = static_cast<std::uint8_t>(std::max(0, byte - amount));
  };

  // Every row but the last: the error goes to the next pixel, half of it is taken from the one after
  // and half goes to the pixel below.
  std::ptrdiff_t i = 0;
  for (; i <= total - row - 4; ++i) {
    int quantised = bytes[i] & 0xF8;
    int error = bytes[i] - quantised;
    add(bytes[i + 3], error);
    subtract(bytes[i + 6], error / 2);
    add(bytes[i + row], error / 2);
    bytes[i] = static_cast<std::uint8_t>(quantised);
  }
  // The last row: the error goes to the next pixel only. The last pixel keeps its bytes.
  for (; i <= total - 4; ++i) {
    int quantised = bytes[i] & 0xF8;
    int error = bytes[i] - quantised;
    add(bytes[i + 3], error);
    bytes[i] = static_cast<std::uint8_t>(quantised);
  }
}
