// The Pictures page of the options sheet: the picture list with a thumbnail of every picture, the
// built-in pictures first and the user's picture files after them; adding picture files and
// removing them; and, for the selected picture, when it takes part (months, hours, weekdays), how it
// is fitted and adjusted, with a preview of it as the wallpaper build renders it. Apply writes the
// whole list through a temporary file, with the records another program added meanwhile, and asks
// for a new wallpaper; when the list cannot be written the sheet stays open. Cancel writes nothing.
//
// The page changes a record's field only when the user changes what its control shows, so every
// field the user leaves alone keeps its bytes, values the controls cannot show included.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/bounded_text.h"
#include "common/file_system.h"
#include "common/owned_handles_win.h"
#include "imaging/display_bitmap_win.h"
#include "options/option_pages_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"
#include "wallpaper/picture_list.h"
#include "wallpaper/picture_list_edit.h"
#include "wallpaper/picture_thumbnail.h"

namespace {

constexpr int kHelpTopic = 10;

// The room of one picture in the list: its thumbnail with a little space beside it, and two lines of
// its name below.
constexpr int kListSpacingWidth = kThumbnailWidth + 16;
constexpr int kListSpacingHeight = kThumbnailHeight + 36;

// What a record's state is set to when the user switches a picture on or off; it takes part only
// when its state is greater than 1.
constexpr std::uint16_t kStateOn = 2;
constexpr std::uint16_t kStateOff = 1;

// The open-file dialog's buffer: room for many file names chosen at once.
constexpr std::size_t kChosenFilesCapacity = 32768;

// Every format the codec layer reads, by the extensions its files carry.
constexpr char kPicturePatterns[] =
    "*.jpg;*.jpeg;*.jpe;*.jfif;*.jp2;*.j2k;*.j2c;*.jpc;*.png;*.tif;*.tiff;*.gif;*.bmp;*.dib;*.pcx;*.tga;*.psd;"
    "*.wbmp;*.wmf;*.emf";

using OwnedImageList = OwnedHandle<HIMAGELIST, ImageList_Destroy>;

constexpr LabelText kLabelTexts[] = {
    {IDC_PICTURES_ADD, texts::PICS_HINZU},
    {IDC_PICTURES_REMOVE, texts::PICS_ENTFERNEN},
    {IDC_PICTURES_USE, texts::PICS_VERWENDEN},
    {IDC_PICTURES_MONTHS_LABEL, texts::PICS_MONATE},
    {IDC_PICTURES_MONTHS_TO, texts::PICS_BIS},
    {IDC_PICTURES_HOURS_LABEL, texts::PICS_STUNDEN},
    {IDC_PICTURES_HOURS_TO, texts::PICS_BIS},
    {IDC_PICTURES_SUNDAY, texts::PICS_SO},
    {IDC_PICTURES_MONDAY, texts::PICS_MO},
    {IDC_PICTURES_TUESDAY, texts::PICS_DI},
    {IDC_PICTURES_WEDNESDAY, texts::PICS_MI},
    {IDC_PICTURES_THURSDAY, texts::PICS_DO},
    {IDC_PICTURES_FRIDAY, texts::PICS_FR},
    {IDC_PICTURES_SATURDAY, texts::PICS_SA},
    {IDC_PICTURES_FIT, texts::PICS_EINPASSEN},
    {IDC_PICTURES_FILL, texts::PICS_FUELLEN},
    {IDC_PICTURES_BACKGROUND, texts::PICS_HGFARBE},
    {IDC_PICTURES_BRIGHTNESS_LABEL, texts::PICS_HELLIGKEIT},
    {IDC_PICTURES_CONTRAST_LABEL, texts::PICS_KONTRAST},
    {IDC_PICTURES_GAMMA_LABEL, texts::PICS_GAMMA},
    {IDC_PICTURES_SHARPNESS_LABEL, texts::PICS_SCHAERFE},
};

// The drop-down lists of months and hours: the record field each sets and the value of its first
// and last row.
struct RangeList {
  int id;
  std::uint16_t PictureRecord::*field;
  int first_value;
  int last_value;
};

constexpr RangeList kRangeLists[] = {
    {IDC_PICTURES_FIRST_MONTH, &PictureRecord::first_month, 1, 12},
    {IDC_PICTURES_LAST_MONTH, &PictureRecord::last_month, 1, 12},
    {IDC_PICTURES_FIRST_HOUR, &PictureRecord::first_hour, 0, 23},
    {IDC_PICTURES_LAST_HOUR, &PictureRecord::last_hour, 0, 24},
};

// The adjustment sliders: the record field each sets and its range. Brightness and contrast are
// percent; the codec layer takes contrast only up to 0.99.
struct Slider {
  int id;
  std::int32_t PictureRecord::*field;
  int minimum;
  int maximum;
};

constexpr Slider kSliders[] = {
    {IDC_PICTURES_BRIGHTNESS, &PictureRecord::brightness, -100, 100},
    {IDC_PICTURES_CONTRAST, &PictureRecord::contrast, -99, 99},
    {IDC_PICTURES_GAMMA, &PictureRecord::gamma_level, 0, 10},
    {IDC_PICTURES_SHARPNESS, &PictureRecord::sharpness, -3, 3},
};

// The controls that show the selected picture's record.
constexpr int kRecordControls[] = {
    IDC_PICTURES_USE,        IDC_PICTURES_FIRST_MONTH, IDC_PICTURES_LAST_MONTH, IDC_PICTURES_FIRST_HOUR,
    IDC_PICTURES_LAST_HOUR,  IDC_PICTURES_SUNDAY,      IDC_PICTURES_MONDAY,     IDC_PICTURES_TUESDAY,
    IDC_PICTURES_WEDNESDAY,  IDC_PICTURES_THURSDAY,    IDC_PICTURES_FRIDAY,     IDC_PICTURES_SATURDAY,
    IDC_PICTURES_FIT,        IDC_PICTURES_FILL,        IDC_PICTURES_BACKGROUND, IDC_PICTURES_BRIGHTNESS,
    IDC_PICTURES_CONTRAST,   IDC_PICTURES_GAMMA,       IDC_PICTURES_SHARPNESS,
};

static_assert(IDC_PICTURES_SATURDAY == IDC_PICTURES_SUNDAY + 6, "one check box a weekday, from Sunday on");

// The entry of a control table for the control id, or nullptr.
template <typename Entry, std::size_t N>
const Entry* Find(const Entry (&table)[N], int id) {
  const Entry* found = std::find_if(table, table + N, [id](const Entry& entry) { return entry.id == id; });
  return found == table + N ? nullptr : found;
}

// The name under a thumbnail: a built-in picture's name, a file's name without its folder.
std::string ShownName(const std::string& picture_name) {
  if (IsBuiltinPictureName(picture_name)) return picture_name;
  const std::size_t separator = picture_name.find_last_of("\\/");
  return separator == std::string::npos ? picture_name : picture_name.substr(separator + 1);
}

// The files an open-file dialog with multiple selection chose: one full path, or the folder and then
// the names chosen in it; each part ends in a zero, the whole in a second one.
std::vector<std::string> ChosenPaths(const char* chosen) {
  std::vector<std::string> parts;
  for (const char* part = chosen; *part != '\0'; part += std::strlen(part) + 1) parts.emplace_back(part);
  if (parts.size() <= 1) return parts;
  std::vector<std::string> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(JoinPath(parts[0], parts[i]));
  return paths;
}

class PicturesPage : public OptionPage {
 public:
  explicit PicturesPage(OptionsContext& context) : OptionPage(context, kHelpTopic) {}

 protected:
  void Init() override {
    for (const RangeList& range : kRangeLists) {
      for (int value = range.first_value; value <= range.last_value; ++value) {
        SendItem(range.id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(value).c_str()));
      }
    }
    for (const Slider& slider : kSliders) {
      SetSliderRange(Item(slider.id), slider.minimum, slider.maximum);
    }
    // A list that cannot be read is shown empty and never written, so that nothing of it is lost.
    list_ = ReadPictureList(PictureListPath(settings()));
    if (list_ && !list_->damaged_tail.empty()) {
      char damaged[512];
      FormatText(damaged, sizeof damaged, Format(texts::PICS_BESCHAEDIGT).c_str(),
                 static_cast<int>(list_->damaged_tail.size()));
      MessageBoxA(window(), damaged, PictureListPath(settings()).c_str(), MB_ICONWARNING);
    }
    EnableWindow(Item(IDC_PICTURES_ADD), list_.has_value());
    const int count = list_ ? static_cast<int>(list_->records.size()) : 0;
    read_count_ = static_cast<std::size_t>(count);
    thumbnails_.reset(ImageList_Create(kThumbnailWidth, kThumbnailHeight, ILC_COLOR24, count, 8));
    SendItem(IDC_PICTURES_LIST, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(thumbnails_.get()));
    SendItem(IDC_PICTURES_LIST, LVM_SETICONSPACING, 0, MAKELPARAM(kListSpacingWidth, kListSpacingHeight));
    for (int row = 0; row < count; ++row) InsertRow(row);
    ShowSelected();
    if (count > 0) SelectRow(0);
  }

  void ShowTexts() override { SetItemTexts(kLabelTexts); }

  void Command(int id, int code) override {
    if (code != BN_CLICKED && code != CBN_SELCHANGE) return;
    if (id == IDC_PICTURES_ADD) return AddFiles();
    if (id == IDC_PICTURES_REMOVE) return RemoveSelected();
    PictureRecord* record = Selected();
    if (record == nullptr) return;
    if (id == IDC_PICTURES_BACKGROUND) return ChooseBackground(*record);
    if (id == IDC_PICTURES_USE) {
      const bool use = IsDlgButtonChecked(window(), id) == BST_CHECKED;
      if (use != (record->state > 1)) Edited(record->state, use ? kStateOn : kStateOff);
    } else if (id >= IDC_PICTURES_SUNDAY && id <= IDC_PICTURES_SATURDAY) {
      const auto bit = static_cast<std::uint16_t>(1u << (id - IDC_PICTURES_SUNDAY));
      const bool allowed = IsDlgButtonChecked(window(), id) == BST_CHECKED;
      if (allowed != ((record->weekday_mask & bit) != 0)) Edited(record->weekday_mask, record->weekday_mask ^ bit);
    } else if (id == IDC_PICTURES_FIT || id == IDC_PICTURES_FILL) {
      // Any fit mode but 0 fills: a hand-made value stays while the user keeps filling.
      if ((id == IDC_PICTURES_FIT) != (record->fit_mode == 0)) {
        Edited(record->fit_mode, id == IDC_PICTURES_FIT ? 0 : 1);
        ShowPreview();
      }
    } else if (const RangeList* range = Find(kRangeLists, id)) {
      const int row = SelectedRow(Item(id));
      if (row >= 0 && range->first_value + row != record->*range->field) {
        Edited(record->*range->field, range->first_value + row);
      }
    }
  }

  // Records another program added to the file while the page was open are kept, behind the page's.
  // When the list cannot be written the sheet stays open with the edits, and the file as it was.
  void Apply() override {
    if (!edited_ || !list_) return;
    const std::string path = PictureListPath(settings());
    PictureList written = *list_;
    if (const auto file_now = ReadPictureList(path)) {
      written = WithRecordsAddedSince(std::move(written), *file_now, read_count_);
    }
    if (!WritePictureList(path, written)) {
      MessageBoxA(window(), Text(texts::PICS_ERRSAVE).c_str(), path.c_str(), MB_ICONERROR);
      KeepSheetOpen();
      return;
    }
    const std::size_t shown = list_->records.size();
    *list_ = std::move(written);
    read_count_ = list_->records.size();
    for (std::size_t row = shown; row < read_count_; ++row) InsertRow(static_cast<int>(row));
    edited_ = false;
    context().rebuild_wallpaper = true;
  }

  bool Message(UINT message, WPARAM, LPARAM lparam, INT_PTR&) override {
    if (message == WM_HSCROLL && lparam != 0) {
      MoveSlider(GetDlgCtrlID(reinterpret_cast<HWND>(lparam)));
      return true;
    }
    if (message != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    if (header->idFrom != IDC_PICTURES_LIST || header->code != LVN_ITEMCHANGED) return false;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(lparam);
    const bool was_selected = (change->uOldState & LVIS_SELECTED) != 0;
    const bool is_selected = (change->uNewState & LVIS_SELECTED) != 0;
    if ((change->uChanged & LVIF_STATE) == 0 || was_selected == is_selected) return true;
    if (is_selected) {
      selected_ = change->iItem;
    } else if (change->iItem == selected_) {
      selected_ = -1;
    }
    ShowSelected();
    return true;
  }

 private:
  PictureRecord* Selected() {
    if (!list_ || selected_ < 0 || selected_ >= static_cast<int>(list_->records.size())) return nullptr;
    return &list_->records[static_cast<std::size_t>(selected_)];
  }

  // A change the user made to the selected record: Apply will write the list.
  template <typename Field>
  void Edited(Field& field, int value) {
    field = static_cast<Field>(value);
    edited_ = true;
    Changed();
  }

  void InsertRow(int row) {
    const std::string name = list_->records[static_cast<std::size_t>(row)].PictureName();
    const OwnedBitmap bitmap = ImageToDisplayBitmap(PictureThumbnail(name, *context().pictures), ScreenDc().get());
    std::string shown = ShownName(name);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.iImage = ImageList_Add(thumbnails_.get(), bitmap.get(), nullptr);  // the image list keeps a copy
    item.pszText = shown.data();
    SendItem(IDC_PICTURES_LIST, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }

  // Selects a row as a click does; the list's notice then shows its record.
  void SelectRow(int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendItem(IDC_PICTURES_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendItem(IDC_PICTURES_LIST, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }

  // The selected record in the controls, and its picture read once for the preview.
  void ShowSelected() {
    const PictureRecord* record = Selected();
    for (int id : kRecordControls) EnableWindow(Item(id), record != nullptr);
    EnableWindow(Item(IDC_PICTURES_REMOVE), record != nullptr && !IsBuiltinPictureName(record->PictureName()));
    preview_source_ = RgbImage{};
    if (record == nullptr) return ShowPreview();

    CheckDlgButton(window(), IDC_PICTURES_USE, record->state > 1 ? BST_CHECKED : BST_UNCHECKED);
    for (const RangeList& range : kRangeLists) {
      const int value = record->*range.field;
      // A value the list does not offer shows no row.
      const int row = value >= range.first_value && value <= range.last_value ? value - range.first_value : -1;
      SendItem(range.id, CB_SETCURSEL, static_cast<WPARAM>(row));
    }
    for (int weekday = 0; weekday < 7; ++weekday) {
      const bool allowed = ((record->weekday_mask >> weekday) & 1) != 0;
      CheckDlgButton(window(), IDC_PICTURES_SUNDAY + weekday, allowed ? BST_CHECKED : BST_UNCHECKED);
    }
    CheckRadioButton(window(), IDC_PICTURES_FIT, IDC_PICTURES_FILL,
                     record->fit_mode == 0 ? IDC_PICTURES_FIT : IDC_PICTURES_FILL);
    for (const Slider& slider : kSliders) {
      SendItem(slider.id, TBM_SETPOS, TRUE, std::clamp<LPARAM>(record->*slider.field, slider.minimum, slider.maximum));
    }
    const SIZE size = PreviewSize();
    preview_source_ = ReadPictureForPreview(record->PictureName(), *context().pictures, size.cx, size.cy);
    ShowPreview();
  }

  // The preview's size in pixels: the screen's proportions, as large as the preview's box allows.
  SIZE PreviewSize() const {
    RECT box{};
    GetClientRect(Item(IDC_PICTURES_PREVIEW), &box);
    const int screen_width = std::max(1, GetSystemMetrics(SM_CXSCREEN));
    const int screen_height = std::max(1, GetSystemMetrics(SM_CYSCREEN));
    SIZE size{box.right, MulDiv(box.right, screen_height, screen_width)};
    if (size.cy > box.bottom) size = {MulDiv(box.bottom, screen_width, screen_height), box.bottom};
    return size;
  }

  void ShowPreview() {
    OwnedBitmap bitmap;
    const PictureRecord* record = Selected();
    if (record != nullptr && preview_source_.valid()) {
      const SIZE size = PreviewSize();
      if (std::optional<RgbImage> preview = RenderPreview(preview_source_, *record, size.cx, size.cy)) {
        bitmap = ImageToDisplayBitmap(*preview, ScreenDc().get());
      }
    }
    const auto previous = reinterpret_cast<HBITMAP>(
        SendItem(IDC_PICTURES_PREVIEW, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get())));
    // A static control may show a copy of a bitmap it was given; such a copy is the page's to release.
    const OwnedBitmap copy(previous != preview_.get() ? previous : nullptr);
    preview_ = std::move(bitmap);
  }

  void MoveSlider(int id) {
    PictureRecord* record = Selected();
    const Slider* slider = Find(kSliders, id);
    if (record == nullptr || slider == nullptr) return;
    const auto position = static_cast<int>(SendItem(id, TBM_GETPOS));
    // The slider shows a value outside its range at its end; the value stays until the slider moves.
    if (position == std::clamp(record->*slider->field, slider->minimum, slider->maximum)) return;
    Edited(record->*slider->field, position);
    ShowPreview();
  }

  void AddFiles() {
    std::string filter = Text(texts::PICS_BILDDATEIEN);
    filter += " (";
    filter += kPicturePatterns;
    filter += ")";
    filter.push_back('\0');
    filter += kPicturePatterns;
    filter.push_back('\0');  // the string's own terminator ends the filter list
    char title[80];
    CopyText(title, Text(texts::PICS_OEFFNEN));
    std::vector<char> chosen(kChosenFilesCapacity, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return;

    const std::size_t rows_before = list_->records.size();
    const std::vector<std::string> paths = ChosenPaths(chosen.data());
    // A path too long for the record's name is left out rather than cut; the user is told which.
    const std::vector<LeftOutPicture> left_out = AddPictureFiles(*list_, paths, PictureFileOptions{});
    for (std::size_t row = rows_before; row < list_->records.size(); ++row) InsertRow(static_cast<int>(row));
    if (!left_out.empty()) {
      std::string message = Text(texts::PICS_NICHTHINZU);
      for (const LeftOutPicture& file : left_out) {
        message += "\n" + file.path + ": " +
                   Text(file.outcome == AddPictureOutcome::kPathTooLong ? texts::PICS_PFADZULANG
                                                                         : texts::PICS_WIEEINGEBAUT);
      }
      MessageBoxA(window(), message.c_str(), title, MB_ICONWARNING);
    }
    if (list_->records.size() == rows_before) return;
    edited_ = true;
    Changed();
    SelectRow(static_cast<int>(list_->records.size()) - 1);
  }

  void RemoveSelected() {
    const int row = selected_;
    if (!list_ || row < 0 || !RemovePictureFile(*list_, static_cast<std::size_t>(row))) return;
    selected_ = -1;
    SendItem(IDC_PICTURES_LIST, LVM_DELETEITEM, static_cast<WPARAM>(row));
    edited_ = true;
    Changed();
    ShowSelected();
    SelectRow(std::min(row, static_cast<int>(list_->records.size()) - 1));
  }

  void ChooseBackground(PictureRecord& record) {
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window();
    dialog.rgbResult = record.background;
    dialog.lpCustColors = custom_colours_.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&dialog) || dialog.rgbResult == record.background) return;
    Edited(record.background, static_cast<int>(dialog.rgbResult));
    ShowPreview();
  }

  std::optional<PictureList> list_;  // nothing when the list could not be read
  bool edited_ = false;
  std::size_t read_count_ = 0;  // the records of the file when it was last read or written
  int selected_ = -1;
  OwnedImageList thumbnails_;
  RgbImage preview_source_;  // the selected picture, read for the preview's size
  OwnedBitmap preview_;
  std::array<COLORREF, 16> custom_colours_{};
};

}  // namespace

std::unique_ptr<OptionPage> MakePicturesPage(OptionsContext& context) {
  return std::make_unique<PicturesPage>(context);
}
