// The command line of compose: sizes, colours, defaults, overrides, flags and the refusals that
// name the bad argument.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/compose_options.h"
#include "settings/settings.h"

namespace {

std::optional<ComposeOptions> Parse(std::vector<std::string_view> arguments, std::string* err_text = nullptr) {
  std::ostringstream err;
  std::optional<ComposeOptions> options = ParseComposeOptions(arguments, err);
  if (err_text != nullptr) *err_text = err.str();
  return options;
}

TEST(ComposeOptionsTest, ScreenSizes) {
  struct Case {
    const char* text;
    int width;  // 0: refused
    int height;
  };
  const Case cases[] = {
      {"1920x1080", 1920, 1080}, {"1x1", 1, 1},       {"16384x7000", 16384, 7000},
      {"0x0", 0, 0},             {"0x100", 0, 0},      {"100000x100000", 0, 0},
      {"16385x10", 0, 0},        {"16384x16384", 0, 0},  // above 120 megapixels
      {"1920", 0, 0},            {"1920x", 0, 0},      {"x1080", 0, 0},
      {"1920X1080", 0, 0},       {"-5x5", 0, 0},       {"5x5x5", 0, 0},
      {" 5x5", 0, 0},            {"wide", 0, 0},       {"", 0, 0},
  };
  for (const Case& c : cases) {
    std::optional<ScreenSize> size = ParseScreenSize(c.text);
    if (c.width == 0) {
      EXPECT_FALSE(size.has_value()) << c.text;
      continue;
    }
    ASSERT_TRUE(size.has_value()) << c.text;
    EXPECT_EQ(size->width, c.width) << c.text;
    EXPECT_EQ(size->height, c.height) << c.text;
  }
}

TEST(ComposeOptionsTest, MonitorLayouts) {
  struct Case {
    const char* text;
    std::vector<Monitor> monitors;  // empty: refused
  };
  auto at = [](int left, int top, int width, int height, int bottom) {
    return Monitor{.area = Rect{left, top, left + width, top + height}, .work_area_bottom = bottom};
  };
  const Case cases[] = {
      {"320x200+0+0", {at(0, 0, 320, 200, 160)}},
      {"320x200+0+0/200,200x320+320+-60/0", {at(0, 0, 320, 200, 200), at(320, -60, 200, 320, 0)}},
      {"1920x1080+0+0,1280x1024-1280-300", {at(0, 0, 1920, 1080, 1040), at(-1280, -300, 1280, 1024, 984)}},
      {"30x20+5+5", {at(5, 5, 30, 20, 0)}},  // lower than a taskbar: the work area ends at the top
      {"16000x100+0+0,1000x100+16000+0", {}},  // spans more than 16384 pixels
      {"320x200+0+0/201", {}}, {"320x200+0+0/", {}}, {"320x200+0", {}}, {"320x200", {}},
      {"0x200+0+0", {}},       {"320x200+0+0,", {}}, {",320x200+0+0", {}}, {"320x200+0+0 ", {}},
      {"320x200++0+0", {}},    {"320x200+0-+0", {}}, {"", {}},
      {"1x1+0+0,1x1+1+0,1x1+2+0,1x1+3+0,1x1+4+0,1x1+5+0,1x1+6+0,1x1+7+0,1x1+8+0,1x1+9+0,1x1+10+0,"
       "1x1+11+0,1x1+12+0,1x1+13+0,1x1+14+0,1x1+15+0,1x1+16+0",
       {}},  // 17 monitors
  };
  for (const Case& c : cases) {
    std::optional<std::vector<Monitor>> monitors = ParseMonitorLayout(c.text);
    ASSERT_EQ(monitors.has_value(), !c.monitors.empty()) << c.text;
    if (!monitors) continue;
    ASSERT_EQ(monitors->size(), c.monitors.size()) << c.text;
    for (std::size_t m = 0; m < monitors->size(); ++m) {
      const Monitor& got = (*monitors)[m];
      const Monitor& want = c.monitors[m];
      EXPECT_EQ(std::vector<int>({got.area.left, got.area.top, got.area.right, got.area.bottom, got.work_area_bottom}),
                std::vector<int>({want.area.left, want.area.top, want.area.right, want.area.bottom,
                                  want.work_area_bottom}))
          << c.text << " monitor " << m;
    }
  }
  std::string err;
  EXPECT_FALSE(Parse({"--monitors", "320x200+0+0", "--size", "320x200"}, &err));
  EXPECT_NE(err.find("--monitors cannot be combined"), std::string::npos) << err;
}

TEST(ComposeOptionsTest, Colours) {
  struct Case {
    const char* text;
    std::optional<Colorref> colour;
  };
  const Case cases[] = {
      {"0x0000FF", 0x0000FF}, {"0XFFFFFF", 0xFFFFFF}, {"0xabc", 0xABC},   {"255", 255},
      {"16777215", 0xFFFFFF}, {"0x1000000", {}},      {"16777216", {}},   {"0x", {}},
      {"0xGG", {}},           {"0x-1", {}},           {"-1", {}},         {"red", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColour(c.text), c.colour) << c.text;
}

TEST(ComposeOptionsTest, DefaultsAreTheProgramsDefaults) {
  std::optional<ComposeOptions> options = Parse({});
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->out_path, "wallpaper.bmp");
  EXPECT_FALSE(options->date.has_value());
  EXPECT_EQ(options->screen.width, 1920);
  EXPECT_EQ(options->screen.height, 1080);
  EXPECT_EQ(options->work_area_bottom, 1040);
  EXPECT_EQ(options->picture, "C01X");
  EXPECT_EQ(EncodePictureRecord(options->record), EncodePictureRecord(DefaultPictureRecord(1)));
  LogFont font = DefaultCalendarFont();
  EXPECT_EQ(options->font.height, font.height);
  EXPECT_EQ(options->font.weight, font.weight);
  EXPECT_EQ(options->font.italic, 0);
  EXPECT_STREQ(options->font.face_name, font.face_name);
  EXPECT_EQ(options->region, 0);
  EXPECT_TRUE(options->true_colour);
  EXPECT_TRUE(options->draw_calendar);
}

TEST(ComposeOptionsTest, EveryOptionReachesItsField) {
  std::optional<ComposeOptions> options =
      Parse({"--out", "x.bmp", "--date", "2026-12-08", "--size", "320x200", "--picture", "C07X", "--fit", "0",
             "--background", "0x102030", "--brightness", "-20", "--contrast", "35", "--gamma", "11",
             "--sharpness", "-3", "--font", "Verdana", "--font-height", "-30", "--font-weight", "700",
             "--italic", "--region", "2", "--depth", "16", "--no-calendar"});
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->out_path, "x.bmp");
  ASSERT_TRUE(options->date.has_value());
  EXPECT_EQ(options->date->day, 8);
  EXPECT_EQ(options->date->month, 12);
  EXPECT_EQ(options->date->year, 2026);
  EXPECT_EQ(options->screen.width, 320);
  EXPECT_EQ(options->screen.height, 200);
  EXPECT_EQ(options->work_area_bottom, 160);  // the screen height less a taskbar
  EXPECT_EQ(options->picture, "C07X");
  EXPECT_EQ(options->record.fit_mode, 0);
  EXPECT_EQ(options->record.background, 0x102030u);
  EXPECT_EQ(options->record.brightness, -20);
  EXPECT_EQ(options->record.contrast, 35);
  EXPECT_EQ(options->record.gamma_level, 11);
  EXPECT_EQ(options->record.sharpness, -3);
  EXPECT_STREQ(options->font.face_name, "Verdana");
  EXPECT_EQ(options->font.height, -30);
  EXPECT_EQ(options->font.weight, 700);
  EXPECT_EQ(options->font.italic, 1);
  EXPECT_EQ(options->region, 2);
  EXPECT_FALSE(options->true_colour);
  EXPECT_FALSE(options->draw_calendar);
}

TEST(ComposeOptionsTest, WorkAreaBottomAndSmallScreens) {
  std::optional<ComposeOptions> given = Parse({"--size", "320x200", "--work-area-bottom", "200"});
  ASSERT_TRUE(given.has_value());
  EXPECT_EQ(given->work_area_bottom, 200);
  // A screen lower than a taskbar keeps its work area on the screen.
  std::optional<ComposeOptions> tiny = Parse({"--size", "30x20"});
  ASSERT_TRUE(tiny.has_value());
  EXPECT_EQ(tiny->work_area_bottom, 0);
}

// A flag's name given as another option's value is that option's value, not the flag.
TEST(ComposeOptionsTest, FlagNamesAsValuesStayValues) {
  std::optional<ComposeOptions> options = Parse({"--picture", "--italic", "--out", "--no-calendar"});
  ASSERT_TRUE(options.has_value());
  EXPECT_EQ(options->picture, "--italic");
  EXPECT_EQ(options->out_path, "--no-calendar");
  EXPECT_EQ(options->font.italic, 0);
  EXPECT_TRUE(options->draw_calendar);
}

TEST(ComposeOptionsTest, RefusesBadArgumentsNamingThem) {
  struct Case {
    std::vector<std::string_view> arguments;
    const char* named;
  };
  const Case cases[] = {
      {{"--size", "0x0"}, "\"0x0\""},
      {{"--size", "100000x100000"}, "\"100000x100000\""},
      {{"--size", "big"}, "\"big\""},
      {{"--date", "2026-02-30"}, "\"2026-02-30\""},
      {{"--work-area-bottom", "1081"}, "from 0 to 1080"},
      {{"--work-area-bottom", "-1"}, "--work-area-bottom"},
      {{"--fit", "2"}, "--fit"},
      {{"--background", "0x1000000"}, "\"0x1000000\""},
      {{"--gamma", "1.5"}, "\"1.5\""},
      {{"--brightness", "ten"}, "--brightness"},
      {{"--depth", "32"}, "expected 16 or 24"},
      {{"--depth", "24.0"}, "\"24.0\""},
      {{"--font-height", "-999"}, "--font-height"},
      {{"--font-weight", "1001"}, "--font-weight"},
      {{"--font", "A font face name of more than 31 chars"}, "longer than 31"},
      {{"--font", ""}, "--font"},
      {{"--out", ""}, "--out"},
      {{"--picture", ""}, "--picture"},
      {{"--region", "1", "--region", "2"}, "--region"},
      {{"--italic", "--italic"}, "--italic"},
      {{"--no-calendar", "--no-calendar"}, "--no-calendar"},
      {{"--size"}, "--size"},
      {{"--colour", "red"}, "\"--colour\""},
      {{"C01X"}, "\"C01X\""},
  };
  for (const Case& c : cases) {
    std::string err;
    EXPECT_FALSE(Parse(c.arguments, &err).has_value()) << c.named;
    EXPECT_NE(err.find(c.named), std::string::npos) << err;
    EXPECT_EQ(err.rfind("quellmoor-cli compose: ", 0), 0u) << err;
  }
}

}  // namespace
