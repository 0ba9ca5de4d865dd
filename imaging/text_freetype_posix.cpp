// Text into pixel buffers on Linux: fontconfig picks the face for a logical font record as the
// Windows font mapper would, FreeType renders it with the metrics GDI gives (cell height = ascent +
// descent from the font's Windows metrics, whole-pixel advances, no kerning).
// Only the main thread draws text: the library, the faces and the font choices are kept for the
// whole process in one cache without locks.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "common/cp1252.h"
#include "imaging/text.h"

namespace {

// A font height of 0 asks for the default size; GDI's is about 12 points on a 96 dpi screen.
constexpr int kDefaultEmPixels = 16;
// Larger characters than this are drawn at this size: one glyph image stays below 4 MB, and no
// picture of ours has room for more.
constexpr int kMaxEmPixels = 2048;

// A face and what must be synthesised to give the requested style.
struct FontChoice {
  FT_Face face = nullptr;
  bool embolden = false;
  bool slant = false;
};

class FontCache {
 public:
  FontCache() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~FontCache() {
    for (auto& [key, face] : faces_) FT_Done_Face(face);
    if (library_ != nullptr) FT_Done_FreeType(library_);
    // Fontconfig's configuration was loaded by the first match; give it back with the rest.
    FcFini();
  }
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The face for the record's face name, weight and italic flag; face null when none can be had.
  const FontChoice& Choose(const LogFont& font) {
    const std::string name(font.face_name, strnlen(font.face_name, sizeof font.face_name));
    const int weight = font.weight <= 0 ? 400 : std::min(font.weight, 1000);
    const bool italic = font.italic != 0;
    const auto key = std::make_tuple(name, weight, italic);
    auto found = choices_.find(key);
    if (found == choices_.end()) found = choices_.emplace(key, Match(name, weight, italic)).first;
    return found->second;
  }

 private:
  FontChoice Match(const std::string& name, int weight, bool italic) {
    FontChoice choice;
    if (library_ == nullptr) return choice;
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return choice;
    if (!name.empty()) {
      const std::string family = Cp1252ToUtf8(name);
      FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return choice;
    FcChar8* file = nullptr;
    int index = 0;
    int matched_weight = FC_WEIGHT_REGULAR;
    int matched_slant = FC_SLANT_ROMAN;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      FcPatternGetInteger(match, FC_INDEX, 0, &index);
      FcPatternGetInteger(match, FC_WEIGHT, 0, &matched_weight);
      FcPatternGetInteger(match, FC_SLANT, 0, &matched_slant);
      choice.face = Face(reinterpret_cast<const char*>(file), index);
    }
    FcPatternDestroy(match);
    // Like the Windows font mapper: bold from a face without a bold cut, italic from an upright one.
    choice.embolden = weight >= 600 && matched_weight < FC_WEIGHT_DEMIBOLD;
    choice.slant = italic && matched_slant == FC_SLANT_ROMAN;
    return choice;
  }

  FT_Face Face(const std::string& file, int index) {
    const auto key = std::make_pair(file, index);
    const auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), index, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face)) {
      FT_Done_Face(face);
      return nullptr;
    }
    faces_.emplace(key, face);
    return face;
  }

  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces_;
  std::map<std::tuple<std::string, int, bool>, FontChoice> choices_;
};

FontCache& Fonts() {
  static FontCache cache;
  return cache;
}

// Advances in whole pixels (before synthetic bold) of the 256 code page 1252 bytes in one face at
// one size; kUnknownAdvance until measured, kNoGlyph where the face cannot load one. The month overlay measures the same few characters some hundred times per wallpaper, and
// loading a glyph costs far more than looking its advance up.
using AdvanceTable = std::array<int, 256>;
constexpr int kUnknownAdvance = -1;
constexpr int kNoGlyph = -2;

AdvanceTable& AdvancesOf(FT_Face face, long char_size) {
  static std::map<std::pair<FT_Face, long>, AdvanceTable> tables;
  auto [entry, added] = tables.try_emplace({face, char_size});
  if (added) entry->second.fill(kUnknownAdvance);
  return entry->second;
}

// A face set to the record's size, with GDI's line metrics in pixels.
struct SizedFont {
  FontChoice choice;
  int ascent = 0;
  int descent = 0;
  int bold_extra = 0;  // pixels added to every advance by synthetic bold
  FT_Pos bold_strength = 0;
  AdvanceTable* advances = nullptr;
};

bool SizeFont(const LogFont& font, SizedFont& sized) {
  sized.choice = Fonts().Choose(font);
  FT_Face face = sized.choice.face;
  if (face == nullptr) return false;
  // GDI measures the cell by the font's Windows ascent and descent where the font has them.
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const bool windows_metrics = os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0;
  const double ascent_units = windows_metrics ? os2->usWinAscent : face->ascender;
  const double descent_units = windows_metrics ? os2->usWinDescent : -face->descender;
  if (ascent_units + descent_units <= 0) return false;
  // A negative height is the character (em) height, a positive one the cell height.
  double em = kDefaultEmPixels;
  if (font.height < 0) em = -static_cast<double>(font.height);
  if (font.height > 0) em = static_cast<double>(font.height) * face->units_per_EM / (ascent_units + descent_units);
  em = std::clamp(em, 1.0, static_cast<double>(kMaxEmPixels));
  const long char_size = std::lround(em * 64);
  if (FT_Set_Char_Size(face, 0, char_size, 72, 72) != 0) return false;
  sized.advances = &AdvancesOf(face, char_size);
  const double scale = em / face->units_per_EM;
  sized.ascent = static_cast<int>(std::lround(ascent_units * scale));
  sized.descent = static_cast<int>(std::lround(descent_units * scale));
  if (sized.choice.embolden) {
    sized.bold_strength = std::lround(em * 64 / 24);
    sized.bold_extra = std::max(1, static_cast<int>((sized.bold_strength + 32) >> 6));
  }
  return true;
}

// Loads the glyph of one code page 1252 byte into the face's slot, styled, outline not yet rendered.
bool LoadGlyph(const SizedFont& font, char byte) {
  FT_Face face = font.choice.face;
  const FT_UInt index = FT_Get_Char_Index(face, Cp1252CodePoint(static_cast<unsigned char>(byte)));
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return false;
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  if (font.choice.embolden) FT_Outline_Embolden(&face->glyph->outline, font.bold_strength);
  if (font.choice.slant) FT_GlyphSlot_Oblique(face->glyph);
  return true;
}

// The advance of the glyph in the slot, in whole pixels as GDI places them.
int Advance(const SizedFont& font) {
  return static_cast<int>((font.choice.face->glyph->advance.x + 32) >> 6) + font.bold_extra;
}

// The advance of one byte's glyph, from the table; 0 for a byte the face has no glyph for.
int CachedAdvance(const SizedFont& font, char byte) {
  int& advance = (*font.advances)[static_cast<unsigned char>(byte)];
  if (advance == kUnknownAdvance) advance = LoadGlyph(font, byte) ? Advance(font) - font.bold_extra : kNoGlyph;
  return advance == kNoGlyph ? 0 : advance + font.bold_extra;
}

int LineWidth(const SizedFont& font, std::string_view text) {
  int width = 0;
  for (char byte : text) width += CachedAdvance(font, byte);
  return width;
}

// Blends a rendered glyph image whose top-left pixel lands on (left, top) into image, inside clip.
void BlendGlyph(RgbImage& image, const FT_Bitmap& bitmap, int left, int top, const Rect& clip, Colorref colour) {
  const std::uint8_t ink[3] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
  const Rect glyph{left, top, left + static_cast<int>(bitmap.width), top + static_cast<int>(bitmap.rows)};
  const Rect area = IntersectRects(glyph, clip);
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* coverage = bitmap.buffer + static_cast<std::ptrdiff_t>(y - top) * bitmap.pitch;
    std::uint8_t* pixel = image.row(y) + static_cast<std::size_t>(area.left) * 3;
    for (int x = area.left; x < area.right; ++x, pixel += 3) {
      const int alpha = coverage[x - left];
      if (alpha == 0) continue;
      for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>((pixel[c] * (255 - alpha) + ink[c] * alpha + 127) / 255);
    }
  }
}

}  // namespace

TextExtent MeasureTextLine(std::string_view text, const LogFont& font) {
  SizedFont sized;
  if (!SizeFont(font, sized)) return {};
  return {LineWidth(sized, text), sized.ascent + sized.descent};
}

bool DrawTextLine(RgbImage& image, std::string_view text, const LogFont& font, const Rect& rect,
                  Colorref colour, TextPlacement placement) {
  if (!image.valid()) return false;
  SizedFont sized;
  if (!SizeFont(font, sized)) return false;
  int x = rect.left;
  int top = rect.top;
  if (placement == TextPlacement::kCentred) {
    x += (rect.width() - LineWidth(sized, text)) / 2;
    top += (rect.height() - (sized.ascent + sized.descent)) / 2;
  }
  const Rect clip = IntersectRects(rect, PictureBounds(image));
  const int baseline = top + sized.ascent;
  FT_GlyphSlot slot = sized.choice.face->glyph;
  for (char byte : text) {
    if (!LoadGlyph(sized, byte)) continue;
    const int advance = Advance(sized);
    if (!clip.empty()) {
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
      BlendGlyph(image, slot->bitmap, x + slot->bitmap_left, baseline - slot->bitmap_top, clip, colour);
    }
    x += advance;
  }
  return true;
}
