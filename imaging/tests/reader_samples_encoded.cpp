// The formats encoded through their libraries: JPEG, PNG, TIFF, JPEG-2000, GIF. Encoding here
// cannot fail on the fixed inputs the tests give; the library's default error handling (which ends
// the test program) is good enough for that.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>
#include <openjpeg.h>
#include <png.h>
#include <tiffio.h>

#include "imaging/tests/reader_samples.h"

namespace {

// A growing memory file for the libraries' write callbacks.
struct MemoryFile {
  Bytes bytes;
  std::uint64_t position = 0;

  void Write(const void* data, std::size_t count) {
    if (bytes.size() < position + count) bytes.resize(position + count);
    std::memcpy(bytes.data() + position, data, count);
    position += count;
  }
};

MemoryFile* FileOf(void* user) { return static_cast<MemoryFile*>(user); }

std::uint8_t J2kPattern(int x, int y, int c) {
  // 16 x 16 blocks of one colour each, so that lower resolution levels keep the block colours.
  int block = (x / 16) * 3 + (y / 16) * 5 + c * 7;
  return static_cast<std::uint8_t>(40 + (block * 37) % 150);
}

}  // namespace

namespace {

// Compresses the rows fill(y, row) gives; full_chroma keeps the colour at full resolution.
template <typename FillRow>
Bytes CompressJpeg(int width, int height, int components, J_COLOR_SPACE space, int quality, bool adobe_marker,
                   bool full_chroma, FillRow fill) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.write_Adobe_marker = adobe_marker;
  if (full_chroma) {
    for (int c = 0; c < components; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  Bytes row(static_cast<std::size_t>(width) * components);
  while (info.next_scanline < info.image_height) {
    fill(static_cast<int>(info.next_scanline), row.data());
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace

Bytes JpegFile(int width, int height, JpegKind kind, std::array<std::uint8_t, 4> colour) {
  bool cmyk = kind == JpegKind::kCmyk || kind == JpegKind::kCmykAdobe;
  int components = kind == JpegKind::kGrey ? 1 : cmyk ? 4 : 3;
  J_COLOR_SPACE space = kind == JpegKind::kGrey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  return CompressJpeg(width, height, components, space, 95, kind == JpegKind::kCmykAdobe, false,
                      [&](int, std::uint8_t* row) {
                        for (int i = 0; i < width * components; ++i) row[i] = colour[i % components];
                      });
}

Bytes JpegOfSample() {
  const RgbImage sample = SampleColours();
  return CompressJpeg(sample.width * 8, sample.height * 8, 3, JCS_RGB, 100, false, true, [&](int y, std::uint8_t* row) {
    for (int x = 0; x < sample.width * 8; ++x) std::memcpy(row + x * 3, sample.row(y / 8) + x / 8 * 3, 3);
  });
}

namespace {

void PngWrite(png_structp png, png_bytep data, std::size_t count) { FileOf(png_get_io_ptr(png))->Write(data, count); }

void PngFlush(png_structp) {}

bool WritePng(png_structp png, png_infop info, const PngLayout& layout, png_bytepp rows, MemoryFile* file) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, file, PngWrite, PngFlush);
  png_set_IHDR(png, info, layout.width, layout.height, layout.bit_depth, layout.color_type,
               layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_color palette[256];
  for (std::size_t i = 0; i < layout.palette.size(); ++i) {
    palette[i] = {layout.palette[i][0], layout.palette[i][1], layout.palette[i][2]};
  }
  if (!layout.palette.empty()) png_set_PLTE(png, info, palette, static_cast<int>(layout.palette.size()));
  if (!layout.transparency.empty()) {
    png_set_tRNS(png, info, layout.transparency.data(), static_cast<int>(layout.transparency.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

Bytes PngFile(const PngLayout& layout) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Bytes rows = layout.rows;
  std::size_t row_bytes = rows.size() / layout.height;
  std::vector<png_bytep> pointers;
  for (int y = 0; y < layout.height; ++y) pointers.push_back(rows.data() + y * row_bytes);
  MemoryFile file;
  bool written = WritePng(png, info, layout, pointers.data(), &file);
  png_destroy_write_struct(&png, &info);
  return written ? file.bytes : Bytes();
}

PngLayout PngOfSample() {
  const RgbImage sample = SampleColours();
  PngLayout layout;
  layout.rows = sample.pixels;
  return layout;
}

namespace {

tmsize_t TiffRead(thandle_t, void*, tmsize_t) { return 0; }
tmsize_t TiffWrite(thandle_t handle, void* data, tmsize_t count) {
  reinterpret_cast<MemoryFile*>(handle)->Write(data, static_cast<std::size_t>(count));
  return count;
}
toff_t TiffSeek(thandle_t handle, toff_t offset, int whence) {
  MemoryFile* file = reinterpret_cast<MemoryFile*>(handle);
  file->position = (whence == SEEK_CUR ? file->position : whence == SEEK_END ? file->bytes.size() : 0) + offset;
  return file->position;
}
int TiffClose(thandle_t) { return 0; }
toff_t TiffSize(thandle_t handle) { return reinterpret_cast<MemoryFile*>(handle)->bytes.size(); }
int TiffMap(thandle_t, void**, toff_t*) { return 0; }
void TiffUnmap(thandle_t, void*, toff_t) {}

}  // namespace

Bytes TiffFile(bool lzw) {
  const RgbImage sample = SampleColours();
  MemoryFile file;
  TIFF* tiff = TIFFClientOpen("sample", "w", reinterpret_cast<thandle_t>(&file), TiffRead, TiffWrite, TiffSeek,
                              TiffClose, TiffSize, TiffMap, TiffUnmap);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, sample.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, sample.height);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, lzw ? COMPRESSION_LZW : COMPRESSION_NONE);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 2);
  for (int y = 0; y < sample.height; ++y) {
    Bytes row(sample.row(y), sample.row(y) + sample.row_bytes());
    TIFFWriteScanline(tiff, row.data(), y, 0);
  }
  TIFFClose(tiff);
  return file.bytes;
}

RgbImage J2kExpected(int width, int height, J2kKind kind) {
  RgbImage image = MakeImage(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) image.row(y)[x * 3 + c] = J2kPattern(x, y, kind == J2kKind::kRgb ? c : 0);
    }
  }
  return image;
}

namespace {

OPJ_SIZE_T J2kWrite(void* data, OPJ_SIZE_T count, void* user) {
  FileOf(user)->Write(data, count);
  return count;
}
OPJ_OFF_T J2kSkip(OPJ_OFF_T count, void* user) {
  FileOf(user)->position += count;
  return count;
}
OPJ_BOOL J2kSeek(OPJ_OFF_T offset, void* user) {
  FileOf(user)->position = offset;
  return OPJ_TRUE;
}

}  // namespace

Bytes J2kFile(int width, int height, J2kKind kind, bool jp2, int resolutions, int precision) {
  const int count = kind == J2kKind::kGrey ? 1 : 3;
  const bool subsampled = kind == J2kKind::kYccSubsampled;
  opj_image_cmptparm_t parameters[3] = {};
  for (int c = 0; c < count; ++c) {
    int step = subsampled && c > 0 ? 2 : 1;
    parameters[c].dx = parameters[c].dy = step;
    parameters[c].w = (width + step - 1) / step;
    parameters[c].h = (height + step - 1) / step;
    parameters[c].prec = precision;
  }
  OPJ_COLOR_SPACE space = kind == J2kKind::kGrey ? OPJ_CLRSPC_GRAY : subsampled ? OPJ_CLRSPC_SYCC : OPJ_CLRSPC_SRGB;
  opj_image_t* image = opj_image_create(count, parameters, space);
  image->x1 = width;
  image->y1 = height;
  for (int c = 0; c < count; ++c) {
    opj_image_comp_t& comp = image->comps[c];
    for (OPJ_UINT32 y = 0; y < comp.h; ++y) {
      for (OPJ_UINT32 x = 0; x < comp.w; ++x) {
        // Subsampled chroma: blue difference neutral, red difference +40.
        int value = subsampled && c > 0 ? (c == 1 ? 128 : 168) : J2kPattern(x, y, kind == J2kKind::kRgb ? c : 0);
        comp.data[y * comp.w + x] = precision >= 8 ? value << (precision - 8) : value >> (8 - precision);
      }
    }
  }
  opj_cparameters_t encoding;
  opj_set_default_encoder_parameters(&encoding);
  encoding.numresolution = resolutions;
  encoding.tcp_numlayers = 1;
  encoding.tcp_rates[0] = 0;
  encoding.cp_disto_alloc = 1;
  encoding.tcp_mct = kind == J2kKind::kRgb ? 1 : 0;
  opj_codec_t* codec = opj_create_compress(jp2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K);
  opj_setup_encoder(codec, &encoding, image);
  MemoryFile file;
  opj_stream_t* stream = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE);
  opj_stream_set_user_data(stream, &file, nullptr);
  opj_stream_set_write_function(stream, J2kWrite);
  opj_stream_set_skip_function(stream, J2kSkip);
  opj_stream_set_seek_function(stream, J2kSeek);
  bool encoded =
      opj_start_compress(codec, image, stream) && opj_encode(codec, stream) && opj_end_compress(codec, stream);
  opj_stream_destroy(stream);
  opj_destroy_codec(codec);
  opj_image_destroy(image);
  return encoded ? file.bytes : Bytes();
}

namespace {

int GifWrite(GifFileType* gif, const GifByteType* data, int count) {
  FileOf(gif->UserData)->Write(data, static_cast<std::size_t>(count));
  return count;
}

ColorMapObject* ColourMap(const IndexedPicture& picture, bool grey) {
  std::vector<GifColorType> colours;
  for (std::size_t i = 0; i < picture.colours.size(); ++i) {
    std::uint8_t level = static_cast<std::uint8_t>(i * 16);
    const auto& colour = picture.colours[i];
    colours.push_back(grey ? GifColorType{level, level, level} : GifColorType{colour[0], colour[1], colour[2]});
  }
  return GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
}

}  // namespace

Bytes GifFile(const GifLayout& layout) {
  const IndexedPicture indexed = SampleIndexed(16);
  MemoryFile file;
  int error = 0;
  GifFileType* gif = EGifOpen(&file, GifWrite, &error);
  EGifSetGifVersion(gif, true);
  // With local colours the global table is a grey ramp that the frame must not use.
  ColorMapObject* global = ColourMap(indexed, layout.local_colours);
  ColorMapObject* local = layout.local_colours ? ColourMap(indexed, false) : nullptr;
  EGifPutScreenDesc(gif, layout.screen_width, layout.screen_height, 8, layout.background, global);
  if (layout.transparent >= 0) {
    GraphicsControlBlock control{};
    control.TransparentColor = layout.transparent;
    GifByteType extension[4];
    std::size_t size = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(size), extension);
  }
  EGifPutImageDesc(gif, layout.left, layout.top, indexed.width, layout.height, layout.interlaced, local);
  static constexpr int kPassStart[] = {0, 4, 2, 1};
  static constexpr int kPassStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < (layout.interlaced ? 4 : 1); ++pass) {
    for (int y = layout.interlaced ? kPassStart[pass] : 0; y < layout.height;
         y += layout.interlaced ? kPassStep[pass] : 1) {
      GifPixelType line[5];
      for (int x = 0; x < indexed.width; ++x)
        line[x] = static_cast<GifPixelType>(indexed.IndexAt(x, y % indexed.height));
      EGifPutLine(gif, line, indexed.width);
    }
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(global);
  GifFreeMapObject(local);
  return file.bytes;
}
