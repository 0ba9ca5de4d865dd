// JPEG-2000 pictures (bare codestreams and .jp2 files) through OpenJPEG, read from memory. When the
// ReadHint allows, only the lower resolution levels are decoded, which is much faster for the large
// built-in pictures. Grey and RGB components of any precision come out as 8-bit RGB; subsampled
// components are stretched to the size of the first; sYCC pictures are converted to RGB.
#include <memory>
#include <string>
#include <vector>

#include <openjpeg.h>

#include "imaging/format_readers.h"
#include "imaging/reader_support.h"

namespace {

constexpr PictureFormat kFormat = PictureFormat::kJpeg2000;
// The library holds each decoded component as 32-bit samples; refuse what would need more than this.
constexpr std::uint64_t kMaxSampleBytes = std::uint64_t{1} << 30;
constexpr int kDecodeThreads = 2;
constexpr std::size_t kThreadedFileSize = 64 * 1024;
constexpr OPJ_UINT32 kMaxReduction = 5;

struct J2kSource {
  explicit J2kSource(std::span<const std::uint8_t> data) : bytes(data) {}

  MemorySource bytes;
  std::string message;
};

// The library takes (OPJ_SIZE_T)-1 for the end of the data.
OPJ_SIZE_T OnRead(void* out, OPJ_SIZE_T count, void* user) {
  std::size_t part = static_cast<J2kSource*>(user)->bytes.Read(out, count);
  return part > 0 ? part : static_cast<OPJ_SIZE_T>(-1);
}

OPJ_OFF_T OnSkip(OPJ_OFF_T count, void* user) {
  MemorySource& bytes = static_cast<J2kSource*>(user)->bytes;
  if (count < 0 || static_cast<std::uint64_t>(count) > bytes.size - bytes.position) return -1;
  bytes.position += count;
  return count;
}

OPJ_BOOL OnSeek(OPJ_OFF_T offset, void* user) {
  MemorySource& bytes = static_cast<J2kSource*>(user)->bytes;
  if (offset < 0 || static_cast<std::uint64_t>(offset) > bytes.size) return OPJ_FALSE;
  bytes.position = offset;
  return OPJ_TRUE;
}

// Keeps the first error, which names the cause; later ones are consequences.
void OnError(const char* text, void* user) {
  auto* source = static_cast<J2kSource*>(user);
  if (!source->message.empty()) return;
  source->message = text;
  while (!source->message.empty() && (source->message.back() == '\n' || source->message.back() == ' ')) {
    source->message.pop_back();
  }
}

void OnNotice(const char*, void*) {}

// The library says "Not enough memory ..." when an allocation fails, and "... exceeds system limits"
// when a tile's buffer cannot be had; the sizes it checks with those words cannot overflow here, as
// larger pictures are refused before decoding.
bool MemoryRanOut(const std::string& message) {
  return message.find("memory") != std::string::npos || message.find("exceeds system limits") != std::string::npos;
}

// The failure after the library gave up: the memory's, or the file's.
PictureReadResult DecodeFailure(const std::string& message, const char* fallback) {
  if (MemoryRanOut(message)) return OutOfMemory(kFormat, "not enough memory to read a JPEG-2000 file");
  return DamagedPicture(kFormat, message.empty() ? fallback : message);
}

struct StreamCloser {
  void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};
struct CodecCloser {
  void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct ImageCloser {
  void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};

// ceil(value / 2^power), as the library sizes reduced resolution levels.
OPJ_UINT32 CeilDivPow2(OPJ_UINT32 value, OPJ_UINT32 power) {
  return static_cast<OPJ_UINT32>((std::uint64_t{value} + (std::uint64_t{1} << power) - 1) >> power);
}

OPJ_UINT32 CeilDiv(OPJ_UINT32 value, OPJ_UINT32 divisor) {
  return static_cast<OPJ_UINT32>((std::uint64_t{value} + divisor - 1) / divisor);
}

// Size of the first component's grid after dropping `reduction` resolution levels.
void ReducedSize(const opj_image_t& image, OPJ_UINT32 reduction, OPJ_UINT32& width, OPJ_UINT32& height) {
  const opj_image_comp_t& first = image.comps[0];
  width = CeilDivPow2(CeilDiv(image.x1, first.dx), reduction) - CeilDivPow2(CeilDiv(image.x0, first.dx), reduction);
  height = CeilDivPow2(CeilDiv(image.y1, first.dy), reduction) - CeilDivPow2(CeilDiv(image.y0, first.dy), reduction);
}

// The most resolution levels that can be dropped with the result still covering the hint.
OPJ_UINT32 WantedReduction(const opj_image_t& image, const ReadHint& hint) {
  if (hint.cover_width <= 0 || hint.cover_height <= 0) return 0;
  for (OPJ_UINT32 reduction = kMaxReduction; reduction > 0; --reduction) {
    OPJ_UINT32 width = 0;
    OPJ_UINT32 height = 0;
    ReducedSize(image, reduction, width, height);
    if (width >= static_cast<OPJ_UINT32>(hint.cover_width) && height >= static_cast<OPJ_UINT32>(hint.cover_height)) {
      return reduction;
    }
  }
  return 0;
}

// One component's samples brought to 0..255, read at the first component's pixel positions.
struct ComponentReader {
  const opj_image_comp_t* component;
  std::vector<OPJ_UINT32> columns;  // component column for each picture column
  int offset;                       // added to signed samples
  int shift;                        // right shift for precisions above 8
  std::uint32_t max_value;          // for precisions below 8

  ComponentReader(const opj_image_comp_t& comp, OPJ_UINT32 width) : component(&comp), columns(width) {
    for (OPJ_UINT32 x = 0; x < width; ++x) columns[x] = static_cast<OPJ_UINT32>(std::uint64_t{x} * comp.w / width);
    offset = comp.sgnd ? 1 << (comp.prec - 1) : 0;
    shift = comp.prec > 8 ? static_cast<int>(comp.prec) - 8 : 0;
    max_value = (1u << comp.prec) - 1;
  }

  std::uint8_t At(std::size_t row_start, OPJ_UINT32 x) const {
    std::int64_t value = std::int64_t{component->data[row_start + columns[x]]} + offset;
    if (value <= 0) return 0;
    if (shift) value >>= shift;
    return component->prec < 8 ? ScaleToByte(static_cast<std::uint32_t>(value), max_value)
                               : static_cast<std::uint8_t>(value > 255 ? 255 : value);
  }
};

std::uint8_t ClampToByte(int value) { return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value); }

// sYCC to RGB (ITU-R BT.601 full range), in fixed point with 16 fraction bits.
void YccToRgb(std::uint8_t* pixel) {
  int luma = pixel[0];
  int blue_difference = pixel[1] - 128;
  int red_difference = pixel[2] - 128;
  pixel[0] = ClampToByte(luma + ((91881 * red_difference + 32768) >> 16));
  pixel[1] = ClampToByte(luma - ((22554 * blue_difference + 46802 * red_difference - 32768) >> 16));
  pixel[2] = ClampToByte(luma + ((116130 * blue_difference + 32768) >> 16));
}

// The usual picture: every component at full size with unsigned 8-bit samples.
bool AllFullSizeUnsignedBytes(const opj_image_t& image, int used, OPJ_UINT32 width, OPJ_UINT32 height) {
  for (int c = 0; c < used; ++c) {
    const opj_image_comp_t& comp = image.comps[c];
    if (comp.w != width || comp.h != height || comp.prec != 8 || comp.sgnd) return false;
  }
  return true;
}

// Copies such components straight into the picture; grey is repeated into all three channels.
void CopyFullSizeBytes(const opj_image_t& image, int used, RgbImage& picture) {
  const std::size_t samples = static_cast<std::size_t>(picture.width) * picture.height;
  const OPJ_INT32* channels[3];
  for (int c = 0; c < 3; ++c) channels[c] = image.comps[used == 3 ? c : 0].data;
  std::uint8_t* out = picture.pixels.data();
  for (std::size_t i = 0; i < samples; ++i, out += 3) {
    out[0] = ClampToByte(channels[0][i]);
    out[1] = ClampToByte(channels[1][i]);
    out[2] = ClampToByte(channels[2][i]);
  }
}

// Checks the decoded components against the size the header gave and copies them out.
PictureReadResult ConvertComponents(const opj_image_t& image, OPJ_UINT32 reduction) {
  OPJ_UINT32 width = 0;
  OPJ_UINT32 height = 0;
  ReducedSize(image, reduction, width, height);
  int used = image.numcomps >= 3 ? 3 : 1;
  for (int c = 0; c < used; ++c) {
    const opj_image_comp_t& comp = image.comps[c];
    bool first_matches = c > 0 || (comp.w == width && comp.h == height);
    if (!comp.data || comp.w == 0 || comp.h == 0 || comp.w > width || comp.h > height || !first_matches ||
        comp.prec < 1 || comp.prec > 31) {
      return DamagedPicture(kFormat, "component " + std::to_string(c) + " does not fit the picture");
    }
  }
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!AllocatePicture(result, width, height)) return result;
  bool ycc = used == 3 && image.color_space == OPJ_CLRSPC_SYCC;
  if (!ycc && AllFullSizeUnsignedBytes(image, used, width, height)) {
    CopyFullSizeBytes(image, used, result.image);
    return result;
  }
  std::vector<ComponentReader> readers;
  for (int c = 0; c < used; ++c) readers.emplace_back(image.comps[c], width);
  for (OPJ_UINT32 y = 0; y < height; ++y) {
    std::size_t row_starts[3];
    for (int c = 0; c < used; ++c) {
      const opj_image_comp_t& comp = image.comps[c];
      row_starts[c] = static_cast<std::size_t>(std::uint64_t{y} * comp.h / height) * comp.w;
    }
    std::uint8_t* out = result.image.row(static_cast<int>(y));
    for (OPJ_UINT32 x = 0; x < width; ++x, out += 3) {
      for (int c = 0; c < 3; ++c) {
        int source = used == 3 ? c : 0;
        out[c] = readers[source].At(row_starts[source], x);
      }
      if (ycc) YccToRgb(out);
    }
  }
  return result;
}

PictureReadResult Decode(std::span<const std::uint8_t> data, const ReadHint& hint, J2kSource& source) {
  bool jp2 = data.size() >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 0 && data[3] == 0x0C;
  std::unique_ptr<opj_stream_t, StreamCloser> stream(opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_TRUE));
  std::unique_ptr<opj_codec_t, CodecCloser> codec(opj_create_decompress(jp2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K));
  if (!stream || !codec) return OutOfMemory(kFormat, "not enough memory to read a JPEG-2000 file");
  opj_stream_set_user_data(stream.get(), &source, nullptr);
  opj_stream_set_user_data_length(stream.get(), data.size());
  opj_stream_set_read_function(stream.get(), OnRead);
  opj_stream_set_skip_function(stream.get(), OnSkip);
  opj_stream_set_seek_function(stream.get(), OnSeek);
  opj_set_error_handler(codec.get(), OnError, &source);
  opj_set_warning_handler(codec.get(), OnNotice, &source);
  opj_set_info_handler(codec.get(), OnNotice, &source);

  opj_dparameters_t parameters;
  opj_set_default_decoder_parameters(&parameters);
  if (!opj_setup_decoder(codec.get(), &parameters)) return DamagedPicture(kFormat, source.message);
  // Worker threads pay off only for large pictures: for small files, starting them costs more than
  // decoding. Builds of the library without threads refuse, and decode on this thread.
  if (data.size() >= kThreadedFileSize) opj_codec_set_threads(codec.get(), kDecodeThreads);
  opj_image_t* header = nullptr;
  bool header_read = opj_read_header(stream.get(), codec.get(), &header);
  std::unique_ptr<opj_image_t, ImageCloser> image(header);
  if (!header_read || !image) return DecodeFailure(source.message, "header unreadable");
  if (image->numcomps == 0 || image->x1 <= image->x0 || image->y1 <= image->y0) {
    return DamagedPicture(kFormat, "picture has no pixels");
  }
  PictureReadResult result = PictureOfFormat(kFormat);
  if (!CheckPictureSize(result, image->x1 - image->x0, image->y1 - image->y0)) return result;

  // Drop as many resolution levels as the hint allows and the file has. A refused factor stays set
  // inside the library, so the loop ends only on one it accepted (0 always is).
  OPJ_UINT32 reduction = WantedReduction(*image, hint);
  while (!opj_set_decoded_resolution_factor(codec.get(), reduction) && reduction > 0) --reduction;
  source.message.clear();
  // Only the colour components are decoded; alpha and extra channels are skipped.
  OPJ_UINT32 used = image->numcomps >= 3 ? 3 : 1;
  if (image->numcomps > used) {
    OPJ_UINT32 indexes[3] = {0, 1, 2};
    opj_set_decoded_components(codec.get(), used, indexes, OPJ_FALSE);
  }
  OPJ_UINT32 width = 0;
  OPJ_UINT32 height = 0;
  ReducedSize(*image, reduction, width, height);
  if (std::uint64_t{width} * height * used * 4 > kMaxSampleBytes) {
    return PictureTooLarge(kFormat, image->x1 - image->x0, image->y1 - image->y0);
  }
  if (!opj_decode(codec.get(), stream.get(), image.get()) || !opj_end_decompress(codec.get(), stream.get())) {
    return DecodeFailure(source.message, "pixel data unreadable");
  }
  return ConvertComponents(*image, reduction);
}

}  // namespace

PictureReadResult ReadJpeg2000(std::span<const std::uint8_t> data, const ReadHint& hint) {
  J2kSource source(data);
  return Decode(data, hint, source);
}
