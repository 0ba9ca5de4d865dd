// The note window's title: the date and time at which the note was begun, in the user's date order
// and separator, followed by the distinguishing character ("07.03.2007 14:05 a").
#pragma once

#include <string>

#include "notes/note_list.h"
#include "settings/settings.h"

// The title of a listed note, taken from the characters of its file name N_YYYYMMDD_hhmmc.txt.
std::string NoteTitleOfFile(const char* file_name, const RegionalSettings& regional);

// The title of a note just begun.
std::string NoteTitleOfNewNote(const NewNote& note, const RegionalSettings& regional);
