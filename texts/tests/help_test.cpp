// Help topics and the help path: which page each topic opens, the bare file name without a help
// folder, and the limit of the path buffer.
#include "texts/help.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpTest, TopicsOpenTheirPages) {
  struct Case {
    int topic;
    const char* key;
    const char* page;
  };
  const Case cases[] = {
      {1, "HLP_START", "::html/de/index.html>main"},
      {2, "HLP_CONFIG", "::html/de/optionen-allgemein.html>main"},
      {3, "HLP_OPTDESKTOP", "::html/de/optionen-desktop.html>main"},
      {4, "HLP_OPTNOTE", "::html/de/optionen-notiz.html>main"},
      {5, "HLP_OPTTERMIN", "::html/de/alarm-optionen.html>main"},
      {6, "HLP_HOTKEYS", "::html/de/optionen-hotkeys.html>main"},
      {7, "HLP_NOTE", "::html/de/notiz.html>main"},
      {10, "HLP_OPTBILDER", "::html/de/optionen-bilder.html>main"},
      {12, "HLP_ALARM", "::html/de/alarm.html>main"},
      {13, "HLP_CONFIGSCR", "::html/de/screensaver.html>main"},
      {14, "HLP_ONLINEBILDER", "::html/de/optionen-bilder-online.html>main"},
      {15, "HLP_MONATSKALENDER", "::html/de/monatskalender.html>main"},
      {16, "HLP_UEBER", "::html/de/ueber.html>main"},
      {99, "HLP_ERSTESCHRITTE", "::html/de/erste_schritte.html>main"},
      {0, "HLP_MAIN", "::html/de/index.html>main"},
      {9, "HLP_MAIN", "::html/de/index.html>main"},
      {8, "HLP_MAIN", "::html/de/index.html>main"},
      {17, "HLP_MAIN", "::html/de/index.html>main"},
      {-1, "HLP_MAIN", "::html/de/index.html>main"},
  };
  for (const Case& c : cases) {
    const TextEntry& entry = HelpTopicEntry(c.topic);
    EXPECT_STREQ(entry.section, "HELP") << c.topic;
    EXPECT_STREQ(entry.key, c.key) << c.topic;
    EXPECT_EQ(HelpTopicPath("", TextTable(), c.topic), std::string("Lumhelp.chm") + c.page) << c.topic;
  }
}

TEST(HelpTest, HelpFolderIsJoinedAndTheWholePathLimited) {
  const TextTable defaults;
  EXPECT_EQ(HelpTopicPath("C:\\Programme\\Quellmoor\\", defaults, 12),
            "C:\\Programme\\Quellmoor\\Lumhelp.chm::html/de/alarm.html>main");
  std::string folder = "C:\\" + std::string(240, 'q') + "\\";
  std::string path = HelpTopicPath(folder, defaults, 2);
  EXPECT_EQ(path.size(), 259u);
  EXPECT_EQ(path, (folder + "Lumhelp.chm::html/de/optionen-allgemein.html>main").substr(0, 259));
}

}  // namespace
