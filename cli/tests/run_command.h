// Runs a quellmoor-cli command in-process and keeps what it wrote, for the command tests.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

struct CommandRun {
  int exit_code;
  std::string out;
  std::string err;
};

inline CommandRun RunCommand(CommandFunction command, std::initializer_list<std::string_view> arguments) {
  std::vector<std::string_view> list(arguments);
  std::ostringstream out;
  std::ostringstream err;
  int exit_code = command(list, out, err);
  return {exit_code, out.str(), err.str()};
}

// The tests are compiled with code page 1252 as their character set; expected output is UTF-8.
inline std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// Arguments a command must refuse, and the text its message must contain to name the bad one.
struct RefusedArguments {
  std::initializer_list<std::string_view> arguments;
  std::string_view named;
};

// Expects command (called name in its messages) to refuse each case with exit code 2, no output and
// one message that names the bad argument.
inline void ExpectRefused(CommandFunction command, std::string_view name,
                          std::initializer_list<RefusedArguments> cases) {
  for (const RefusedArguments& c : cases) {
    CommandRun run = RunCommand(command, c.arguments);
    EXPECT_EQ(run.exit_code, kExitBadArguments) << c.named;
    EXPECT_EQ(run.out, "") << c.named;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_EQ(run.err.rfind("quellmoor-cli " + std::string(name) + ": ", 0), 0u) << run.err;
  }
}
