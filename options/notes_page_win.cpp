// The Notes page of the options sheet: the note folder (typed or chosen in the system's folder
// browser), the note font and whether the note window stays above all other windows. Apply stores
// them; a new note folder asks the main window to have the note window read it.
#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>

#include "common/bounded_text.h"
#include "options/option_pages_win.h"
#include "options/option_paths.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

constexpr int kHelpTopic = 4;
constexpr std::size_t kPathCapacity = 260;
constexpr int kSmallestNotePoints = 6;
constexpr int kLargestNotePoints = 18;

// The system's folder browser (new style, with an edit box, folders of the file system only) over
// owner: the chosen folder's path, or nothing when the user cancelled or chose no file-system folder.
std::optional<std::string> BrowseForFolder(HWND owner, const char* title) {
  char name[MAX_PATH] = {};
  BROWSEINFOA browse{};
  browse.hwndOwner = owner;
  browse.pszDisplayName = name;
  browse.lpszTitle = title;
  browse.ulFlags = BIF_NEWDIALOGSTYLE | BIF_EDITBOX | BIF_RETURNONLYFSDIRS | BIF_SHAREABLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
  if (chosen == nullptr) return std::nullopt;
  char path[MAX_PATH] = {};
  const bool in_file_system = SHGetPathFromIDListA(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!in_file_system) return std::nullopt;
  return std::string(path);
}

constexpr LabelText kLabelTexts[] = {{IDC_NOTESPAGE_PATH_LABEL, texts::NOTES_LBLNOTEPATH},
                                     {IDC_NOTESPAGE_FONT, texts::NOTES_NOTEFONT},
                                     {IDC_NOTESPAGE_TOP, texts::NOTES_NOTETOP}};

class NotesPage : public OptionPage {
 public:
  explicit NotesPage(OptionsContext& context) : OptionPage(context, kHelpTopic) {}

 private:
  void Init() override {
    SendItem(IDC_NOTESPAGE_PATH, EM_SETLIMITTEXT, kPathCapacity);
    SetDlgItemTextA(window(), IDC_NOTESPAGE_PATH, settings().NotePath.c_str());
    ShowCornerIcon(IDC_NOTESPAGE_CORNER_ICON, "ZETTEL");
  }

  void ShowTexts() override { SetItemTexts(kLabelTexts); }

  void SetActive() override {
    CheckDlgButton(window(), IDC_NOTESPAGE_TOP, settings().NoteTop == 1 ? BST_CHECKED : BST_UNCHECKED);
  }

  void Command(int id, int code) override {
    if (id == IDC_NOTESPAGE_PATH && code == EN_CHANGE) {
      if (ItemText(IDC_NOTESPAGE_PATH) != settings().NotePath) Changed();
    } else if (id == IDC_NOTESPAGE_BROWSE && code == BN_CLICKED) {
      Browse();
    } else if (id == IDC_NOTESPAGE_FONT && code == BN_CLICKED) {
      ChooseNoteFont();
    } else if (id == IDC_NOTESPAGE_TOP && code == BN_CLICKED) {
      // The note window reads NoteTop each time it is shown; the click counts from now on.
      settings().NoteTop = IsDlgButtonChecked(window(), IDC_NOTESPAGE_TOP) == BST_CHECKED ? 1 : 0;
      Changed();
    }
  }

  // The chosen folder, with the backslash that note names are appended to, goes into the field, whose
  // change notice enables Apply.
  void Browse() {
    const std::string title = Text(texts::NOTES_BRSNOTEPATH);
    if (const auto folder = BrowseForFolder(window(), title.c_str())) {
      SetDlgItemTextA(window(), IDC_NOTESPAGE_PATH, FolderWithTrailingBackslash(*folder, kPathCapacity).c_str());
    }
  }

  // The dialog starts from the stored font, so a choice not yet applied is forgotten; confirming it
  // enables Apply even for the same font.
  void ChooseNoteFont() {
    LoadNoteFont(settings(), store());
    if (ChooseScreenFont(window(), settings().note_font, kSmallestNotePoints, kLargestNotePoints)) Changed();
  }

  void Apply() override {
    std::string path = ItemText(IDC_NOTESPAGE_PATH).substr(0, kPathCapacity - 1);
    if (path.size() < kShortestPath) path = settings().NotePath;
    if (path != settings().NotePath) context().rescan_notes = true;
    settings().NotePath = path;
    SetDlgItemTextA(window(), IDC_NOTESPAGE_PATH, path.c_str());
    SaveSettings(settings(), store());
    SaveNoteFont(settings(), store());
  }

  // A font chosen but not applied goes; NoteTop stays as clicked.
  void Reset() override { LoadNoteFont(settings(), store()); }
};

}  // namespace

std::unique_ptr<OptionPage> MakeNotesPage(OptionsContext& context) { return std::make_unique<NotesPage>(context); }
