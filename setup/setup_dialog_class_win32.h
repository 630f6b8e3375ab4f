#pragma once

// The settings dialog's window, shared by the files that make it up: setup_dialog_win32.cpp
// (running it and its messages), setup_dialog_controls_win32.cpp (template, pictures and
// controls), setup_dialog_layout_win32.cpp (tabs and fitting captions),
// setup_dialog_paint_win32.cpp (page background and drawn pictures) and
// setup_dialog_verse_lists_win32.cpp (the verse list choice).

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

class SetupDialog {
 public:
  SetupDialog(HINSTANCE instance, SaverSettings& settings, PolicySettingsStore& store, HWND owner);

  int Run();

 private:
  // Pictures are drawn at their pixel size at 96 DPI and scaled with the display.
  static constexpr int kIconPixels = 32;
  static constexpr int kAboutPictureWidth = 200;
  static constexpr int kAboutPictureHeight = 114;

  // A dialog template without controls: caption, styles and font. The controls are created
  // from the descriptor table when the dialog initialises.
  static std::vector<WORD> DialogTemplate();
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog();
  void CreateControls();
  HWND CreateControl(const ControlDescriptor& control);
  void LoadPictures();
  void PlaceDialog();
  void OnCommand(int id, int code);
  void OnClick(ControlId id);
  INT_PTR OnControlColor(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool HandleTabKeys(const MSG& message);

  void FitTabRow();
  void WidenToFitCaptions();
  RECT RectInDialog(HWND control) const;
  void SelectTab(int index);
  void ShowTab(SetupTab tab);
  void MakePageBrush();
  // Disables the controls of the settings a policy sets and shows the line that says so.
  void DisableManaged();
  void Enable(ControlId id, bool enabled);
  // Puts the model's state into the controls.
  void Sync();

  // The verse list: the lists beside the program and the user's own.
  void FillVerseLists();
  std::string ChosenVerseList() const;
  void OnVerseListChosen();
  void EditOwnVerses();
  void ShowVerseListStatus();
  void ShowVerseListStatus(const std::string& text);

  HWND Item(ControlId id) const { return GetDlgItem(dialog_, id); }
  bool OnPage(HWND control) const;

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
