// Windows metafiles through GDI: an EMF made here with a red rectangle on it, the same picture as
// a standard WMF and as a placeable WMF, read back through the general reader.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "common/byte_order.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

// An EMF whose frame is 200 x 100 pixels of the screen, with a red rectangle from (50, 20) to
// (150, 80) in those pixels.
Bytes RedRectangleEmf() {
  HDC screen = GetDC(nullptr);
  const int pixels_wide = GetDeviceCaps(screen, HORZRES);
  const int pixels_high = GetDeviceCaps(screen, VERTRES);
  const int millimetres_wide = GetDeviceCaps(screen, HORZSIZE);
  const int millimetres_high = GetDeviceCaps(screen, VERTSIZE);
  ReleaseDC(nullptr, screen);
  RECT frame{0, 0, MulDiv(200, millimetres_wide * 100, pixels_wide), MulDiv(100, millimetres_high * 100, pixels_high)};
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HGDIOBJ old_brush = SelectObject(dc, red);
  HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  Rectangle(dc, 50, 20, 151, 81);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(red);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  Bytes bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
  GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(metafile);
  return bytes;
}

Bytes AsWmf(const Bytes& emf) {
  HENHMETAFILE metafile = SetEnhMetaFileBits(static_cast<UINT>(emf.size()), emf.data());
  HDC screen = GetDC(nullptr);
  Bytes bytes(GetWinMetaFileBits(metafile, 0, nullptr, MM_ANISOTROPIC, screen));
  GetWinMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data(), MM_ANISOTROPIC, screen);
  ReleaseDC(nullptr, screen);
  DeleteEnhMetaFile(metafile);
  return bytes;
}

// The placeable header: key, handle 0, bounding box (0, 0) - (width, height) in units of 1/inch,
// reserved, and the checksum (XOR of the ten 16-bit words before it).
Bytes Placeable(const Bytes& wmf, int width, int height, int units_per_inch) {
  Bytes header(22 + wmf.size(), 0);
  WriteU32LE(&header[0], 0x9AC6CDD7);
  WriteU16LE(&header[10], static_cast<std::uint16_t>(width));
  WriteU16LE(&header[12], static_cast<std::uint16_t>(height));
  WriteU16LE(&header[14], static_cast<std::uint16_t>(units_per_inch));
  std::uint16_t checksum = 0;
  for (int i = 0; i < 10; ++i) checksum ^= ReadU16LE(&header[i * 2]);
  WriteU16LE(&header[20], checksum);
  std::copy(wmf.begin(), wmf.end(), header.begin() + 22);
  return header;
}

bool IsColour(const RgbImage& image, int x, int y, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const std::uint8_t* pixel = image.row(y) + x * 3;
  return pixel[0] == red && pixel[1] == green && pixel[2] == blue;
}

}  // namespace

TEST(MetafileReader, PlaysAnEmfAtItsFrameSize) {
  const Bytes emf = RedRectangleEmf();
  ASSERT_EQ(DetectPictureFormat(emf), PictureFormat::kEmf);
  PictureReadResult result = ReadPicture(emf);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_NEAR(result.image.width, 200, 2);
  EXPECT_NEAR(result.image.height, 100, 2);
  EXPECT_TRUE(IsColour(result.image, 100, 50, 255, 0, 0));
  EXPECT_TRUE(IsColour(result.image, 10, 10, 255, 255, 255));
  EXPECT_TRUE(IsColour(result.image, 180, 90, 255, 255, 255));
}

TEST(MetafileReader, PlaysWmfAtTheDefaultOrPlaceableSize) {
  const Bytes wmf = AsWmf(RedRectangleEmf());
  ASSERT_EQ(DetectPictureFormat(wmf), PictureFormat::kWmf);
  PictureReadResult plain = ReadPicture(wmf);
  ASSERT_TRUE(plain.ok()) << plain.error;
  EXPECT_EQ(plain.image.width, 800);
  EXPECT_EQ(plain.image.height, 600);
  EXPECT_TRUE(IsColour(plain.image, 400, 300, 255, 0, 0));
  EXPECT_TRUE(IsColour(plain.image, 20, 20, 255, 255, 255));

  // 2 x 1 inches at 96 pixels an inch.
  const Bytes placeable = Placeable(wmf, 2000, 1000, 1000);
  ASSERT_EQ(DetectPictureFormat(placeable), PictureFormat::kWmf);
  PictureReadResult sized = ReadPicture(placeable);
  ASSERT_TRUE(sized.ok()) << sized.error;
  EXPECT_EQ(sized.image.width, 192);
  EXPECT_EQ(sized.image.height, 96);
  EXPECT_TRUE(IsColour(sized.image, 96, 48, 255, 0, 0));
}

TEST(MetafileReader, RefusesLyingSizes) {
  const Bytes emf = RedRectangleEmf();
  Bytes long_emf = emf;
  WriteU32LE(&long_emf[48], static_cast<std::uint32_t>(emf.size() + 1));
  EXPECT_TRUE(FailsWith(ReadPicture(long_emf), "damaged EMF file: size field does not fit the file"));
  Bytes huge_frame = emf;
  WriteI32LE(&huge_frame[32], 2'000'000'000);
  EXPECT_TRUE(FailsWith(ReadPicture(huge_frame), "picture too large: "));
  const Bytes wmf = AsWmf(emf);
  EXPECT_TRUE(FailsWith(ReadPicture(Bytes(wmf.begin(), wmf.end() - 2)), "damaged WMF file: size field does not fit"));
  EXPECT_TRUE(FailsWith(ReadPicture(Placeable(wmf, 2000, 1000, 0)), "damaged WMF file: invalid bounding box"));
}
