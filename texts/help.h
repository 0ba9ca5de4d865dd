// The compiled HTML help: which page each help topic opens, and where the help file is.
#pragma once

#include <string>

#include "texts/text_table.h"

// The help file's name; it is looked for in the help folder.
inline constexpr char kHelpFileName[] = "Lumhelp.chm";

// The text-table entry (section HELP) that holds the topic's page; every topic without a page of its
// own (0, 9 and all others) opens the main page. The month calendar's page is topic 15, the page
// about Quellmoor (version, licence, picture credits) topic 16.
const TextEntry& HelpTopicEntry(int topic);

// What HTML Help is asked to show for a topic: the help file in help_folder (the settings' help
// folder: the stored installation folder, or the program's folder when none is stored) with the
// topic's page from the text table appended, at most 259 characters (what does not fit is cut).
// Without a help folder the path is the bare file name.
std::string HelpTopicPath(const std::string& help_folder, const TextTable& text_table, int topic);
