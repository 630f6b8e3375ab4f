#include <windows.h>

#include <string>

#include "common/random_source.h"
#include "common/texts_win32.h"
#include "common/unicode_text.h"
#include "common/window_binding_win32.h"
#include "geometry/screen_win32.h"
#include "password/ask_password_win32.h"
#include "run/saver_system_win32.h"
#include "saver/backdrop_win32.h"
#include "saver/saver_designs_win32.h"
#include "saver/saver_run_win32.h"
#include "saver/saver_window_win32.h"
#include "settings/policy_store.h"
#include "settings/registry_store_win32.h"
#include "setup/setup_dialog_win32.h"
#include "startup/preview_win32.h"
#include "startup/run_mode.h"
#include "startup/saver_start.h"
#include "versewin/verse_size.h"
#include "versewin/verse_window_win32.h"

namespace sovelin {

namespace {

// The verse window of this run at its verse size (or the largest that fits the monitors),
// shrunk on a large-fonts display, and its scale: the window's size in pixels against its
// design, which its outline, picture and font follow.
SizedVerseWindow VerseWindowFor(const SaverRun& run, bool largeFonts, const ScreenLayout& layout) {
  return SizeVerseWindow(DescriptorFor(run.setup.gDisplayUsed), run.twips, largeFonts,
                         run.settings.gVerseSize, layout.monitors);
}

COLORREF VerseBackColor(const SaverRun& run) {
  if (DescriptorFor(run.setup.gDisplayUsed).usesRectangleColor) {
    return static_cast<COLORREF>(run.settings.gRectangleColor);
  }
  return GetSysColor(COLOR_BTNFACE);
}

// The saver mode of start-up: refuses a second saver, prepares the run and shows it.
int StartSaver(HINSTANCE instance, SaverRun& run) {
  if (IsSaverRunning(kSaverCaption)) return 0;
  run.setup = PrepareSaverRun(run.settings, run.store, run.random);
  if (run.settings.IsProtected()) SetSaverRunning(true);
  // Both at the system scale, in one context: after the thread's switch below, the desktop's
  // device context may measure at a monitor's scale instead.
  run.twips = DisplayTwipsPerPixel();
  const bool largeFonts = IsLargeFonts();
  // From here on the saver's windows, the monitors and the desktop copy count in physical
  // pixels, so that one window covers monitors of different scales exactly. The verse window
  // keeps the system scale read above.
  UsePhysicalPixels();

  // The desktop copy of every monitor (or the backdrop chosen instead) is taken before the
  // saver window exists, so it never shows itself.
  ScreenLayout layout = ReadScreenLayout();
  BackdropSource backdrop(run.settings, run.random);
  Bitmap background = backdrop.First(layout);
  const SizedVerseWindow verseWindow = VerseWindowFor(run, largeFonts, layout);
  SaverWindow window(run, std::move(background), std::move(layout));
  VerseWindow verse(verseWindow.descriptor, run.twips, VerseBackColor(run), verseWindow.scale);
  verse.ChooseFace({DecodeUtf8(run.settings.verseFont), run.settings.gVerseFontBold == 1,
                    run.settings.gVerseFontItalic == 1});
  if (!window.Create(instance) || !verse.Create(instance, window.handle(), run)) {
    if (run.settings.IsProtected()) SetSaverRunning(false);  // no saver runs after all
    return 1;
  }
  run.AskPassword = [&] { AskPassword(run, window.handle(), verse.handle()); };
  window.Show();
  SaverSession session(run, window, verse);
  SaverDesigns designs(run, window);
  window.paintAbove = [&designs](HDC dc, HRGN area) { designs.PaintAbove(dc, area); };
  session.drawDesign = [&designs] { designs.Step(); };
  session.endDesigns = [&designs] { designs.End(); };
  session.onVerseChange = [&backdrop, &window] { window.ReplaceBackground(backdrop.Next()); };
#ifdef SOVELIN_TEST_MOVE_COST_MS
  // Only in the tests' slow build: every move costs this long, as on a machine far too slow.
  session.afterMove = [] { Sleep(SOVELIN_TEST_MOVE_COST_MS); };
#endif
  session.Run();
}

// The window the settings dialog is modal to: the one "/c:HWND" names, else (as Windows' own
// savers do for a bare "/c") the foreground window; none when the command line was empty, as
// when Explorer's "Configure" starts the program.
HWND SettingsOwner(const std::string& arguments) {
  if (ChooseRunMode(arguments) != RunMode::kSettings ||
      arguments.find_first_not_of(" \t") == std::string::npos) {
    return nullptr;
  }
  // A handle is 32 bits, sign-extended on 64-bit Windows.
  HWND named = reinterpret_cast<HWND>(static_cast<intptr_t>(SettingsOwnerHandle(arguments)));
  if (named && IsWindow(named)) return named;
  return GetForegroundWindow();
}

// The program's own path, as the command line may spell it without quotes.
std::string ModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

int Main(HINSTANCE instance, const std::string& arguments) {
  // An error thrown inside a window or dialog procedure ends the program through the same
  // error box as the saver's own errors.
  SetWindowErrorHandler(&EndWithRunError);
  const RegistrySettingsStore machinePolicy =
      RegistrySettingsStore::Policies(RegistryRoot::kLocalMachine);
  const RegistrySettingsStore userPolicy =
      RegistrySettingsStore::Policies(RegistryRoot::kCurrentUser);
  RegistrySettingsStore userSettings;
  PolicySettingsStore store(machinePolicy, userPolicy, userSettings);
  ClockSeededRandom random;
  SaverRun run(store, random);
  run.flags.gFirstActivate = true;
  run.settings = ReadSettings(store);
  switch (ChooseRunMode(arguments)) {
    case RunMode::kSettings:
      return ShowSetupDialog(instance, run.settings, store, SettingsOwner(arguments));
    case RunMode::kPreview: return ShowPreview(instance, arguments, run.settings);
    case RunMode::kSaver: return StartSaver(instance, run);
  }
  return 0;
}

}  // namespace

}  // namespace sovelin

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  sovelin::UseUserInterfaceLanguage();
  return sovelin::Main(instance, std::string(sovelin::ArgumentsAfterProgramName(
                                     GetCommandLineA(), sovelin::ModulePath())));
}
