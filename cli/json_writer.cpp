// A small JSON writer for quellmoor-cli: objects, arrays, numbers and texts, one object per line.
#include "cli/json_writer.h"

#include <cstdio>

#include "common/cp1252.h"

std::string JsonString(std::string_view cp1252_text) {
  std::string result = "\"";
  for (char c : Cp1252ToUtf8(cp1252_text)) {
    switch (c) {
      case '"':
        result += "\\\"";
        break;
      case '\\':
        result += "\\\\";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\t':
        result += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          result += escaped;
        } else {
          result += c;
        }
    }
  }
  return result + "\"";
}

JsonArray& JsonArray::AddNumber(long long value) {
  AddItem(std::to_string(value));
  return *this;
}

JsonArray& JsonArray::AddText(std::string_view cp1252_text) {
  AddItem(JsonString(cp1252_text));
  return *this;
}

JsonArray& JsonArray::AddObject(const JsonObject& object) {
  AddItem(object.Json());
  return *this;
}

void JsonArray::AddItem(std::string_view json) {
  if (!items_.empty()) items_ += ',';
  items_ += json;
}

JsonObject& JsonObject::AddNumber(std::string_view key, long long value) {
  AddMember(key, std::to_string(value));
  return *this;
}

JsonObject& JsonObject::AddText(std::string_view key, std::string_view cp1252_text) {
  AddMember(key, JsonString(cp1252_text));
  return *this;
}

JsonObject& JsonObject::AddArray(std::string_view key, const JsonArray& array) {
  AddMember(key, array.Json());
  return *this;
}

void JsonObject::AddMember(std::string_view key, std::string_view json) {
  if (!members_.empty()) members_ += ',';
  members_ += JsonString(key);
  members_ += ':';
  members_ += json;
}

void WriteJsonLine(std::ostream& out, const JsonObject& object) { out << object.Json() << '\n'; }
