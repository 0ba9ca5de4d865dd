// The test program's folder on Windows, from the module path.
#include <windows.h>

#include <string>

#include "common/tests/program_folder.h"

std::string TestProgramFolder() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string program(path, length);
  return program.substr(0, program.find_last_of("\\/"));
}
