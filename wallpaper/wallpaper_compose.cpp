// The wallpaper of the whole desktop. Monitors are rendered from the last to the primary and pasted
// as they are done, so only one monitor's picture and the pictures still to be shown live beside
// the bitmap. A picture shown on several monitors is read once and handed on: copied for each monitor
// but its last, which takes it.
//
// Memory: the bitmap of the virtual screen, one monitor's render buffers, and each picture read
// that a monitor still to come shows.
#include "wallpaper/wallpaper_compose.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "common/cp1252.h"
#include "common/file_system.h"
#include "imaging/bmp_writer.h"
#include "imaging/pixel_ops.h"

namespace {

RenderResult Failed(RenderFailure failure) {
  RenderResult result;
  result.failure = failure;
  return result;
}

bool SamePicture(const ShownPicture& a, const ShownPicture& b) {
  return a.builtin == b.builtin && EqualIgnoringCase(a.name, b.name);
}

// One picture to be shown: which monitors show it, the size its read must cover, and the picture
// once read.
struct PictureUse {
  const ShownPicture* shown = nullptr;
  std::vector<std::size_t> monitors;
  ReadHint hint;
  RgbImage read;
  bool was_read = false;
};

// The pictures of the request, each once, with the monitors that show it. The read covers the widest
// and the tallest of those monitors.
std::vector<PictureUse> GroupPictures(const ComposeRequest& request) {
  std::vector<PictureUse> uses;
  for (std::size_t m = 0; m < request.monitors.size(); ++m) {
    const ShownPicture& shown = PictureOfMonitor(request.pictures, m);
    auto use = std::find_if(uses.begin(), uses.end(), [&](const PictureUse& u) { return SamePicture(*u.shown, shown); });
    if (use == uses.end()) {
      uses.emplace_back();
      use = std::prev(uses.end());
      use->shown = &shown;
    }
    use->monitors.push_back(m);
    CoverMonitor(use->hint, request.monitors[m]);
  }
  return uses;
}

// The picture for monitor m: read at its first use, a copy for every use but the last, which takes
// it. Empty when it cannot be read.
RgbImage TakePicture(PictureUse& use, std::size_t m, BuiltinPictures& pictures) {
  if (!use.was_read) {
    use.read = ReadNamedPicture(use.shown->name, use.shown->builtin, pictures, use.hint);
    use.was_read = true;
  }
  // Monitors are done from the last, so the use's first monitor is its last to be done.
  if (m == use.monitors.front()) return std::move(use.read);
  return use.read;
}

RenderResult Compose(const ComposeRequest& request, const std::string& output_path, BuiltinPictures& pictures) {
  const Rect screen = VirtualScreen(request.monitors);
  const bool one_for_all = request.pictures.size() == 1;
  if (screen.empty() || (!one_for_all && request.pictures.size() != request.monitors.size())) {
    return Failed(RenderFailure::kPictureUnusable);
  }
  std::vector<PictureUse> uses = GroupPictures(request);
  RgbImage wallpaper;
  RenderResult result;
  for (std::size_t m = request.monitors.size(); m-- > 0;) {
    const Monitor& monitor = request.monitors[m];
    PictureUse& use = *std::find_if(uses.begin(), uses.end(), [&](const PictureUse& u) {
      return std::find(u.monitors.begin(), u.monitors.end(), m) != u.monitors.end();
    });
    const RenderRequest render{.screen_width = monitor.area.width(),
                               .screen_height = monitor.area.height(),
                               .true_colour = request.true_colour};
    std::optional<RgbImage> shown = RenderReadPicture(TakePicture(use, m, pictures), use.shown->record, render);
    if (!shown) return Failed(RenderFailure::kPictureUnusable);
    if (request.overlay != nullptr && (m == 0 || request.calendar_on_every_monitor)) {
      MonthOverlay overlay = *request.overlay;
      overlay.work_area_bottom = monitor.work_area_bottom;
      int font_height = DrawMonthOverlay(*shown, overlay);
      if (m == 0) result.calendar_font_height = font_height;
    }
    if (request.monitors.size() == 1) {
      wallpaper = std::move(*shown);
      continue;
    }
    if (!wallpaper.valid()) wallpaper = MakeImage(screen.width(), screen.height());
    if (!wallpaper.valid()) return Failed(RenderFailure::kOutOfMemory);
    Paste(wallpaper, *shown, monitor.area.left - screen.left, monitor.area.top - screen.top);
  }
  std::vector<std::uint8_t> bmp = EncodeBmp24(wallpaper);
  // A temporary file renamed into place: a failed or interrupted write leaves the old wallpaper.
  if (bmp.empty() || !ReplaceFileContents(output_path, bmp)) return Failed(RenderFailure::kFileNotWritten);
  return result;
}

}  // namespace

Rect VirtualScreen(std::span<const Monitor> monitors) {
  if (monitors.empty()) return Rect{};
  Rect box = monitors.front().area;
  for (const Monitor& monitor : monitors.subspan(1)) {
    box.left = std::min(box.left, monitor.area.left);
    box.top = std::min(box.top, monitor.area.top);
    box.right = std::max(box.right, monitor.area.right);
    box.bottom = std::max(box.bottom, monitor.area.bottom);
  }
  return box;
}

// A picture too large for the memory at hand fails the compose: the buffers are released on the way
// out, and the wallpaper build goes on with its next attempt.
RenderResult ComposeWallpaper(const ComposeRequest& request, const std::string& output_path,
                              BuiltinPictures& pictures) {
  try {
    return Compose(request, output_path, pictures);
  } catch (const std::bad_alloc&) {
    return Failed(RenderFailure::kOutOfMemory);
  }
}
