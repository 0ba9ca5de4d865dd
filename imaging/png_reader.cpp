// PNG pictures through libpng: every bit depth, grey, palette and true colour, interlaced or not.
// The library expands palettes and low bit depths, reduces 16-bit samples to 8 bits and lays
// transparent parts (alpha channel or transparency chunk) over black, the colour a wallpaper canvas
// starts as.
//
// libpng reports errors by calling back into us; the callback jumps back with longjmp. Every call
// into the library that can fail happens inside one of the small functions below that call setjmp
// and own nothing that has a destructor; the C++ objects live in the caller, outside the jump.
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <png.h>

#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kPng;

struct PngJob {
  explicit PngJob(std::span<const std::uint8_t> data) : source(data) {}

  std::jmp_buf jump;
  MemorySource source;
  char message[200] = {};
};

[[noreturn]] void OnError(png_structp png, png_const_charp text) {
  auto* job = static_cast<PngJob*>(png_get_error_ptr(png));
  std::snprintf(job->message, sizeof job->message, "%s", text);
  std::longjmp(job->jump, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep out, std::size_t count) {
  if (static_cast<PngJob*>(png_get_io_ptr(png))->source.Read(out, count) != count) png_error(png, "data ends early");
}

bool CreateReader(PngJob* job, png_structp* png, png_infop* info) {
  if (setjmp(job->jump)) return false;
  *png = png_create_read_struct(PNG_LIBPNG_VER_STRING, job, OnError, OnWarning);
  if (*png) *info = png_create_info_struct(*png);
  return *info != nullptr;
}

bool ReadInfo(PngJob* job, png_structp png, png_infop info) {
  if (setjmp(job->jump)) return false;
  png_set_read_fn(png, job, OnRead);
  png_read_info(png, info);
  return true;
}

// Asks for 8-bit RGB rows and reports whether that is what the library will deliver.
bool RequestRgbRows(PngJob* job, png_structp png, png_infop info) {
  if (setjmp(job->jump)) return false;
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  if ((png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS)) {
    png_color_16 black{};
    png_set_background_fixed(png, &black, PNG_BACKGROUND_GAMMA_SCREEN, 0, PNG_FP_1);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return png_get_channels(png, info) == 3 && png_get_bit_depth(png, info) == 8;
}

bool ReadRows(PngJob* job, png_structp png, png_bytepp rows) {
  if (setjmp(job->jump)) return false;
  png_read_image(png, rows);
  return true;
}

PictureReadResult Decode(PngJob& job, png_structp png, png_infop info) {
  if (!ReadInfo(&job, png, info)) return DamagedPicture(kFormat, job.message);
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, png_get_image_width(png, info), png_get_image_height(png, info))) return result;
  std::snprintf(job.message, sizeof job.message, "unsupported pixel layout");
  if (!RequestRgbRows(&job, png, info)) return DamagedPicture(kFormat, job.message);
  if (!AllocatePicture(result, png_get_image_width(png, info), png_get_image_height(png, info))) return result;
  std::vector<png_bytep> rows(result.image.height);
  for (int y = 0; y < result.image.height; ++y) rows[y] = result.image.row(y);
  if (!ReadRows(&job, png, rows.data())) return DamagedPicture(kFormat, job.message);
  return result;
}

}  // namespace

PictureReadResult ReadPng(std::span<const std::uint8_t> data) {
  PngJob job(data);
  png_structp png = nullptr;
  png_infop info = nullptr;
  PictureReadResult result = CreateReader(&job, &png, &info)
                                 ? Decode(job, png, info)
                                 : OutOfMemory(kFormat, "not enough memory to read a PNG file");
  png_destroy_read_struct(&png, &info, nullptr);
  return result;
}
