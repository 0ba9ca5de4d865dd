// The wallpaper over several monitors: every layout gets a bitmap of its bounding box in which each
// monitor holds its own fitted picture and, where it shows the calendar, its month above its taskbar;
// what no monitor covers is black; a picture shown on several monitors is read once.
#include "wallpaper/wallpaper_compose.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/bmp_writer.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/test_pictures.h"
#include "settings/settings.h"
#include "wallpaper/tests/fake_wallpaper_platform.h"

namespace {

constexpr int kPictureGrey = 90;
constexpr int kBackground[] = {0, 0, 200};  // the fit mode's background, 0x00C80000 as RGB bytes

bool IsYellow(const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 32; }

Monitor At(int left, int top, int width, int height) {
  return Monitor{.area = Rect{left, top, left + width, top + height}, .work_area_bottom = height - 30};
}

bool Inside(const Rect& rect, int x, int y) { return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom; }

class WallpaperComposeTest : public ::testing::Test {
 protected:
  WallpaperComposeTest() : folder_("compose") {
    // A wide grey picture: filled, it covers every monitor; fitted, it leaves bars above and below
    // on a portrait monitor.
    pictures_.pictures["C01X"] = EncodeBmp24(GreyPicture(400, 200, kPictureGrey));
    overlay_.font = DefaultCalendarFont();
    overlay_.font.height = -14;
    overlay_.today = WithWeekday(LocalTime{.day = 8, .month = 12, .year = 2026, .hour = 12});
  }

  RgbImage Compose(const std::vector<Monitor>& monitors, bool every_monitor, int fit_mode = 1) {
    ShownPicture shown{"C01X", true, DefaultPictureRecord(1)};
    shown.record.fit_mode = static_cast<std::uint16_t>(fit_mode);
    shown.record.background = 0x00C80000;
    const ComposeRequest request{.monitors = monitors,
                                 .pictures = {&shown, 1},
                                 .overlay = &overlay_,
                                 .calendar_on_every_monitor = every_monitor};
    const std::string output = folder_.PathOf("wallpaper.bmp");
    EXPECT_TRUE(ComposeWallpaper(request, output, pictures_).written());
    PictureReadResult read = ReadPicture(ReadWholeFile(output, 1 << 24).value_or(std::vector<std::uint8_t>{}));
    return read.ok() ? std::move(read.image) : RgbImage{};
  }

  TempFolder folder_;
  FakeBuiltinPictures pictures_;
  MonthOverlay overlay_;
};

TEST_F(WallpaperComposeTest, EachMonitorHoldsItsPictureAndMonthAndGapsAreBlack) {
  struct Case {
    const char* layout;
    std::vector<Monitor> monitors;
  };
  const Case cases[] = {
      {"side by side", {At(0, 0, 320, 200), At(320, 0, 400, 240)}},
      {"stacked", {At(0, 0, 320, 200), At(0, 200, 320, 200)}},
      {"portrait beside landscape", {At(0, 0, 320, 200), At(320, -60, 200, 320)}},
      {"left of and above the primary", {At(0, 0, 320, 200), At(-300, -150, 300, 180)}},
      {"with a gap", {At(0, 0, 320, 200), At(400, 20, 240, 160), At(-260, 0, 240, 200)}},
  };
  for (const Case& c : cases) {
    for (bool every_monitor : {true, false}) {
      SCOPED_TRACE(std::string(c.layout) + (every_monitor ? ", calendar everywhere" : ", calendar on the primary"));
      const RgbImage image = Compose(c.monitors, every_monitor);
      const Rect screen = VirtualScreen(c.monitors);
      ASSERT_EQ(image.width, screen.width());
      ASSERT_EQ(image.height, screen.height());

      std::vector<int> yellow(c.monitors.size(), 0);
      int stray_yellow = 0, stray_colour = 0;
      for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
          const std::uint8_t* p = image.row(y) + x * 3;
          std::size_t m = 0;
          while (m < c.monitors.size() && !Inside(c.monitors[m].area, x + screen.left, y + screen.top)) ++m;
          if (m == c.monitors.size()) {
            stray_colour += p[0] != 0 || p[1] != 0 || p[2] != 0;
          } else if (IsYellow(p)) {
            // Today's box lies in the monitor's lower part, above its work area's bottom.
            const int from_top = y + screen.top - c.monitors[m].area.top;
            if (from_top > c.monitors[m].area.height() / 2 && from_top < c.monitors[m].work_area_bottom) ++yellow[m];
            else ++stray_yellow;
          }
        }
      }
      EXPECT_EQ(stray_colour, 0) << "pixels outside every monitor must be black";
      EXPECT_EQ(stray_yellow, 0);
      for (std::size_t m = 0; m < c.monitors.size(); ++m) {
        const Rect& area = c.monitors[m].area;
        EXPECT_EQ(Channel(image, area.left - screen.left + 2, area.top - screen.top + 2), kPictureGrey) << m;
        EXPECT_EQ(yellow[m] > 0, m == 0 || every_monitor) << "monitor " << m;
      }
    }
  }
}

TEST_F(WallpaperComposeTest, FitModeFitsThePictureToEachMonitorsShape) {
  const std::vector<Monitor> monitors{At(0, 0, 400, 200), At(400, 0, 200, 320)};
  const RgbImage image = Compose(monitors, true, 0);
  // 2:1 on the 2:1 landscape monitor fills it; on the portrait one it is 200 x 100, centred.
  EXPECT_EQ(Channel(image, 2, 2), kPictureGrey);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(Channel(image, 500, 10, c), kBackground[c]) << c;
  EXPECT_EQ(Channel(image, 500, 160), kPictureGrey);
}

TEST_F(WallpaperComposeTest, PictureShownOnSeveralMonitorsIsReadOnce) {
  Compose({At(0, 0, 320, 200), At(320, 0, 320, 200), At(640, 0, 200, 320)}, true);
  EXPECT_EQ(pictures_.finds, 1);
}

TEST_F(WallpaperComposeTest, PrimaryMonitorDrawsOverAnOverlappingOne) {
  // Two monitors showing the same part of the desktop, as mirrored displays do.
  ShownPicture primary{"C01X", true, DefaultPictureRecord(1)};
  ShownPicture other{"C02X", true, DefaultPictureRecord(2)};
  pictures_.pictures["C02X"] = EncodeBmp24(GreyPicture(400, 200, 30));
  const std::vector<Monitor> monitors{At(0, 0, 320, 200), At(0, 0, 400, 240)};
  const std::vector<ShownPicture> shown{primary, other};
  const std::string output = folder_.PathOf("wallpaper.bmp");
  ASSERT_TRUE(ComposeWallpaper(ComposeRequest{.monitors = monitors, .pictures = shown}, output, pictures_).written());
  PictureReadResult read = ReadPicture(*ReadWholeFile(output, 1 << 24));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(Channel(read.image, 10, 10), kPictureGrey);
  EXPECT_EQ(Channel(read.image, 390, 230), 30);
  EXPECT_EQ(pictures_.finds, 2);
}

TEST_F(WallpaperComposeTest, NoMonitorOrAMissingPictureWritesNothing) {
  const std::string output = folder_.PathOf("wallpaper.bmp");
  const ShownPicture missing{"C09X", true, DefaultPictureRecord(9)};
  const std::vector<Monitor> two{At(0, 0, 64, 48), At(64, 0, 64, 48)};
  EXPECT_FALSE(ComposeWallpaper(ComposeRequest{.monitors = {}, .pictures = {&missing, 1}}, output, pictures_).written());
  EXPECT_FALSE(ComposeWallpaper(ComposeRequest{.monitors = two, .pictures = {&missing, 1}}, output, pictures_).written());
  EXPECT_FALSE(PathExists(output));
}

}  // namespace
