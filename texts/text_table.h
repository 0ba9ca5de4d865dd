// The text table: every text the program shows is looked up by section and key in the language
// file, with its German default compiled in. The entries are listed once, in text_table.inc, from
// which both the code's constants and the shipped language file are made.
#pragma once

#include <span>
#include <string>

struct TextEntry {
  const char* section;
  const char* key;
  const char* default_text;
};

// One constant per entry, named SECTION_KEY (for example texts::MAIN_TAGIMJAHR).
namespace texts {
#define QUELLMOOR_TEXT(section, key, default_text) \
  inline constexpr TextEntry section##_##key{#section, #key, default_text};
#include "texts/text_table.inc"
#undef QUELLMOOR_TEXT
}  // namespace texts

// Every entry of the table, in the order of text_table.inc.
std::span<const TextEntry> AllTextEntries();

// A language the texts come in: its code as the settings store it, its name as the language list
// shows it (in the language itself), and its language file in the text folder. German's texts are
// also the compiled defaults, and its file is made from the text table; the others are kept by hand.
struct Language {
  const char* code;
  const char* name;
  const char* file_name;
};
inline constexpr Language kGerman{"de", "Deutsch", "Quellmoor.lng"};
inline constexpr Language kEnglish{"en", "English", "Quellmoor-en.lng"};
// The languages in the order of the language list.
inline constexpr Language kLanguages[] = {kGerman, kEnglish};

// The language of a stored code, an element of kLanguages; a missing or unknown code means German.
const Language& LanguageOf(const std::string& code);

// Sets the language file that every lookup reads: the language's file in folder. The program calls
// it after loading the settings and again when the language is applied, with the settings' text
// folder and language. Until then, and while the folder is empty, every lookup yields its default.
void SetTextFolder(const std::string& folder, const Language& language);

// The text of an entry. The result lives in one shared buffer of 4000 characters and stays valid
// only until the next lookup: a caller that needs two texts at once copies the first. The language
// file's value is taken when the file has the key, even an empty one; otherwise the default. A
// backslash followed by "n" in the text becomes carriage return and line feed.
const char* LookupText(const TextEntry& entry);

// The text of an entry that is a printf format (for example "%d. Tag im Jahr"). A language file's
// value is taken only when its conversions are the same, in the same order, as the default's;
// otherwise the default is used, so that a wrong language file can never make the program read
// arguments it did not pass.
const char* LookupFormat(const TextEntry& entry);
