// JPEG pictures through libjpeg. Grey and YCbCr pictures come out as RGB; CMYK and YCCK pictures are
// converted here (inverted when an Adobe marker says the writer stored them that way). When the
// ReadHint allows, the library decodes at 1/2, 1/4 or 1/8 of the size (DCT scaling), which is much
// faster and smaller for the large photographs wallpapers are made from.
//
// libjpeg reports errors by calling back into us; the callback jumps back with longjmp. Every call
// into the library therefore happens inside one of the small functions below that call setjmp and
// own nothing that has a destructor; the C++ objects live in the caller, outside the jump.
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kJpeg;
// Progressive files with more scans than this exist only to keep decoders busy.
constexpr int kMaxScans = 500;

struct JpegJob {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

JpegJob* JobOf(j_common_ptr info) { return static_cast<JpegJob*>(info->client_data); }

[[noreturn]] void FailWith(j_common_ptr info) {
  JpegJob* job = JobOf(info);
  (*info->err->format_message)(info, job->message);
  std::longjmp(job->jump, 1);
}

void OnError(j_common_ptr info) { FailWith(info); }

// Warnings are ignored, except the one for data that ends early: the library would fill the rest of
// the picture with grey, and a half-grey wallpaper is worse than a failed read.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) FailWith(info);
}

void OnProgress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) {
    JpegJob* job = JobOf(info);
    std::snprintf(job->message, sizeof job->message, "more than %d scans", kMaxScans);
    std::longjmp(job->jump, 1);
  }
}

bool ReadHeader(JpegJob* job, const std::uint8_t* data, unsigned long size) {
  if (setjmp(job->jump)) return false;
  jpeg_create_decompress(&job->info);
  job->info.progress = &job->progress;
  jpeg_mem_src(&job->info, data, size);
  jpeg_read_header(&job->info, TRUE);
  return true;
}

bool StartDecompress(JpegJob* job) {
  if (setjmp(job->jump)) return false;
  jpeg_start_decompress(&job->info);
  return true;
}

// Reads every row into pixels (RGB, row_bytes apart); CMYK rows go through cmyk_row first.
bool ReadRows(JpegJob* job, std::uint8_t* pixels, std::size_t row_bytes, std::uint8_t* cmyk_row) {
  if (setjmp(job->jump)) return false;
  jpeg_decompress_struct& info = job->info;
  bool inverted = info.saw_Adobe_marker;
  while (info.output_scanline < info.output_height) {
    std::uint8_t* out = pixels + row_bytes * info.output_scanline;
    JSAMPROW row = cmyk_row ? cmyk_row : out;
    jpeg_read_scanlines(&info, &row, 1);
    if (!cmyk_row) continue;
    for (JDIMENSION x = 0; x < info.output_width; ++x) {
      const std::uint8_t* ink = cmyk_row + 4 * x;
      if (inverted) {
        InvertedCmykToRgb(ink[0], ink[1], ink[2], ink[3], out + 3 * x);
      } else {
        InvertedCmykToRgb(255 - ink[0], 255 - ink[1], 255 - ink[2], 255 - ink[3], out + 3 * x);
      }
    }
  }
  return true;
}

// The smallest DCT scale (1/8, 1/4, 1/2) whose result still covers the hint; 1 when none does.
int ScaleDenominator(JDIMENSION width, JDIMENSION height, const ReadHint& hint) {
  if (hint.cover_width <= 0 || hint.cover_height <= 0) return 1;
  for (int denominator = 8; denominator > 1; denominator /= 2) {
    JDIMENSION scaled_width = (width + denominator - 1) / denominator;
    JDIMENSION scaled_height = (height + denominator - 1) / denominator;
    if (scaled_width >= static_cast<JDIMENSION>(hint.cover_width) &&
        scaled_height >= static_cast<JDIMENSION>(hint.cover_height)) {
      return denominator;
    }
  }
  return 1;
}

PictureReadResult Decode(JpegJob& job, std::span<const std::uint8_t> data, const ReadHint& hint) {
  if (data.size() > ULONG_MAX) return DamagedPicture(kFormat, "file too large");
  if (!ReadHeader(&job, data.data(), static_cast<unsigned long>(data.size()))) {
    return DamagedPicture(kFormat, job.message);
  }
  jpeg_decompress_struct& info = job.info;
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, info.image_width, info.image_height)) return result;
  bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  info.scale_num = 1;
  info.scale_denom = ScaleDenominator(info.image_width, info.image_height, hint);
  if (!StartDecompress(&job)) return DamagedPicture(kFormat, job.message);
  if (info.output_components != (cmyk ? 4 : 3)) return DamagedPicture(kFormat, "unexpected colour components");
  if (!AllocatePicture(result, info.output_width, info.output_height)) return result;
  std::vector<std::uint8_t> cmyk_row(cmyk ? std::size_t{info.output_width} * 4 : 0);
  if (!ReadRows(&job, result.image.pixels.data(), result.image.row_bytes(), cmyk ? cmyk_row.data() : nullptr)) {
    return DamagedPicture(kFormat, job.message);
  }
  return result;
}

}  // namespace

PictureReadResult ReadJpeg(std::span<const std::uint8_t> data, const ReadHint& hint) {
  JpegJob job{};
  job.info.err = jpeg_std_error(&job.errors);
  job.errors.error_exit = OnError;
  job.errors.emit_message = OnMessage;
  job.info.client_data = &job;
  job.progress.progress_monitor = OnProgress;
  PictureReadResult result = Decode(job, data, hint);
  jpeg_destroy_decompress(&job.info);
  return result;
}
