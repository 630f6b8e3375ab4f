#include "setup/setup_dialog_class_win32.h"

#include <filesystem>
#include <string>

#include "common/program_folder_win32.h"
#include "common/texts_win32.h"
#include "setup/verse_choice_win32.h"
#include "verses/verse_list.h"
#include "verses/verse_list_win32.h"

namespace sovelin {

void SetupDialog::FillVerseLists() {
  programFolder_ = ProgramFolder();
  appDataFolder_ = AppDataFolder();
  verseLists_ = OfferedVerseLists(FileNamesIn(programFolder_));
  HWND box = Item(kCboVerseList);
  for (const VerseListEntry& list : verseLists_) {
    const std::wstring name = WideText(list.displayName);
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  const std::string stored = store_.Read(keys::kVerseList, "");
  SendMessageW(box, CB_SETCURSEL, OfferedListIndex(verseLists_, stored), 0);
  listBeforeOwn_ = stored == kOwnVersesChoice ? std::string() : stored;
  ShowVerseListStatus();
}

std::string SetupDialog::ChosenVerseList() const {
  const LRESULT chosen = SendMessageW(Item(kCboVerseList), CB_GETCURSEL, 0, 0);
  if (chosen < 0 || static_cast<size_t>(chosen) >= verseLists_.size()) return {};
  return verseLists_[static_cast<size_t>(chosen)].value;
}

void SetupDialog::OnVerseListChosen() {
  const std::string chosen = ChosenVerseList();
  if (chosen != kOwnVersesChoice) listBeforeOwn_ = chosen;
  ShowVerseListStatus();
}

constexpr const char* kNoAppDataText =
    "This account has no application data folder for its own list.";

// Makes the user's own list when it is not there yet, as a copy of the list chosen before,
// chooses it and opens it in the user's editor. When it cannot be made, the status line says
// why and the choice stays as it was.
void SetupDialog::EditOwnVerses() {
  if (appDataFolder_.empty()) {
    ShowVerseListStatus(std::string(Tr(kNoAppDataText)));
    return;
  }
  const std::filesystem::path own = OwnVerseFile(appDataFolder_);
  const OwnListMade made = MakeOwnVerseFile(
      VerseFileToLoad(listBeforeOwn_, programFolder_, appDataFolder_, VerseFileExists), own);
  if (made != OwnListMade::kMade && made != OwnListMade::kAlreadyThere) {
    ShowVerseListStatus(OwnListFailureText(made));
    return;
  }
  SendMessageW(Item(kCboVerseList), CB_SETCURSEL, verseLists_.size() - 1, 0);
  ShowVerseListStatus();
  OpenInTextEditor(dialog_, own);
}

void SetupDialog::ShowVerseListStatus() {
  const std::string chosen = ChosenVerseList();
  const bool own = chosen == kOwnVersesChoice;
  if (own && appDataFolder_.empty()) {
    ShowVerseListStatus(std::string(Tr(kNoAppDataText)));
    return;
  }
  const std::filesystem::path file =
      own ? OwnVerseFile(appDataFolder_) : programFolder_ / PathFromUtf8(chosen);
  ShowVerseListStatus(DescribeVerseFile(verseReports_.ReportFor(file), own));
}

void SetupDialog::ShowVerseListStatus(const std::string& text) {
  SetWindowTextW(Item(kLblVerseStatus), WideText(text).c_str());
}

}  // namespace sovelin
