// Note titles in the user's date order.
#include "notes/note_title.h"

#include <cstring>

#include "common/bounded_text.h"

namespace {

struct NoteStamp {
  std::string year, month, day, hour, minute;
  char letter;
};

// Empty for a date order other than month-day-year (0), day-month-year (1) and year-month-day (2).
std::string Title(const NoteStamp& stamp, const RegionalSettings& regional) {
  const std::string& s = regional.date_separator;
  std::string date;
  switch (regional.date_order) {
    case 0:
      date = stamp.month + s + stamp.day + s + stamp.year;
      break;
    case 1:
      date = stamp.day + s + stamp.month + s + stamp.year;
      break;
    case 2:
      date = stamp.year + s + stamp.month + s + stamp.day;
      break;
    default:
      return {};
  }
  return date + ' ' + stamp.hour + ':' + stamp.minute + ' ' + stamp.letter;
}

std::string Digits(int value, int width) {
  char text[8];
  FormatText(text, sizeof text, "%0*d", width, value);
  return text;
}

}  // namespace

std::string NoteTitleOfFile(const char* file_name, const RegionalSettings& regional) {
  const std::string name(file_name, strnlen(file_name, kNoteFileNameCapacity));
  if (!IsNoteFileName(name)) return {};
  return Title({name.substr(2, 4), name.substr(6, 2), name.substr(8, 2), name.substr(11, 2), name.substr(13, 2),
                name[15]},
               regional);
}

std::string NoteTitleOfNewNote(const NewNote& note, const RegionalSettings& regional) {
  const LocalTime& t = note.begun;
  return Title({Digits(t.year, 4), Digits(t.month, 2), Digits(t.day, 2), Digits(t.hour, 2), Digits(t.minute, 2),
                note.letter},
               regional);
}
