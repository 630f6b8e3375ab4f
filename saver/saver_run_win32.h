#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <vector>

#include "common/clock_win32.h"
#include "designs/design_state.h"
#include "run/saver_run.h"
#include "saver/motion.h"
#include "saver/pass_pacer.h"
#include "saver/saver_window_win32.h"
#include "verses/verse_change.h"
#include "verses/verse_store.h"
#include "versewin/verse_window_win32.h"

namespace sovelin {

// One run of the saver on its two windows: the first activation's set-up, the main loop
// that moves the verse window, the verse change, and the end of the run.
class SaverSession final {
 public:
  SaverSession(SaverRun& run, SaverWindow& window, VerseWindow& verse);
  SaverSession(const SaverSession&) = delete;
  SaverSession& operator=(const SaverSession&) = delete;

  // Runs until a stop is requested, then ends the process. Never returns.
  [[noreturn]] void Run();

  // Draws one step of the background design (set by the designs' canvas when there is one).
  std::function<void()> drawDesign;
  // Removes what the designs left at the end of the run.
  std::function<void()> endDesigns;
  // Runs after every move; a build of the saver for the tests makes moves slow with it.
  std::function<void()> afterMove;
  // Called after each verse change.
  std::function<void()> onVerseChange;

 private:
  void FirstActivation();
  void RunMainLoop();
  void MoveOnce();
  // Moves until one changes the verse window's pixel position, counting that one.
  int64_t MovesUntilVisible() const;
  void PlaceVerseWindow();
  void OnTimer();
  MotionArea Area() const;
  // The monitors of the saver window's layout, in twips; the verse window is kept on them.
  void TakeMonitors();

  SaverRun& run_;
  SaverWindow& window_;
  VerseWindow& verse_;
  MotionState motion_;
  // The monitors in screen twips, the coordinates of the verse window's position.
  std::vector<MonitorBox> monitors_;
  VerseStore verses_;
  VerseChangeState change_;
  SystemCalendar calendar_;  // the date that picks the verse with one verse a day
  // The verse window's exact place in twips; the window itself is placed once per frame.
  int32_t left_ = 0;
  int32_t top_ = 0;
  bool placementPending_ = false;
  // The verse window's outline where it stands on the screen, and the trail it leaves at a
  // placement; made at the first placement.
  Region outline_;
  POINT outlineAt_{};  // where outline_ stands, in the saver window's client pixels
  Region trail_;
  std::chrono::microseconds frame_{16667};
};

// Shows the error box of a failed run and ends the process.
[[noreturn]] void EndWithRunError(int number, const char* description);

}  // namespace sovelin
