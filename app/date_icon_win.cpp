// The date icons: the pictures of date_icon_picture made into icons with their masks.
#include "app/date_icon_win.h"

#include <vector>

#include "app/date_icon_picture.h"
#include "calendar/date_arithmetic.h"
#include "common/bounded_text.h"
#include "common/shared_icon_win.h"
#include "imaging/display_bitmap_win.h"
#include "imaging/picture_reader.h"
#include "wallpaper/builtin_pictures_win.h"

namespace {

// An icon (not a cursor) from the picture and a monochrome mask; the icon keeps copies of both.
OwnedIcon IconFromPicture(const RgbImage& picture, const OwnedBitmap& mask) {
  if (picture.empty() || !mask) return nullptr;
  const ScreenDc screen;
  const OwnedBitmap colour = ImageToDisplayBitmap(picture, screen.get());
  if (!colour) return nullptr;
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.get();
  info.hbmColor = colour.get();
  return OwnedIcon(CreateIconIndirect(&info));
}

}  // namespace

OwnedIcon MakeDateIcon(int day, Colorref colour) {
  PictureReadResult sheet = ReadPicture(ProgramResource("ICON_KAL", "BITMAPI"));
  if (!sheet.ok() || !DrawLargeDateIcon(sheet.image, day, colour)) return nullptr;
  const OwnedBitmap mask(
      static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "ICON_MSK", IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
  return IconFromPicture(sheet.image, mask);
}

OwnedIcon MakeSmallDateIcon(int day, int width, int height, Colorref background, Colorref colour) {
  RgbImage picture = DrawSmallDateIcon(day, width, height, background, colour);
  if (picture.empty()) return nullptr;
  // All mask bits 0: every pixel of the picture is shown.
  std::vector<WORD> zero_bits(static_cast<std::size_t>((width + 15) / 16) * height, 0);
  const OwnedBitmap mask(CreateBitmap(width, height, 1, 1, zero_bits.data()));
  return IconFromPicture(picture, mask);
}

HICON MoonIcon(int day, int month, int year, int size) {
  char name[8];
  FormatText(name, sizeof name, "MOND%d", MoonIconIndex(day, month, year));
  return SharedIcon(name, size);
}
