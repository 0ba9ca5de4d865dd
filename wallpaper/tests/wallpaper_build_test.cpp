// The wallpaper and its builds: the change decision of each policy, the choice among the pictures
// allowed now, the replacements after a failed render or exhausted memory, the fallback to the
// picture shown, the remembered state, which only a wallpaper the desktop took stores, and requests
// merged while a build runs or the wallpaper is held.
#include "wallpaper/wallpaper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "calendar/clock.h"
#include "common/file_system.h"
#include "common/tests/temp_folder.h"
#include "imaging/bmp_writer.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/test_pictures.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_list.h"
#include "wallpaper/tests/fake_wallpaper_platform.h"

namespace {

// Built-in picture n is a grey picture of grey level 10 * n; picture files are grey 201, 202, ...
int GreyOfBuiltin(int n) { return 10 * n; }

LocalTime At(int day, int month, int year, int hour, int minute = 0) {
  return WithWeekday(LocalTime{.day = day, .month = month, .year = year, .hour = hour, .minute = minute});
}

class WallpaperBuildTest : public ::testing::Test {
 protected:
  WallpaperBuildTest() : folder_("build"), clock_(At(12, 6, 2007, 10)) {}

  void SetUp() override {
    settings_.keys = MakeSettingsKeys("Quellmoor");
    settings_.data_folder = folder_.path();
    settings_.BuiltinPictureCount = 16;
    settings_.calendar_font = DefaultCalendarFont();
    settings_.calendar_font.height = -9;
    platform_.output_folder = folder_.path();
    for (int n = 1; n <= 16; ++n) {
      platform_.pictures.pictures[DefaultPictureRecord(n).PictureName()] =
          EncodeBmp24(GreyPicture(40, 10, GreyOfBuiltin(n)));
    }
    ASSERT_TRUE(CreateDefaultPictureList(settings_));
  }
  std::string WallpaperPath() const { return folder_.PathOf("wallpaper.bmp"); }

  // The top-left pixel of the wallpaper written (the month is drawn near the bottom).
  int WallpaperGrey() const {
    auto bytes = ReadWholeFile(WallpaperPath(), 1 << 22);
    if (!bytes) return -1;
    PictureReadResult read = ReadPicture(*bytes);
    return read.ok() ? Channel(read.image, 0, 0) : -1;
  }

  std::string AddPictureFile(const char* name, int grey) {
    std::string path = folder_.PathOf(name);
    EXPECT_TRUE(WriteWholeFile(path, EncodeBmp24(GreyPicture(40, 10, grey))));
    return path;
  }

  static PictureRecord FileRecord(const std::string& path) {
    PictureRecord record = DefaultPictureRecord(0);
    std::memset(record.picture_name.data(), 0, record.picture_name.size());
    std::memcpy(record.picture_name.data(), path.data(), path.size());
    return record;
  }

  void WriteList(const std::vector<PictureRecord>& records) {
    std::vector<std::uint8_t> bytes;
    for (const PictureRecord& record : records) {
      auto encoded = EncodePictureRecord(record);
      bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    ASSERT_TRUE(WriteWholeFile(PictureListPath(settings_), bytes));
  }

  // The request, its build run by the worker and ended; whether the wallpaper is as asked.
  bool Request(WallpaperRequest request) {
    wallpaper_->Request(request);
    while (platform_.RunJob()) wallpaper_->BuildEnded();
    return !wallpaper_->failure();
  }
  bool Build(bool rebuild) { return Request(rebuild ? WallpaperRequest::kRebuild : WallpaperRequest::kCheck); }
  // The next run of the program.
  void Restart() { wallpaper_.emplace(clock_, text_table_, settings_, store_, platform_, PictureChoiceGenerator(4711)); }
  std::size_t Renders() const { return platform_.wallpapers_set.size(); }
  std::optional<std::string> StoredOldPic() { return store_.ReadText(settings_.keys.main, "OldPic", 256); }

  TempFolder folder_;
  FixedClock clock_;
  TextTable text_table_;
  Settings settings_;
  MemorySettingsStore store_;
  FakeWallpaperPlatform platform_;
  std::optional<Wallpaper> wallpaper_{std::in_place, clock_, text_table_, settings_, store_, platform_,
                                      PictureChoiceGenerator(4711)};
};

TEST_F(WallpaperBuildTest, FirstBuildChoosesRendersSetsAndRemembers) {
  EXPECT_TRUE(Build(false));
  ASSERT_EQ(Renders(), 1u);
  EXPECT_EQ(platform_.wallpapers_set[0], WallpaperPath());
  ASSERT_EQ(settings_.OldPic.size(), 4u);
  int n = std::atoi(settings_.OldPic.substr(1, 2).c_str());
  EXPECT_EQ(WallpaperGrey(), GreyOfBuiltin(n));
  EXPECT_EQ(StoredOldPic(), settings_.OldPic);
  EXPECT_EQ(store_.ReadDword(settings_.keys.main, "OldHour"), 10u);
  EXPECT_EQ(store_.ReadDword(settings_.keys.main, "OldDay"), 12u);
  EXPECT_EQ(store_.ReadDword(settings_.keys.main, "OldMonth"), 6u);
}

TEST_F(WallpaperBuildTest, DailyPolicyChangesOnceADay) {
  settings_.HGwechsel = 2;
  ASSERT_TRUE(Build(false));
  std::string first = settings_.OldPic;
  clock_.Set(At(12, 6, 2007, 23, 59));
  EXPECT_TRUE(Build(false));
  EXPECT_EQ(Renders(), 1u);  // nothing rendered the second time
  EXPECT_EQ(settings_.OldPic, first);

  // A rebuild on the same day draws the same picture again with the current date.
  EXPECT_TRUE(Build(true));
  EXPECT_EQ(Renders(), 2u);
  EXPECT_EQ(settings_.OldPic, first);

  clock_.Set(At(13, 6, 2007, 0, 0));
  EXPECT_TRUE(Build(false));
  EXPECT_EQ(Renders(), 3u);
  EXPECT_NE(settings_.OldPic, first);
  EXPECT_EQ(store_.ReadDword(settings_.keys.main, "OldDay"), 13u);
}

TEST_F(WallpaperBuildTest, HourlyPolicyChangesAtTheFullHour) {
  settings_.HGwechsel = 1;
  clock_.Set(At(12, 6, 2007, 14, 30));
  ASSERT_TRUE(Build(false));
  clock_.Set(At(12, 6, 2007, 14, 59));
  EXPECT_TRUE(Build(false));
  EXPECT_EQ(Renders(), 1u);

  const std::string first = settings_.OldPic;
  EXPECT_TRUE(Build(true));  // a rebuild within the hour: same picture
  EXPECT_EQ(Renders(), 2u);
  EXPECT_EQ(settings_.OldPic, first);

  clock_.Set(At(12, 6, 2007, 15, 0));
  EXPECT_TRUE(Build(false));
  EXPECT_EQ(Renders(), 3u);
  EXPECT_NE(settings_.OldPic, first);
  EXPECT_EQ(store_.ReadDword(settings_.keys.main, "OldHour"), 15u);
}

TEST_F(WallpaperBuildTest, ProgramStartPolicyChangesOncePerRun) {
  settings_.HGwechsel = 0;
  settings_.OldPic = "C04X";  // left from the last run, same day
  settings_.OldHour = 10;
  settings_.OldDay = 12;
  settings_.OldMonth = 6;
  ASSERT_TRUE(Build(false));
  EXPECT_EQ(Renders(), 1u);
  const std::string first = settings_.OldPic;
  EXPECT_TRUE(Build(false));
  clock_.Set(At(14, 6, 2007, 9));
  EXPECT_TRUE(Build(false));  // another day: the month drawn anew, the picture kept
  EXPECT_EQ(Renders(), 2u);
  EXPECT_EQ(settings_.OldPic, first);

  Restart();
  EXPECT_TRUE(Build(false));
  EXPECT_EQ(Renders(), 3u);
  EXPECT_NE(settings_.OldPic, first);
}

TEST_F(WallpaperBuildTest, UserFileForDecemberIsChosenThenReplacedInJanuary) {
  std::vector<PictureRecord> records;
  for (int n = 1; n <= 16; ++n) {
    PictureRecord builtin = DefaultPictureRecord(n);
    builtin.first_month = 1;
    builtin.last_month = 11;
    records.push_back(builtin);
  }
  PictureRecord december = FileRecord(AddPictureFile("Schnee.bmp", 201));
  december.first_month = 12;
  december.last_month = 12;
  records.push_back(december);
  WriteList(records);

  clock_.Set(At(3, 12, 2007, 9));
  ASSERT_TRUE(Build(false));
  EXPECT_EQ(settings_.OldPic, folder_.PathOf("Schnee.bmp"));
  EXPECT_EQ(WallpaperGrey(), 201);

  clock_.Set(At(3, 1, 2008, 9));
  settings_.HGwechsel = 0;  // no policy change would be due: only the month range forces it
  ASSERT_TRUE(Build(false));
  EXPECT_EQ(settings_.OldPic.size(), 4u);
  EXPECT_EQ(Renders(), 2u);
}

// A picture that cannot be read gives way to another within the same build, whichever is drawn first.
TEST_F(WallpaperBuildTest, AMissingFileGivesWayToAnotherPicture) {
  std::string good = AddPictureFile("gut.bmp", 202);
  settings_.BuiltinPictureCount = 0;
  WriteList({FileRecord(folder_.PathOf("fehlt.bmp")), FileRecord(good)});
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    wallpaper_.emplace(clock_, text_table_, settings_, store_, platform_, PictureChoiceGenerator(seed));
    settings_.OldPic.clear();
    ASSERT_TRUE(Build(false)) << seed;
    EXPECT_EQ(settings_.OldPic, good);
  }
}

// When every picture fails, the wallpaper, the pictures shown and the store stay; the failure is
// told, and the same day's checks do not try again until the policy asks for a change.
TEST_F(WallpaperBuildTest, EveryPictureFailingKeepsEverythingAndIsNotRetriedAtEveryCheck) {
  settings_.BuiltinPictureCount = 0;
  settings_.HGwechsel = 2;
  WriteList({FileRecord(folder_.PathOf("fehlt1.bmp")), FileRecord(folder_.PathOf("fehlt2.bmp"))});
  std::vector<std::uint8_t> old_wallpaper = EncodeBmp24(GreyPicture(4, 4, 99));
  ASSERT_TRUE(WriteWholeFile(WallpaperPath(), old_wallpaper));
  settings_.OldPic = folder_.PathOf("fehlt1.bmp");
  settings_.OldDay = 11;
  settings_.OldMonth = 6;

  EXPECT_FALSE(Build(false));
  EXPECT_EQ(wallpaper_->failure(), WallpaperFailure::kPictureUnusable);
  EXPECT_EQ(Renders(), 0u);
  EXPECT_EQ(settings_.OldPic, folder_.PathOf("fehlt1.bmp"));
  EXPECT_FALSE(store_.ReadDword(settings_.keys.main, "OldDay").has_value());
  EXPECT_FALSE(StoredOldPic().has_value());
  EXPECT_EQ(ReadWholeFile(WallpaperPath(), 1 << 20), old_wallpaper);
  const int jobs = platform_.jobs;
  EXPECT_FALSE(Build(false));
  EXPECT_EQ(platform_.jobs, jobs);
  clock_.Set(At(13, 6, 2007, 8));
  EXPECT_FALSE(Build(false));
  EXPECT_EQ(platform_.jobs, jobs + 1);
}

TEST_F(WallpaperBuildTest, NoEligibleDrawRendersTheShownPictureWithItsOwnRecord) {
  std::vector<PictureRecord> records;
  for (int n = 1; n <= 16; ++n) {
    PictureRecord builtin = DefaultPictureRecord(n);
    builtin.first_month = 1;  // January only; the clock shows June
    builtin.last_month = 1;
    if (n == 3) {
      builtin.fit_mode = 0;
      builtin.background = 0x00FF00;
    }
    records.push_back(builtin);
  }
  WriteList(records);
  settings_.OldPic = "c03x";  // names compare without regard to case
  platform_.height = 240;
  platform_.work_area_bottom = 230;

  ASSERT_TRUE(Build(false));
  EXPECT_EQ(settings_.OldPic, "c03x");
  // C03X is 40 x 10: fitted into 480 x 240 it leaves the green background above and below.
  auto read = ReadPicture(*ReadWholeFile(WallpaperPath(), 1 << 22));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(Channel(read.image, 0, 0, 0), 0);
  EXPECT_EQ(Channel(read.image, 0, 0, 1), 255);
  EXPECT_EQ(Channel(read.image, 240, 100, 0), GreyOfBuiltin(3));
}

// Without a list the picture shown is drawn again; with none shown there is nothing to draw.
TEST_F(WallpaperBuildTest, MissingListRendersTheShownPictureAgain) {
  ASSERT_TRUE(RemoveFile(PictureListPath(settings_)));
  settings_.OldPic = "C05X";
  EXPECT_TRUE(Build(false));
  EXPECT_EQ(WallpaperGrey(), GreyOfBuiltin(5));
  EXPECT_EQ(StoredOldPic(), "C05X");

  settings_.OldPic.clear();
  EXPECT_FALSE(Build(true));
  EXPECT_EQ(wallpaper_->failure(), WallpaperFailure::kNoPicture);
}

// A wallpaper the desktop refuses ends the build, which changes nothing stored; memory that runs
// out in a render gives way to the next picture.
TEST_F(WallpaperBuildTest, RefusedWallpaperOrExhaustedMemory) {
  platform_.refuse_wallpaper = true;
  EXPECT_FALSE(Build(false));
  EXPECT_EQ(wallpaper_->failure(), WallpaperFailure::kRefused);
  EXPECT_EQ(Renders(), 1u);
  EXPECT_TRUE(settings_.OldPic.empty());
  EXPECT_FALSE(StoredOldPic().has_value());

  platform_.refuse_wallpaper = false;
  platform_.pictures.bad_alloc_finds = 2;
  EXPECT_TRUE(Build(false));  // none shown yet: the next check tries again
  EXPECT_EQ(Renders(), 2u);
  EXPECT_EQ(StoredOldPic(), settings_.OldPic);

  platform_.pictures.bad_alloc_finds = 100;
  EXPECT_FALSE(Request(WallpaperRequest::kNewPicture));
  EXPECT_EQ(wallpaper_->failure(), WallpaperFailure::kOutOfMemory);
  EXPECT_EQ(Renders(), 2u);
}

// The clock is read once, so the picture's choice and the month drawn belong to the same moment;
// the month is drawn in the font height fitted to the screen, which the next build starts from.
TEST_F(WallpaperBuildTest, OneMomentPerBuildAndTheFittedFontHeightIsKept) {
  struct CountingClock : Clock {
    LocalTime Now() const override {
      ++reads;
      return At(31, 1, 2008, 23, 59);
    }
    mutable int reads = 0;
  } clock;
  wallpaper_.emplace(clock, text_table_, settings_, store_, platform_, PictureChoiceGenerator(1));
  settings_.calendar_font.height = -64;  // far too large for 31 days on 480 pixels
  ASSERT_TRUE(Build(false));
  EXPECT_EQ(clock.reads, 1);
  const int fitted = settings_.calendar_font.height;
  EXPECT_GT(fitted, -64);
  EXPECT_LT(fitted, 0);
  ASSERT_TRUE(Build(true));
  EXPECT_EQ(settings_.calendar_font.height, fitted);
}

TEST_F(WallpaperBuildTest, BuiltinDependsOnTheRecordIndex) {
  // A picture file among the first BuiltinPictureCount records is looked for among the built-in
  // pictures, and fails.
  std::string file = AddPictureFile("vorn.bmp", 203);
  settings_.BuiltinPictureCount = 1;
  WriteList({FileRecord(file)});
  EXPECT_FALSE(Build(false));
  settings_.BuiltinPictureCount = 0;
  EXPECT_TRUE(Build(true));
  EXPECT_EQ(WallpaperGrey(), 203);
}

// Requests that come while a build runs become one more build of the strongest; while the wallpaper
// is held (the options or the editor are open) they wait, and none is lost by the release.
TEST_F(WallpaperBuildTest, RequestsMeanwhileMergeIntoOneMoreBuild) {
  wallpaper_->Request(WallpaperRequest::kNewPicture);
  EXPECT_TRUE(wallpaper_->building());
  wallpaper_->Request(WallpaperRequest::kNewPicture);
  wallpaper_->Request(WallpaperRequest::kNewPicture);
  wallpaper_->Request(WallpaperRequest::kCheck);
  EXPECT_EQ(platform_.jobs, 1);
  while (platform_.RunJob()) wallpaper_->BuildEnded();
  EXPECT_EQ(platform_.jobs, 2);
  EXPECT_FALSE(wallpaper_->building());

  const std::string shown = settings_.OldPic;
  wallpaper_->Hold(true);
  wallpaper_->Request(WallpaperRequest::kRedraw);
  wallpaper_->Request(WallpaperRequest::kNewPicture);
  EXPECT_EQ(platform_.jobs, 2);
  wallpaper_->Hold(false);
  while (platform_.RunJob()) wallpaper_->BuildEnded();
  EXPECT_EQ(platform_.jobs, 3);
  EXPECT_NE(settings_.OldPic, shown);  // the new picture, not only the redraw
}

// The choice reads nothing but its input: the pictures allowed now, what is shown, and the random
// source. Changing, the candidates are distinct pictures allowed now; keeping, the one shown.
TEST(PictureChoiceTableTest, CandidatesFollowTheRecordsAndWhatIsShown) {
  const LocalTime june = At(12, 6, 2007, 10);
  auto builtins = [](std::initializer_list<int> allowed) {
    std::vector<PictureRecord> records;
    for (int n = 1; n <= 4; ++n) {
      records.push_back(DefaultPictureRecord(n));
      if (std::find(allowed.begin(), allowed.end(), n) == allowed.end()) records.back().state = 1;
    }
    return records;
  };
  struct Case {
    const char* what;
    std::optional<std::vector<PictureRecord>> records;
    std::string shown;
    bool change;
    std::vector<std::string> expected;  // the candidates' primary pictures, in any order
  };
  const Case cases[] = {
      {"all allowed", builtins({1, 2, 3, 4}), "C01X", true, {"C01X", "C02X", "C03X", "C04X"}},
      {"two allowed", builtins({2, 4}), "C01X", true, {"C02X", "C04X"}},
      {"kept", builtins({1, 2, 3, 4}), "C03X", false, {"C03X"}},
      {"none allowed: the shown one", builtins({}), "C03X", true, {"C03X"}},
      {"no list: the shown one", std::nullopt, "C02X", true, {"C02X"}},
      {"nothing at all", builtins({}), "", true, {}},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.BuiltinPictureCount = 4;
    settings.OldPic = c.shown;
    PictureChoiceGenerator random(7);
    const auto candidates = ChooseWallpaperPictures(c.change, {.records = c.records, .settings = settings, .now = june},
                                                    random, 16);
    std::vector<std::string> primaries;
    for (const auto& candidate : candidates) primaries.push_back(candidate.front().name);
    std::sort(primaries.begin(), primaries.end());
    EXPECT_EQ(primaries, c.expected) << c.what;
  }
}

struct EligibilityCase {
  const char* what;
  int first_hour, last_hour, first_month, last_month;
  LocalTime now;
  bool eligible;
};

TEST(PictureEligibilityTest, RangesAcrossMidnightAndTheNewYear) {
  const EligibilityCase cases[] = {
      {"22-6 at 23:00", 22, 6, 1, 12, At(5, 3, 2007, 23), true},
      {"22-6 at 05:00", 22, 6, 1, 12, At(5, 3, 2007, 5), true},
      {"22-6 at 22:00", 22, 6, 1, 12, At(5, 3, 2007, 22), true},
      {"22-6 at 06:00", 22, 6, 1, 12, At(5, 3, 2007, 6), true},
      {"22-6 at 12:00", 22, 6, 1, 12, At(5, 3, 2007, 12), false},
      {"22-6 at 07:00", 22, 6, 1, 12, At(5, 3, 2007, 7), false},
      {"8-17 at 17:00", 8, 17, 1, 12, At(5, 3, 2007, 17), true},
      {"8-17 at 18:00", 8, 17, 1, 12, At(5, 3, 2007, 18), false},
      {"default 0-24 at 23:00", 0, 24, 1, 12, At(5, 3, 2007, 23), true},
      {"Nov-Feb in December", 0, 24, 11, 2, At(5, 12, 2007, 9), true},
      {"Nov-Feb in January", 0, 24, 11, 2, At(5, 1, 2007, 9), true},
      {"Nov-Feb in March", 0, 24, 11, 2, At(5, 3, 2007, 9), false},
      {"Jun-Aug in May", 0, 24, 6, 8, At(5, 5, 2007, 9), false},
      {"Jun-Aug in August", 0, 24, 6, 8, At(5, 8, 2007, 9), true},
  };
  for (const EligibilityCase& c : cases) {
    PictureRecord record = DefaultPictureRecord(1);
    record.first_hour = static_cast<std::uint16_t>(c.first_hour);
    record.last_hour = static_cast<std::uint16_t>(c.last_hour);
    record.first_month = static_cast<std::uint16_t>(c.first_month);
    record.last_month = static_cast<std::uint16_t>(c.last_month);
    EXPECT_EQ(PictureEligibleNow(record, c.now), c.eligible) << c.what;
  }
}

TEST(PictureEligibilityTest, StateAndWeekdays) {
  LocalTime saturday = At(7, 7, 2007, 12);
  ASSERT_EQ(saturday.weekday, 6);
  PictureRecord record = DefaultPictureRecord(1);
  EXPECT_TRUE(PictureEligibleNow(record, saturday));
  record.state = 1;
  EXPECT_FALSE(PictureEligibleNow(record, saturday));
  record.state = 3;
  record.weekday_mask = 0x3F;  // Sunday to Friday
  EXPECT_FALSE(PictureEligibleNow(record, saturday));
  EXPECT_TRUE(PictureEligibleNow(record, At(8, 7, 2007, 12)));
}

TEST(PictureChoiceTest, SeedFormulaAndSpread) {
  LocalTime now = At(12, 6, 2007, 10);
  now.second = 30;
  now.milliseconds = 250;
  EXPECT_EQ(PictureChoiceSeed(now), (250u + 30 + 3) * 6 + 12);

  // Reduced modulo 16, every picture comes up, and none far more often than the others.
  PictureChoiceGenerator random(PictureChoiceSeed(now));
  int counts[16] = {};
  for (int i = 0; i < 16000; ++i) {
    std::uint32_t value = random.Next();
    ASSERT_LT(value, 1u << 31);
    ++counts[value % 16];
  }
  for (int count : counts) EXPECT_NEAR(count, 1000, 150);
  PictureChoiceGenerator from_zero(0);  // a zero seed must not stop the generator
  EXPECT_NE(from_zero.Next(), from_zero.Next());
}

}  // namespace

// Several monitors: the grey at each monitor's top left names the built-in picture it shows.
class MonitorsBuildTest : public WallpaperBuildTest {
 protected:
  void SetMonitors(int count) {
    platform_.monitors.clear();
    for (int m = 0; m < count; ++m) {
      platform_.monitors.push_back(Monitor{.area = Rect{m * 160, 0, m * 160 + 160, 100}, .work_area_bottom = 90});
    }
  }
  // The built-in picture number shown at each monitor's top left.
  std::vector<int> ShownNumbers() const {
    PictureReadResult read = ReadPicture(ReadWholeFile(WallpaperPath(), 1 << 22).value_or(std::vector<std::uint8_t>{}));
    std::vector<int> numbers;
    for (const Monitor& monitor : platform_.monitors) {
      numbers.push_back(read.ok() ? Channel(read.image, monitor.area.left + 1, 1) / 10 : -1);
    }
    return numbers;
  }
  static std::string Names(const std::vector<int>& numbers) {
    std::string names;
    for (int n : numbers) {
      if (!names.empty()) names += '|';
      names += DefaultPictureRecord(n).PictureName();
    }
    return names;
  }
};

TEST_F(MonitorsBuildTest, OnePictureSpansEveryMonitor) {
  SetMonitors(3);
  ASSERT_TRUE(Build(false));
  const std::vector<int> shown = ShownNumbers();
  EXPECT_EQ(shown, std::vector<int>(3, shown[0]));
  EXPECT_EQ(settings_.OldPics, Names(shown));
  EXPECT_EQ(store_.ReadText(settings_.keys.main, "OldPics", 4096), settings_.OldPics);
  EXPECT_EQ(platform_.spans, std::vector<bool>{true});
}

TEST_F(MonitorsBuildTest, PictureOfItsOwnOnEachMonitorKeptOnRedraw) {
  settings_.BildProMonitor = 1;
  SetMonitors(3);
  ASSERT_TRUE(Build(false));
  const std::vector<int> shown = ShownNumbers();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_NE(shown[0], shown[1]);
  EXPECT_NE(shown[0], shown[2]);
  EXPECT_NE(shown[1], shown[2]);
  EXPECT_EQ(settings_.OldPic, DefaultPictureRecord(shown[0]).PictureName());
  EXPECT_EQ(settings_.OldPics, Names(shown));

  // A fourth monitor: the three keep their pictures, the new one gets one no other shows; the time
  // of the last change stays.
  settings_.OldHour = 3;
  SetMonitors(4);
  ASSERT_TRUE(Request(WallpaperRequest::kRedraw));
  const std::vector<int> redrawn = ShownNumbers();
  EXPECT_EQ(std::vector<int>(redrawn.begin(), redrawn.begin() + 3), shown);
  EXPECT_EQ(std::count(redrawn.begin(), redrawn.end(), redrawn[3]), 1);
  EXPECT_EQ(settings_.OldHour, 3);

  // Back to one monitor: the primary's picture, and no span.
  SetMonitors(1);
  ASSERT_TRUE(Request(WallpaperRequest::kRedraw));
  EXPECT_EQ(ShownNumbers(), std::vector<int>{shown[0]});
  EXPECT_EQ(platform_.spans.back(), false);
}

TEST_F(MonitorsBuildTest, RedrawNeverDrawsANewPictureWhereARebuildWould) {
  settings_.HGwechsel = 0;  // every rebuild changes the picture under this policy
  SetMonitors(2);
  ASSERT_TRUE(Build(false));
  const std::string first = settings_.OldPic;
  ASSERT_TRUE(Request(WallpaperRequest::kRedraw));
  EXPECT_EQ(settings_.OldPic, first);
  EXPECT_EQ(Renders(), 2u);
}

TEST_F(MonitorsBuildTest, TooFewPicturesAllowedRepeatOne) {
  settings_.BildProMonitor = 1;
  std::vector<PictureRecord> records;
  for (int n = 1; n <= 16; ++n) {
    records.push_back(DefaultPictureRecord(n));
    if (n > 2) records.back().state = 1;  // switched off
  }
  WriteList(records);
  SetMonitors(3);
  ASSERT_TRUE(Build(false));
  std::vector<int> shown = ShownNumbers();
  std::sort(shown.begin(), shown.end());
  EXPECT_TRUE(shown[0] == 1 && shown[2] == 2) << shown[0] << shown[1] << shown[2];
}
