#pragma once

// The settings dialog's class, shared by the files that implement it (setup_dialog_*_win32.cpp);
// ShowSetupDialog (setup_dialog_win32.h) is the way in for everyone else.

#include <windows.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/handles_win32.h"
#include "geometry/screen_win32.h"
#include "settings/policy_store.h"
#include "settings/settings.h"
#include "setup/setup_form.h"
#include "setup/setup_model.h"
#include "setup/verse_report_cache.h"
#include "verses/verse_list.h"

namespace sovelin {

// The settings dialog while it is open: its window, its controls and the model behind them.
class SetupDialog {
 public:
  SetupDialog(HINSTANCE instance, SaverSettings& settings, PolicySettingsStore& store, HWND owner);

  int Run();

 private:
  // Pictures are drawn at their pixel size at 96 DPI and scaled with the display.
  static constexpr int kIconPixels = 32;
  static constexpr int kAboutPictureWidth = 200;
  static constexpr int kAboutPictureHeight = 114;

  // Running the dialog and handling its messages (setup_dialog_win32.cpp).
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void OnCommand(int id, int code);
  void OnClick(ControlId id);
  // Disables the controls of the settings a policy sets and shows the line that says so.
  void DisableManaged();
  void Enable(ControlId id, bool enabled);
  // The backdrop list's entries, in the order of the stored numbers.
  void FillBackdrops();
  // Puts the model's state into the controls.
  void Sync();

  // The template, the pictures and the controls (setup_dialog_controls_win32.cpp).
  // A dialog template without controls: caption, styles and font. The controls are created
  // from the descriptor table when the dialog initialises.
  static std::vector<WORD> DialogTemplate();
  void LoadPictures();
  void CreateControls();
  HWND CreateControl(const ControlDescriptor& control);
  void PlaceDialog();

  // The tabs, and fitting the tab row and the captions (setup_dialog_layout_win32.cpp).
  void FitTabRow();
  void WidenToFitCaptions();
  RECT RectInDialog(HWND control) const;
  void SelectTab(int index);
  void ShowTab(SetupTab tab);
  bool HandleTabKeys(const MSG& message);

  // The pages' background and the drawn pictures (setup_dialog_paint_win32.cpp).
  void MakePageBrush();
  INT_PTR OnControlColor(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnPage(HWND control) const;

  // The verse list: the lists beside the program and the user's own
  // (setup_dialog_verse_lists_win32.cpp).
  void FillVerseLists();
  std::string ChosenVerseList() const;
  void OnVerseListChosen();
  void EditOwnVerses();
  void ShowVerseListStatus();
  void ShowVerseListStatus(const std::string& text);

  HWND Item(ControlId id) const { return GetDlgItem(dialog_, id); }

  HINSTANCE instance_;
  PolicySettingsStore& store_;
  SetupModel model_;
  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
  HWND tabs_ = nullptr;
  Dpi dpi_;
  Font titleFont_;
  Brush pageBrush_;
  Bitmap aboutPicture_;
  HICON programIcon_ = nullptr;
  HICON helpIcon_ = nullptr;
  std::map<HWND, const ControlDescriptor*> descriptors_;
  std::set<ControlId> managed_;
  VerseReportCache verseReports_;
  std::filesystem::path programFolder_;
  std::filesystem::path appDataFolder_;
  std::vector<VerseListEntry> verseLists_;
  std::string listBeforeOwn_;  // the list the user's own list starts as a copy of
};

}  // namespace sovelin
