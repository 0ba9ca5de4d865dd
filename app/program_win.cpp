// The running program: its parts made in order, the message loop, and the end in reverse order.
#include "app/program_win.h"

#include "app/window_messages.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_list.h"

namespace {

// The settings as the program starts with them: loaded, with the picture list in the data folder.
Settings LoadProgramSettings(SettingsPlatform& platform) {
  Settings settings;
  LoadSettings(settings, platform);
  EnsurePictureList(settings, platform.Store());
  return settings;
}

TextTable TextsOf(const Settings& settings) {
  TextTable text_table;
  text_table.UseLanguage(settings.text_folder, LanguageOf(settings.Sprache));
  return text_table;
}

// The keys the main window's loop hands to the dialog manager: Tab, the arrows, Enter, Esc and the
// buttons' access keys work in the main window as in any dialog. The program's other windows filter
// their keys themselves.
bool IsMainWindowKey(HWND main_window, MSG& message) {
  return main_window != nullptr && (message.hwnd == main_window || IsChild(main_window, message.hwnd)) &&
         IsDialogMessageA(main_window, &message);
}

}  // namespace

Program::Program(const Clock& clock)
    : clock_(clock),
      settings_(LoadProgramSettings(platform_)),
      text_table_(TextsOf(settings_)),
      help_(text_table_, settings_.help_folder),
      // The picture readers need no process-wide initialisation: each read sets up and releases its
      // own decoder state.
      wallpaper_(clock_, text_table_, settings_, platform_.Store(), wallpaper_platform_,
                 PictureChoiceGenerator(PictureChoiceSeed(clock_.Now()))),
      alarm_(clock_, settings_, text_table_, help_),
      note_context_{&clock_, &settings_, &platform_.Store(), &notes_, &text_table_, &help_} {}

Program::~Program() { Stop(); }

bool Program::Start() {
  if (settings_.BuiltinPictureCount <= 0) return false;
  desktop_icons_.Apply(settings_.IconColor);
  // A device that is missing now is replaced by the default one for this run only: the stored choice
  // stays, for the day the device is back.
  int device = settings_.SndDevice;
  alarm_.sound_available = alarm_.sound.Load(device, settings_.SndVolume);
  LoadAppointmentTable(alarm_);
  note_window_.emplace(note_context_);
  month_window_.emplace(MonthWindowContext{clock_, settings_, platform_.Store(), help_});
  main_window_.emplace(MainWindowContext{clock_, settings_, platform_, text_table_, help_, hotkeys_, alarm_,
                                         desktop_icons_, *note_window_, *month_window_, pictures_, wallpaper_});
  wallpaper_platform_.AnnounceTo(main_window_->window(), MSG_WALLPAPER_BUILT);
  return true;
}

int Program::Run() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsMainWindowKey(main_window_ ? main_window_->window() : nullptr, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void Program::Stop() {
  main_window_.reset();
  month_window_.reset();
  note_window_.reset();
  alarm_.sound.Unload();
}
