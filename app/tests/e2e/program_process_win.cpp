// Starting and watching Quellmoor.exe for the end-to-end tests.
#include "app/tests/e2e/program_process_win.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/tests/main_window_probe_win.h"
#include "app/window_messages.h"
#include "common/byte_order.h"

namespace {

// Polls condition every 50 ms until it holds or timeout_ms have passed.
template <typename Condition>
bool WaitFor(DWORD timeout_ms, Condition condition) {
  for (DWORD waited = 0;; waited += 50) {
    if (condition()) return true;
    if (waited >= timeout_ms) return false;
    Sleep(50);
  }
}

std::optional<std::vector<char>> RegistryValue(const char* key, const char* name, DWORD flags) {
  DWORD size = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, key, name, flags, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::vector<char> bytes(size + 1, '\0');
  if (RegGetValueA(HKEY_CURRENT_USER, key, name, flags, nullptr, bytes.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + "Quellmoor.exe";
}

ProgramProcess::ProgramProcess(const std::string& arguments) {
  std::string program = ProgramPath();
  std::string command_line = "\"" + program + "\"";
  if (!arguments.empty()) command_line += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(process.hThread);
    process_ = process.hProcess;
  }
}

ProgramProcess::~ProgramProcess() {
  if (process_ == nullptr) return;
  if (!WaitForExit(0)) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

std::optional<DWORD> ProgramProcess::WaitForExit(DWORD timeout_ms) {
  if (process_ == nullptr || WaitForSingleObject(process_, timeout_ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::optional<DWORD> RunToEnd(const std::string& arguments) {
  ProgramProcess process(arguments);
  return process.WaitForExit(30000);
}

void ExpectEndedBySecondStart(const char* request, ProgramProcess& running) {
  EXPECT_EQ(RunToEnd(request), 1u) << request;
  EXPECT_EQ(running.WaitForExit(1000), 1u) << request;
}

HWND WaitForMainWindow(DWORD timeout_ms) {
  HWND window = nullptr;
  WaitFor(timeout_ms, [&window] { return (window = FindWindowA(nullptr, kMainWindowTitle)) != nullptr; });
  return window;
}

bool WaitForFirstTick(HWND window, DWORD timeout_ms) {
  return WaitFor(timeout_ms, [window] { return !IsWindowVisible(window) && TopLeft(window).x != 9999; });
}

bool WaitForWindowGone(HWND window, DWORD timeout_ms) {
  return WaitFor(timeout_ms, [window] { return !IsWindow(window); });
}

std::optional<std::uint32_t> RegistryDword(const char* key, const char* name) {
  std::optional<std::vector<char>> bytes = RegistryValue(key, name, RRF_RT_REG_DWORD);
  if (!bytes || bytes->size() < 4) return std::nullopt;
  return ReadU32LE(reinterpret_cast<const std::uint8_t*>(bytes->data()));
}

std::optional<std::string> RegistryText(const char* key, const char* name) {
  std::optional<std::vector<char>> bytes = RegistryValue(key, name, RRF_RT_REG_SZ);
  if (!bytes) return std::nullopt;
  return std::string(bytes->data());
}

bool WaitForRegistryText(const char* key, const char* name, DWORD timeout_ms) {
  return WaitFor(timeout_ms, [key, name] { return RegistryText(key, name).has_value(); });
}

void StoreProgramSetting(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kProgramKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void StoreProgramText(const char* name, const std::string& text) {
  StoreProgramSetting(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void ForgetProgramSettings() {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Varnholt");
  char application_data[MAX_PATH] = {};
  if (SHGetSpecialFolderPathA(nullptr, application_data, CSIDL_APPDATA, FALSE)) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(application_data) / "Varnholt", ignored);
  }
  HKEY run = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kAutostartKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueA(run, "Varnholt Kalvedra");
    RegCloseKey(run);
  }
}
