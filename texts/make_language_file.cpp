// Writes the language file made from the text table to the path given on the command line (run on
// the build machine; the target regenerate_language_file writes resources/Quellmoor.lng with it).
#include <cstdio>
#include <string>

#include "common/cp1252.h"
#include "common/file_system.h"
#include "texts/language_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s LANGUAGE_FILE\n", argv[0]);
    return 2;
  }
  std::string text = LanguageFileText();
  std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  // The command line is UTF-8; the file functions take code page 1252 paths.
  if (!ReplaceFileContents(Utf8ToCp1252(argv[1]), bytes)) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
