// Text into pixel buffers on Windows: GDI measures and draws with the logical font itself. Drawing
// goes through a 24-bit DIB section holding the target rectangle, so GDI's antialiasing blends the
// text into the picture underneath.
#include <windows.h>

#include "common/owned_handles_win.h"
#include "imaging/display_bitmap_win.h"
#include "imaging/font_win.h"
#include "imaging/text.h"

namespace {

constexpr UINT kSingleLine = DT_SINGLELINE | DT_NOPREFIX;

// Selects an object into a device context for as long as it lives.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

TextExtent MeasureTextLine(std::string_view text, const LogFont& font) {
  const OwnedFont handle = MakeFontHandle(font);
  const OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!handle || !dc) return {};
  const Selection selected(dc.get(), handle.get());
  // DrawText measures nothing for an empty text; its line is still a line.
  if (text.empty()) {
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(dc.get(), &metrics)) return {};
    return {0, static_cast<int>(metrics.tmHeight)};
  }
  RECT bounds{0, 0, 0, 0};
  if (DrawTextA(dc.get(), text.data(), static_cast<int>(text.size()), &bounds, DT_CALCRECT | kSingleLine) == 0) {
    return {};
  }
  return {static_cast<int>(bounds.right - bounds.left), static_cast<int>(bounds.bottom - bounds.top)};
}

bool DrawTextLine(RgbImage& image, std::string_view text, const LogFont& font, const Rect& rect,
                  Colorref colour, TextPlacement placement) {
  if (!image.valid()) return false;
  const OwnedFont handle = MakeFontHandle(font);
  const OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!handle || !dc) return false;
  const Rect area = IntersectRects(rect, PictureBounds(image));
  if (area.empty() || text.empty()) return true;

  const BITMAPINFO info = TopDownDibInfo(area.width(), area.height());
  void* bits = nullptr;
  const OwnedBitmap section(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || bits == nullptr) return false;
  auto* rows = static_cast<std::uint8_t*>(bits);
  CopyToDibRows(image, area, rows);

  bool drawn = false;
  {
    const Selection bitmap_selected(dc.get(), section.get());
    const Selection font_selected(dc.get(), handle.get());
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), colour);
    // The rectangle in the section's coordinates; GDI clips the text to it.
    RECT target{rect.left - area.left, rect.top - area.top, rect.right - area.left, rect.bottom - area.top};
    const UINT placing = placement == TextPlacement::kCentred ? DT_CENTER | DT_VCENTER : DT_LEFT | DT_TOP;
    drawn = DrawTextA(dc.get(), text.data(), static_cast<int>(text.size()), &target, kSingleLine | placing) != 0;
    GdiFlush();
  }
  if (drawn) CopyFromDibRows(rows, image, area);
  return drawn;
}
