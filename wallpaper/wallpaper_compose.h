// Composing the wallpaper of the whole desktop: one bitmap over the bounding box of all monitors (the
// virtual screen), each monitor's rectangle holding its picture fitted to that monitor, with the
// month above that monitor's taskbar; what no monitor covers stays black. One monitor is the plain
// case of the same composition: the bitmap is that monitor's picture.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "imaging/image.h"
#include "imaging/picture_reader.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_record.h"
#include "wallpaper/picture_render.h"

// One monitor in virtual-screen coordinates: the primary monitor's top left is 0,0, so a monitor
// left of or above it has negative coordinates.
struct Monitor {
  Rect area;
  int work_area_bottom = 0;  // bottom of its work area, counted from the monitor's top
};

// The picture a monitor shows: a built-in picture or a file, with the record whose fit mode and
// adjustments apply.
struct ShownPicture {
  std::string name;
  bool builtin = false;
  PictureRecord record;
};

struct ComposeRequest {
  std::span<const Monitor> monitors;       // the primary monitor first
  std::span<const ShownPicture> pictures;  // one per monitor, or one for every monitor
  bool true_colour = true;
  const MonthOverlay* overlay = nullptr;   // nullptr: no calendar; its work area is each monitor's
  bool calendar_on_every_monitor = true;   // false: the month on the primary monitor only
};

// The picture monitor m shows: the one for every monitor, or its own.
inline const ShownPicture& PictureOfMonitor(std::span<const ShownPicture> pictures, std::size_t m) {
  return pictures.size() == 1 ? pictures.front() : pictures[m];
}

// Widens the read size so that the picture read still covers the monitor.
inline void CoverMonitor(ReadHint& hint, const Monitor& monitor) {
  hint.cover_width = std::max(hint.cover_width, monitor.area.width());
  hint.cover_height = std::max(hint.cover_height, monitor.area.height());
}

// The bounding box of the monitors; empty when there are none.
Rect VirtualScreen(std::span<const Monitor> monitors);

// Composes and writes the wallpaper (a temporary file renamed into place; on any failure the old
// file stays). A picture shown on several monitors is read once, at the reduced size the largest of
// them allows. Overlapping monitors show the earlier monitor's picture, so the primary's is on top.
// The calendar font height reported is the primary monitor's.
RenderResult ComposeWallpaper(const ComposeRequest& request, const std::string& output_path,
                              BuiltinPictures& pictures);
