// A program for the alarm tests to start: it writes the argument it was given into the file that
// the argument names, so that the test sees that it ran and what it got.
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 1;
  std::FILE* file = std::fopen(argv[1], "w");
  if (file == nullptr) return 1;
  std::fputs(argv[1], file);
  return std::fclose(file) == 0 ? 0 : 1;
}
