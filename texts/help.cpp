// Help topics and the help file path.
#include "texts/help.h"

#include "common/bounded_text.h"
#include "common/file_system.h"

namespace {

struct HelpTopic {
  int topic;
  const TextEntry& entry;
};

constexpr HelpTopic kHelpTopics[] = {
    {1, texts::HELP_HLP_START},      {2, texts::HELP_HLP_CONFIG},        {3, texts::HELP_HLP_OPTDESKTOP},
    {4, texts::HELP_HLP_OPTNOTE},    {5, texts::HELP_HLP_OPTTERMIN},     {6, texts::HELP_HLP_HOTKEYS},
    {7, texts::HELP_HLP_NOTE},       {10, texts::HELP_HLP_OPTBILDER},    {12, texts::HELP_HLP_ALARM},
    {13, texts::HELP_HLP_CONFIGSCR}, {14, texts::HELP_HLP_ONLINEBILDER}, {15, texts::HELP_HLP_MONATSKALENDER},
    {16, texts::HELP_HLP_UEBER},     {99, texts::HELP_HLP_ERSTESCHRITTE},
};

// The help path is held in a buffer of this many characters.
constexpr std::size_t kHelpPathCapacity = 260;

}  // namespace

const TextEntry& HelpTopicEntry(int topic) {
  for (const HelpTopic& help_topic : kHelpTopics) {
    if (help_topic.topic == topic) return help_topic.entry;
  }
  return texts::HELP_HLP_MAIN;
}

std::string HelpTopicPath(const std::string& help_folder, const TextTable& text_table, int topic) {
  char path[kHelpPathCapacity];
  CopyText(path, JoinPath(help_folder, kHelpFileName));
  AppendText(path, text_table.LookupText(HelpTopicEntry(topic)).c_str());
  return path;
}
