// The help through the HTML Help control, which is loaded on first use: from the file registered for
// its class, or else by its name from the system's search path.
#include "texts/help_win.h"

#include <string>

#include "common/owned_handles_win.h"
#include "texts/help.h"

namespace {

// The HTML Help commands used here, and its entry point (the SDK header is not needed for four
// numbers and one signature).
constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_CLOSE_ALL = 0x0012;
constexpr UINT HH_INITIALIZE = 0x001C;
constexpr UINT HH_UNINITIALIZE = 0x001D;
using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

constexpr char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

OwnedModule g_html_help_module;
HtmlHelpFunction g_html_help = nullptr;
bool g_load_tried = false;
DWORD_PTR g_html_help_cookie = 0;

// The file registered for the HTML Help control's class (the key's default value), or empty.
std::string RegisteredHtmlHelpFile() {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
    return {};
  const OwnedRegistryKey key(opened);
  char stored[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = REG_NONE;
  if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(stored), &size) != ERROR_SUCCESS)
    return {};
  if (type == REG_SZ) return stored;
  if (type != REG_EXPAND_SZ) return {};
  char expanded[MAX_PATH] = {};
  DWORD length = ExpandEnvironmentStringsA(stored, expanded, MAX_PATH);
  return length > 0 && length <= MAX_PATH ? std::string(expanded) : std::string();
}

HtmlHelpFunction HtmlHelpEntry() {
  if (g_load_tried) return g_html_help;
  g_load_tried = true;
  std::string registered = RegisteredHtmlHelpFile();
  if (!registered.empty()) g_html_help_module.reset(LoadLibraryA(registered.c_str()));
  if (!g_html_help_module) g_html_help_module.reset(LoadLibraryA("hhctrl.ocx"));
  if (!g_html_help_module) return nullptr;
  g_html_help = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(g_html_help_module.get(), "HtmlHelpA")));
  return g_html_help;
}

HWND CallHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data) {
  HtmlHelpFunction html_help = HtmlHelpEntry();
  return html_help != nullptr ? html_help(caller, file, command, data) : nullptr;
}

}  // namespace

void ShowHelp(HWND owner, int topic) {
  std::string path = HelpTopicPath(topic);
  if (CallHtmlHelp(GetDesktopWindow(), path.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr) return;
  MessageBoxA(owner, LookupText(texts::ERR_NOHELPFOUND), "", MB_ICONERROR);
}

void HtmlHelpInitialize() {
  CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&g_html_help_cookie));
}

void HtmlHelpShutdown() {
  if (g_html_help != nullptr) {
    g_html_help(nullptr, nullptr, HH_CLOSE_ALL, 0);
    g_html_help(nullptr, nullptr, HH_UNINITIALIZE, g_html_help_cookie);
  }
  g_html_help_module.reset();
  g_html_help = nullptr;
  g_load_tried = false;
}
