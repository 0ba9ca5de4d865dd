// Quellmoor.exe as the end-to-end tests see it: started as a user starts it, found by its window,
// waited for, and its settings in the registry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The program file beside the test program.
std::string ProgramPath();

// One start of the program; a program still running when the test ends is ended with it.
class ProgramProcess {
 public:
  // Starts the program with the command-line text after its name (may be empty).
  explicit ProgramProcess(const std::string& arguments);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  // The exit code once the program has ended within timeout_ms, else nothing.
  std::optional<DWORD> WaitForExit(DWORD timeout_ms);

 private:
  HANDLE process_ = nullptr;
};

// Starts the program with arguments and waits for its end: its exit code, or nothing.
std::optional<DWORD> RunToEnd(const std::string& arguments);

// A second start with the request (the "EXIT" of a user, in any case) ends the running program: both
// end with 1, the running program at the latest a second after the second start has returned.
void ExpectEndedBySecondStart(const char* request, ProgramProcess& running);

// The top-level window titled "Quellmoor", once there within timeout_ms.
HWND WaitForMainWindow(DWORD timeout_ms);

// Waits for the first tick of the periodic check, which takes the window from its place off the
// screen and hides it. True when it happened within timeout_ms.
bool WaitForFirstTick(HWND window, DWORD timeout_ms);

// Waits until the window is gone. True when it went within timeout_ms.
bool WaitForWindowGone(HWND window, DWORD timeout_ms);

// Values below HKEY_CURRENT_USER; nothing when missing or of another type.
std::optional<std::uint32_t> RegistryDword(const char* key, const char* name);
std::optional<std::string> RegistryText(const char* key, const char* name);

// Stores a value under the program's settings key, as a user's earlier run would have.
void StoreProgramSetting(const char* name, DWORD type, const void* data, DWORD size);
void StoreProgramText(const char* name, const std::string& text);

// Waits until the text value exists. True when it appeared within timeout_ms.
bool WaitForRegistryText(const char* key, const char* name, DWORD timeout_ms);

// The program's settings key and the autostart key.
inline constexpr char kProgramKey[] = "Software\\Varnholt\\Desktop\\Quellmoor";
inline constexpr char kAutostartKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Removes everything the program stored (its registry values and its data folder with the picture
// list and the wallpaper), so that the next start is a first start.
void ForgetProgramSettings();
