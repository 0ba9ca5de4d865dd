// The general reader: format detection from the data, format names, and every format's files cut
// short at every length.
#include <gtest/gtest.h>

#include <string>

#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

struct Sample {
  std::string name;
  Bytes file;
  PictureFormat format;
};

std::vector<Sample> AllSamples() {
  GifLayout interlaced;
  interlaced.interlaced = true, interlaced.height = interlaced.screen_height = 12, interlaced.transparent = 3;
  PngLayout interlaced_png = PngOfSample();
  interlaced_png.interlaced = true;
  std::vector<Sample> samples = {
      {"bmp 1", BmpFile(1), PictureFormat::kBmp},
      {"bmp 4 core", BmpFile(4, 0, 12), PictureFormat::kBmp},
      {"bmp 16 masks", BmpFile(16, 3), PictureFormat::kBmp},
      {"bmp 24", BmpFile(24), PictureFormat::kBmp},
      {"bmp 32 v5", BmpFile(32, 3, 124), PictureFormat::kBmp},
      {"bmp rle8", BmpFile(8, 1), PictureFormat::kBmp},
      {"bmp rle4", BmpFile(4, 2), PictureFormat::kBmp},
      {"pcx 1x4", PcxFile(1, 4), PictureFormat::kPcx},
      {"pcx 8x3", PcxFile(8, 3), PictureFormat::kPcx},
      {"tga 1", TgaFile(1, 8), PictureFormat::kTga},
      {"tga 10", TgaFile(10, 24), PictureFormat::kTga},
      {"tga 11", TgaFile(11, 8), PictureFormat::kTga},
      {"psd rgb", PsdFile(3, 8, false), PictureFormat::kPsd},
      {"psd cmyk packbits", PsdFile(4, 16, true), PictureFormat::kPsd},
      {"wbmp", WbmpFile(), PictureFormat::kWbmp},
      {"png", PngFile(PngOfSample()), PictureFormat::kPng},
      {"png interlaced", PngFile(interlaced_png), PictureFormat::kPng},
      {"jpeg", JpegOfSample(), PictureFormat::kJpeg},
      {"tiff lzw", TiffFile(true), PictureFormat::kTiff},
      {"gif interlaced", GifFile(interlaced), PictureFormat::kGif},
      {"j2k", J2kFile(21, 18, J2kKind::kRgb, false), PictureFormat::kJpeg2000},
      {"jp2", J2kFile(21, 18, J2kKind::kGrey, true), PictureFormat::kJpeg2000},
  };
  return samples;
}

}  // namespace

TEST(DetectPictureFormat, KnowsEveryFormatBySignature) {
  for (const Sample& sample : AllSamples()) {
    SCOPED_TRACE(sample.name);
    EXPECT_EQ(DetectPictureFormat(sample.file), sample.format);
    EXPECT_EQ(ReadPicture(sample.file).format, sample.format);
  }
  struct Case {
    const char* what;
    Bytes data;
    PictureFormat format;
  } cases[] = {
      {"big-endian TIFF", {'M', 'M', 0, 42, 0, 0, 0, 8}, PictureFormat::kTiff},
      {"BigTIFF", {'I', 'I', 43, 0, 8, 0, 0, 0}, PictureFormat::kTiff},
      {"placeable WMF", {0xD7, 0xCD, 0xC6, 0x9A, 0, 0}, PictureFormat::kWmf},
      {"standard WMF", {1, 0, 9, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, PictureFormat::kWmf},
      {"nothing", {}, PictureFormat::kUnknown},
      {"JPEG signature alone", {0xFF, 0xD8}, PictureFormat::kUnknown},
      {"BM with an unknown header size",
       {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0},
       PictureFormat::kUnknown},
      {"PCX with encoding 0", Patched(PcxFile(8, 3), 2, {0}), PictureFormat::kUnknown},
      {"large PSD document", Patched(PsdFile(3, 8, false), 5, {2}), PictureFormat::kUnknown},
      {"text", {'<', 'h', 't', 'm', 'l', '>', ' ', 'h', 'e', 'l', 'l', 'o', 0, 0, 0, 0, 0, 0}, PictureFormat::kUnknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DetectPictureFormat(c.data), c.format);
  }
  Bytes emf(88, 0);
  emf[0] = 1;
  emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
  EXPECT_EQ(DetectPictureFormat(emf), PictureFormat::kEmf);
}

TEST(PictureFormatName, NamesEveryFormat) {
  const char* names[] = {"unknown", "jpeg", "png", "tiff", "jpeg2000", "gif", "bmp",
                         "pcx",     "tga",  "psd", "wbmp", "wmf",      "emf"};
  for (int i = 0; i <= static_cast<int>(PictureFormat::kEmf); ++i) {
    EXPECT_STREQ(PictureFormatName(static_cast<PictureFormat>(i)), names[i]);
  }
}

TEST(ReadPicture, RefusesUnknownData) {
  EXPECT_TRUE(FailsWith(ReadPicture(Bytes{1, 2, 3, 4, 5}), "unsupported picture format"));
  EXPECT_TRUE(FailsWith(ReadPicture(Bytes{}), "unsupported picture format"));
}

#ifndef _WIN32
TEST(ReadPicture, SaysMetafilesAreNotSupportedHere) {
  PictureReadResult result = ReadPicture(Bytes{0xD7, 0xCD, 0xC6, 0x9A, 0, 0});
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.format, PictureFormat::kWmf);
  EXPECT_NE(result.error.find("not supported on this platform"), std::string::npos) << result.error;
}
#endif

// Every file cut at every length: no crash, and either a clear failure without a picture or
// (where the cut took only bytes the picture does not need) the whole picture.
TEST(ReadPicture, SurvivesFilesCutAtEveryLength) {
  for (const Sample& sample : AllSamples()) {
    SCOPED_TRACE(sample.name);
    const PictureReadResult whole = ReadPicture(sample.file);
    ASSERT_TRUE(whole.ok()) << whole.error;
    std::size_t failures = 0;
    for (std::size_t length = 0; length < sample.file.size(); ++length) {
      const Bytes cut(sample.file.begin(), sample.file.begin() + length);
      const PictureReadResult result = ReadPicture(cut);
      if (!result.ok()) {
        ++failures;
        EXPECT_FALSE(result.error.empty()) << "cut at " << length;
        EXPECT_TRUE(result.image.pixels.empty()) << "cut at " << length;
        continue;
      }
      EXPECT_EQ(result.image.width, whole.image.width) << "cut at " << length;
      EXPECT_EQ(result.image.height, whole.image.height) << "cut at " << length;
    }
    // Cut to half its length, no file still holds its picture (JPEG-2000 aside: a shortened
    // codestream is still a picture, of lower quality).
    if (sample.format != PictureFormat::kJpeg2000) {
      EXPECT_GE(failures, sample.file.size() / 2);
    }
  }
}
