// The date icons: the pictures of date_icon_picture made into icons with their masks.
#include "app/date_icon_win.h"

#include <vector>

#include "app/date_icon_picture.h"
#include "app/program_win.h"
#include "calendar/date_arithmetic.h"
#include "common/bounded_text.h"
#include "imaging/display_bitmap_win.h"
#include "imaging/picture_reader.h"
#include "wallpaper/resource_bitmap_win.h"

namespace {

// An icon (not a cursor) from the picture and a monochrome mask; the mask is deleted here.
HICON IconFromPicture(const RgbImage& picture, HBITMAP mask) {
  if (picture.empty() || mask == nullptr) {
    if (mask != nullptr) DeleteObject(mask);
    return nullptr;
  }
  HDC screen = GetDC(nullptr);
  HBITMAP colour = ImageToDisplayBitmap(picture, screen);
  ReleaseDC(nullptr, screen);
  HICON icon = nullptr;
  if (colour != nullptr) {
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    icon = CreateIconIndirect(&info);
    DeleteObject(colour);
  }
  DeleteObject(mask);
  return icon;
}

}  // namespace

HICON MakeDateIcon(int day, Colorref colour) {
  PictureReadResult sheet = ReadPicture(ProgramResource("ICON_KAL", "BITMAPI"));
  if (!sheet.ok() || !DrawLargeDateIcon(sheet.image, day, colour)) return nullptr;
  auto mask = static_cast<HBITMAP>(LoadImageA(ProgramInstance(), "ICON_MSK", IMAGE_BITMAP, 0, 0, LR_MONOCHROME));
  return IconFromPicture(sheet.image, mask);
}

HICON MakeSmallDateIcon(int day, int width, int height, Colorref background, Colorref colour) {
  RgbImage picture = DrawSmallDateIcon(day, width, height, background, colour);
  if (picture.empty()) return nullptr;
  // All mask bits 0: every pixel of the picture is shown.
  std::vector<WORD> zero_bits(static_cast<std::size_t>((width + 15) / 16) * height, 0);
  return IconFromPicture(picture, CreateBitmap(width, height, 1, 1, zero_bits.data()));
}

HICON MoonIcon(int day, int month, int year, int size) {
  char name[8];
  FormatText(name, sizeof name, "MOND%d", MoonIconIndex(day, month, year));
  return static_cast<HICON>(LoadImageA(ProgramInstance(), name, IMAGE_ICON, size, size, LR_SHARED));
}
