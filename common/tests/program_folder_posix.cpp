// The test program's folder on Linux, from /proc/self/exe.
#include <filesystem>

#include "common/cp1252.h"
#include "common/tests/program_folder.h"

std::string TestProgramFolder() {
  return Utf8ToCp1252(std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}
