// The help through the HTML Help control.
#include "texts/help_win.h"

#include "texts/help.h"

namespace {

// The HTML Help commands used here (the SDK header is not needed for four numbers).
constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_CLOSE_ALL = 0x0012;
constexpr UINT HH_INITIALIZE = 0x001C;
constexpr UINT HH_UNINITIALIZE = 0x001D;

constexpr char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

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

}  // namespace

HtmlHelp::HtmlHelp(const TextTable& text_table, std::string help_folder)
    : text_table_(text_table), help_folder_(std::move(help_folder)) {
  const std::string registered = RegisteredHtmlHelpFile();
  if (!registered.empty()) module_.reset(LoadLibraryA(registered.c_str()));
  if (!module_) module_.reset(LoadLibraryA("hhctrl.ocx"));
  if (!module_) return;
  entry_ = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module_.get(), "HtmlHelpA")));
  if (entry_ != nullptr) entry_(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&cookie_));
}

HtmlHelp::~HtmlHelp() {
  if (entry_ == nullptr) return;
  entry_(nullptr, nullptr, HH_CLOSE_ALL, 0);
  entry_(nullptr, nullptr, HH_UNINITIALIZE, cookie_);
}

void HtmlHelp::Show(HWND owner, int topic) const {
  const std::string path = HelpTopicPath(help_folder_, text_table_, topic);
  if (entry_ != nullptr && entry_(GetDesktopWindow(), path.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr) return;
  MessageBoxA(owner, text_table_.LookupText(texts::ERR_NOHELPFOUND).c_str(), "", MB_ICONERROR);
}
