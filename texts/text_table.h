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

// The texts the program shows, looked up in a language file at each lookup, so that a changed file
// or another language takes effect at the next lookup. Nothing is cached: every lookup returns its
// own text. Without a language file every lookup yields its default.
class TextTable {
 public:
  // Every lookup reads the language's file in folder from now on (an empty folder: the defaults).
  // The program chooses it after loading the settings and again when the language is applied.
  void UseLanguage(const std::string& folder, const Language& language);
  // The language chosen last (German until one is chosen).
  const Language& language() const { return *language_; }

  // The text of an entry: the language file's value when the file has the key, even an empty one;
  // otherwise the default. Values longer than 3999 characters are cut. A backslash followed by "n"
  // becomes carriage return and line feed.
  std::string LookupText(const TextEntry& entry) const;

  // The text of an entry that is a printf format (for example "%d. Tag im Jahr"). A language file's
  // value is taken only when its conversions are the same, in the same order, as the default's;
  // otherwise the default is used, so that a wrong language file can never make the program read
  // arguments it did not pass.
  std::string LookupFormat(const TextEntry& entry) const;

 private:
  const Language* language_ = &kLanguages[0];
  std::string language_file_path_;
};
