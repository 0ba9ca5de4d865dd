// TIFF pictures through libtiff, read from memory: the first page, in any layout and compression the
// library can turn into RGBA (transparent parts come out over black, as the library premultiplies
// them). The library's messages go to the failure text instead of the console.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include <tiffio.h>

#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kTiff;
// No single allocation of the library may exceed this (strips and tiles of lying files).
constexpr tmsize_t kMaxLibraryAllocation = tmsize_t{1} << 30;

struct TiffJob {
  explicit TiffJob(std::span<const std::uint8_t> data) : source(data) {}

  MemorySource source;
  char message[256] = {};
};

TiffJob* JobOf(thandle_t handle) { return reinterpret_cast<TiffJob*>(handle); }

tmsize_t OnRead(thandle_t handle, void* out, tmsize_t count) {
  if (count <= 0) return 0;
  return static_cast<tmsize_t>(JobOf(handle)->source.Read(out, static_cast<std::uint64_t>(count)));
}

tmsize_t OnWrite(thandle_t, void*, tmsize_t) { return 0; }

toff_t OnSeek(thandle_t handle, toff_t offset, int whence) {
  MemorySource& source = JobOf(handle)->source;
  std::uint64_t base = whence == SEEK_CUR ? source.position : whence == SEEK_END ? source.size : 0;
  if (offset > UINT64_MAX - base) return static_cast<toff_t>(-1);
  source.position = base + offset;
  return source.position;
}

int OnClose(thandle_t) { return 0; }
toff_t OnSize(thandle_t handle) { return JobOf(handle)->source.size; }
int OnMap(thandle_t, void**, toff_t*) { return 0; }
void OnUnmap(thandle_t, void*, toff_t) {}

// Keeps the first error, which names the cause; later ones are consequences.
int OnError(TIFF*, void* user_data, const char*, const char* format, va_list arguments) {
  auto* job = static_cast<TiffJob*>(user_data);
  if (job->message[0] == '\0') std::vsnprintf(job->message, sizeof job->message, format, arguments);
  return 1;
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

// Messages the library gives without a file at hand would otherwise go to the console. The handlers
// are the library's own process-wide ones; setting them at every read (the same value each time)
// keeps this reader free of state of its own.
void SilenceProcessWideHandlers() {
  TIFFSetErrorHandler(nullptr);
  TIFFSetWarningHandler(nullptr);
}

TIFF* OpenFromMemory(TiffJob& job) {
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (!options) return nullptr;
  TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, &job);
  TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, &job);
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxLibraryAllocation);
  // "m": read through the callbacks, never map the data (the library must not write into it).
  TIFF* tiff = TIFFClientOpenExt("picture", "rm", reinterpret_cast<thandle_t>(&job), OnRead, OnWrite, OnSeek, OnClose,
                                 OnSize, OnMap, OnUnmap, options);
  TIFFOpenOptionsFree(options);
  return tiff;
}

PictureReadResult DamagedWith(const TiffJob& job, const char* otherwise) {
  return DamagedPicture(kFormat, job.message[0] ? job.message : otherwise);
}

PictureReadResult Decode(TIFF* tiff, TiffJob& job) {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  if (!TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height)) {
    return DamagedWith(job, "picture size missing");
  }
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, width, height)) return result;
  char reason[1024] = {};
  if (!TIFFRGBAImageOK(tiff, reason)) return DamagedPicture(kFormat, reason);
  // The library delivers 4 bytes a pixel. To need no second buffer, the picture's own buffer is
  // made that large, filled, packed down to 3 bytes a pixel in place and then shortened.
  if (!AllocatePicture(result, width, height, 4)) return result;
  std::vector<std::uint8_t>& pixels = result.image.pixels;
  std::size_t count = static_cast<std::size_t>(width) * height;
  if (!TIFFReadRGBAImageOriented(tiff, width, height, reinterpret_cast<std::uint32_t*>(pixels.data()),
                                 ORIENTATION_TOPLEFT, 1)) {
    return DamagedWith(job, "pixel data unreadable");
  }
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t abgr;
    std::memcpy(&abgr, pixels.data() + 4 * i, 4);
    pixels[3 * i] = static_cast<std::uint8_t>(TIFFGetR(abgr));
    pixels[3 * i + 1] = static_cast<std::uint8_t>(TIFFGetG(abgr));
    pixels[3 * i + 2] = static_cast<std::uint8_t>(TIFFGetB(abgr));
  }
  pixels.resize(count * 3);
  return result;
}

}  // namespace

PictureReadResult ReadTiff(std::span<const std::uint8_t> data) {
  SilenceProcessWideHandlers();
  TiffJob job(data);
  TIFF* tiff = OpenFromMemory(job);
  if (!tiff) return DamagedWith(job, "cannot open");
  PictureReadResult result = Decode(tiff, job);
  TIFFClose(tiff);
  return result;
}
