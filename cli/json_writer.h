// The output of quellmoor-cli: one JSON object per line, in UTF-8. Texts are given as the program
// holds them, in code page 1252, and converted here.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

class JsonObject;

class JsonArray {
 public:
  JsonArray& AddNumber(long long value);
  JsonArray& AddText(std::string_view cp1252_text);
  JsonArray& AddObject(const JsonObject& object);
  std::string Json() const { return "[" + items_ + "]"; }

 private:
  void AddItem(std::string_view json);
  std::string items_;
};

class JsonObject {
 public:
  JsonObject& AddNumber(std::string_view key, long long value);
  JsonObject& AddText(std::string_view key, std::string_view cp1252_text);
  JsonObject& AddArray(std::string_view key, const JsonArray& array);
  std::string Json() const { return "{" + members_ + "}"; }

 private:
  void AddMember(std::string_view key, std::string_view json);
  std::string members_;
};

// The text as a JSON string: quoted, in UTF-8, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view cp1252_text);

// Writes the object and a line break.
void WriteJsonLine(std::ostream& out, const JsonObject& object);
