// Reading the picture entries of the notices file: a line "C01X  "Title"" begins an entry; its
// indented "Author:" (or "Artist:"), "Copyright:" and "Licence:" lines follow.
#include "options/picture_credits.h"

#include "common/cp1252.h"

namespace {

struct CreditEntry {
  std::string_view heading;  // resource name and title
  std::string_view author;
  std::string_view copyright;
  std::string_view licence;
};

bool IsEntryHeading(std::string_view line) {
  return line.size() > 6 && line[0] == 'C' && line.substr(4, 2) == "  " && line[3] == 'X';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

// The value of an indented "Field: value" line, or nothing for another line.
bool FieldValue(std::string_view line, std::string_view field, std::string_view& value) {
  line = Trimmed(line);
  if (line.substr(0, field.size()) != field) return false;
  value = Trimmed(line.substr(field.size()));
  return true;
}

// The text without its notes in parentheses; a note that the line leaves open ends the text.
std::string WithoutNotes(std::string_view text) {
  std::string result;
  int depth = 0;
  for (char c : text) {
    if (c == '(') ++depth;
    if (depth == 0) result += c;
    if (c == ')' && depth > 0) --depth;
  }
  while (!result.empty() && result.back() == ' ') result.pop_back();
  std::string tidy;
  for (char c : result) {
    if (c == ';' && !tidy.empty() && tidy.back() == ' ') tidy.pop_back();
    if (c == ' ' && !tidy.empty() && tidy.back() == ' ') continue;
    tidy += c;
  }
  return tidy;
}

std::string CreditLine(const CreditEntry& entry) {
  std::string line(Trimmed(entry.heading.substr(0, 4)));
  line += ' ';
  line += Trimmed(entry.heading.substr(4));
  line += ": ";
  line += WithoutNotes(entry.author.empty() ? entry.copyright : entry.author);
  line += " - ";
  line += WithoutNotes(entry.licence);
  line += "\r\n";
  return line;
}

}  // namespace

std::string PictureCredits(std::string_view notices) {
  std::string credits;
  CreditEntry entry;
  bool in_entry = false;
  while (!notices.empty()) {
    const std::size_t end = notices.find('\n');
    const std::string_view line = notices.substr(0, end);
    notices.remove_prefix(end == std::string_view::npos ? notices.size() : end + 1);
    if (IsEntryHeading(line)) {
      if (in_entry) credits += CreditLine(entry);
      entry = CreditEntry{Trimmed(line), {}, {}, {}};
      in_entry = true;
      continue;
    }
    if (!in_entry) continue;
    if (!line.empty() && line[0] != ' ') {  // the next section of the notices
      credits += CreditLine(entry);
      in_entry = false;
      continue;
    }
    if (entry.author.empty() && !FieldValue(line, "Author:", entry.author)) FieldValue(line, "Artist:", entry.author);
    if (entry.copyright.empty()) FieldValue(line, "Copyright:", entry.copyright);
    if (entry.licence.empty()) FieldValue(line, "Licence:", entry.licence);
  }
  if (in_entry) credits += CreditLine(entry);
  return Utf8ToCp1252(credits);
}
