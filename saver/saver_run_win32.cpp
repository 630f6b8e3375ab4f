#include "saver/saver_run_win32.h"

#include <exception>
#include <new>
#include <string>

#include "common/clock.h"
#include "common/program_folder_win32.h"
#include "common/texts_win32.h"
#include "run/saver_system_win32.h"
#include "saver/pass_pacer.h"
#include "saver/precise_waits_win32.h"
#include "saver/run_error.h"
#include "settings/settings.h"
#include "verses/verse_file_win32.h"
#include "verses/verse_list.h"
#include "verses/verse_list_win32.h"
#include "verses/verse_loader.h"

namespace sovelin {

namespace {

// Lets the window system dispatch every pending event: timer ticks, input, painting.
void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;  // only the stop path ends the saver
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Dispatches the input that arrived while moves ran, and messages other threads sent (a change
// of activation); true once a stop is requested.
bool StopSeenBetweenMoves(const RunFlags& flags) {
  if (HIWORD(GetQueueStatus(WithTouchAndPen(QS_INPUT | QS_SENDMESSAGE | QS_POSTMESSAGE))) != 0) {
    DispatchPendingMessages();
  }
  return flags.gStopRequested;
}

// The longest sleep that does not watch for input: a key, click or mouse move waits at most
// this long to end the saver, which nobody notices.
constexpr std::chrono::milliseconds kUnwatchedSleep{50};

// Sleeps for `wait` and then dispatches what arrived meanwhile. A short sleep does not watch
// the message queue: each placement of the verse window brings back the window system's own
// events about it (under Wine an expose of the saver window, a moment later), and waking for
// them would cost a second wait and poll every frame. A long sleep ends early on input.
void SleepThenDispatch(const PreciseWaits& waits, std::chrono::microseconds wait) {
  if (wait <= kUnwatchedSleep) {
    waits.Sleep(wait);
    DispatchPendingMessages();
    return;
  }
  // Nothing to dispatch when the time ran out with no message waiting.
  if (waits.WaitForMessage(wait)) DispatchPendingMessages();
}

// The display's frame time, for placing the verse window at most once per frame.
std::chrono::microseconds DisplayFrame() {
  WindowDC screen(nullptr);
  const int hertz = screen ? GetDeviceCaps(screen.get(), VREFRESH) : 0;
  return std::chrono::microseconds(1'000'000 / (hertz > 1 ? hertz : 60));
}

// The shortest time between two placements of the verse window. At Slowest, Slow and Normal
// the window drifts about a pixel in a 20th of a second, so placing it more often would show
// nothing new while every placement costs round trips to the window system (the saver must
// stay under 2 % of a core at Normal speed). Fast, Fastest and a hand-edited Speed outside
// 0..4 (which takes Fast-sized steps) follow the display's frames, so they do not jump.
std::chrono::microseconds PlacementInterval(int16_t speed) {
  const std::chrono::microseconds frame = DisplayFrame();
  const bool slowSteps = speed >= 0 && speed <= 2;
  if (!slowSteps) return frame;
  return std::max(frame, std::chrono::microseconds(1'000'000 / 20));
}

}  // namespace

SaverSession::SaverSession(SaverRun& run, SaverWindow& window, VerseWindow& verse)
    : run_(run), window_(window), verse_(verse), frame_(PlacementInterval(run.settings.gSpeed)) {
  motion_.gSpeed = run.settings.gSpeed;
  window_.onTimer = [this] { OnTimer(); };
  window_.onDisplayChange = [this] { TakeMonitors(); };
}

void SaverSession::Run() {
  if (!run_.flags.gFirstActivate) ExitProcess(0);
  try {
    FirstActivation();
    RunMainLoop();
    ShowCursorUntilVisible();
    verse_.Hide();
    if (endDesigns) endDesigns();
  } catch (const std::bad_alloc&) {
    EndWithRunError(7, "Out of memory");
  } catch (const std::exception& error) {
    EndWithRunError(5, error.what());
  }
  ExitProcess(0);
}

void SaverSession::FirstActivation() {
  SetCornerZones(motion_, window_.ScaleWidth(), window_.ScaleHeight());
  run_.flags.gFirstActivate = false;
  run_.random.Reseed();
  StartMotion(motion_, run_.random);
  LoadVerses(verses_, VerseFileToLoad(run_.store.Read(keys::kVerseList, ""), ProgramFolder(),
                                      AppDataFolder(), VerseFileExists));
  change_.gVerseIndex = run_.settings.SameVerseAllDay()
                            ? DaysVerse(change_, verses_.gVerseCount, calendar_)
                            : RandomVerseIndex(verses_, run_.random);
  verse_.SetTextColor(static_cast<COLORREF>(InitialTextColor(run_.setup.gDisplayUsed)));
  verse_.SetText(verses_.gVerses[change_.gVerseIndex]);
  if (drawDesign) drawDesign();
  verse_.ShowOwned();
  left_ = verse_.Left();
  top_ = verse_.Top();
  TakeMonitors();
  HideCursorUntilHidden();
}

MotionArea SaverSession::Area() const {
  return MotionArea{{left_, top_, verse_.Width(), verse_.Height()},
                    window_.ScaleWidth(),
                    window_.ScaleHeight(),
                    monitors_};
}

void SaverSession::TakeMonitors() {
  monitors_.clear();
  for (const PixelRect& monitor : window_.layout().monitors) {
    monitors_.push_back({monitor.left * run_.twips.x, monitor.top * run_.twips.y,
                         monitor.Width() * run_.twips.x, monitor.Height() * run_.twips.y});
  }
  const WindowPosition kept = KeepOnMonitors(Area().verse, monitors_);
  if (kept.Left == left_ && kept.Top == top_) return;
  left_ = kept.Left;
  top_ = kept.Top;
  placementPending_ = true;
}

int64_t SaverSession::MovesUntilVisible() const {
  return MovesUntilPixelChange(left_, top_, motion_.gDeltaX, motion_.gDeltaY, run_.twips.x,
                               run_.twips.y);
}

void SaverSession::MoveOnce() {
  const WindowPosition next = MoveVerseWindow(motion_, Area(), run_.random, [this] {
    if (drawDesign) drawDesign();
  });
  left_ = next.Left;
  top_ = next.Top;
  placementPending_ = true;
  if (afterMove) afterMove();
}

void SaverSession::PlaceVerseWindow() {
  placementPending_ = false;
  const POINT before = verse_.ScreenPixels();
  if (!verse_.MoveTo(left_, top_)) return;
  const POINT after = verse_.ScreenPixels();
  // Where the system does not repaint what the verse window uncovers (composited desktops,
  // Wine), the trail is repainted here: the old outline less the new one. The outline is
  // built once and then only shifted along, so a placement creates no region; it is kept in
  // the saver window's client pixels, which a display change may shift.
  const POINT from = window_.ClientPixels(before);
  const POINT to = window_.ClientPixels(after);
  if (!outline_) {
    outline_ = verse_.OutlineRegionAt(from.x, from.y);
    outlineAt_ = from;
    trail_ = Region(CreateRectRgn(0, 0, 0, 0));
  }
  OffsetRgn(outline_.get(), from.x - outlineAt_.x, from.y - outlineAt_.y);
  CombineRgn(trail_.get(), outline_.get(), nullptr, RGN_COPY);
  OffsetRgn(outline_.get(), to.x - from.x, to.y - from.y);
  outlineAt_ = to;
  CombineRgn(trail_.get(), trail_.get(), outline_.get(), RGN_DIFF);
  window_.RepaintBackground(window_.dc(), trail_.get());
}

void SaverSession::RunMainLoop() {
  const SteadyClock clock;
  const PreciseWaits waits;
  MovePacing pacing(clock, run_.setup.gMoveDelay);
  auto lastPlaced = clock.Now();
  while (true) {
    // Wake for the next move that shows, but not before the next frame: passes are counted
    // on the clock, so moves that come due in between are caught up on the wake-up.
    const auto untilFrame = lastPlaced + frame_ - clock.Now();
    SleepThenDispatch(waits, pacing.PlanSleep(MovesUntilVisible(), untilFrame));
    run_.flags.gPromptShown = false;
    // However long a move takes, the stop is looked for between moves and wins.
    if (RunDueMoves(
            pacing.TakeDueMoves(), clock, [this] { MoveOnce(); },
            [this] { return StopSeenBetweenMoves(run_.flags); })) {
      return;
    }
    if (placementPending_ && clock.Now() - lastPlaced >= frame_) {
      PlaceVerseWindow();
      // Frames count from when this one was due, so neither the placement's own time nor a
      // late wake-up adds up; after a pause of more than a frame they count from now.
      lastPlaced += frame_;
      if (clock.Now() - lastPlaced >= frame_) lastPlaced = clock.Now();
    }
    if (run_.flags.gStopRequested) return;
  }
}

void SaverSession::OnTimer() {
  const VerseChangeSetup setup{run_.setup.gChangeInterval, verses_.gVerseCount,
                               run_.setup.gDisplayUsed, run_.settings.gRectangleColor};
  const auto change = run_.settings.SameVerseAllDay() ? DailyVerseTick(change_, setup, calendar_)
                                                      : Timer1_Timer(change_, setup, run_.random);
  if (!change) return;
  verse_.SetTextColor(static_cast<COLORREF>(change->textColor));
  verse_.SetText(verses_.gVerses[change->gVerseIndex]);
  if (onVerseChange) onVerseChange();
}

void EndWithRunError(int number, const char* description) {
  ShowCursorUntilVisible();
  const UINT flags = MB_OK | MB_TOPMOST | MB_SETFOREGROUND;
  if (number == kFileNotFoundError) {
    MessageBoxW(nullptr, WideText(FileNotFoundMessage()).c_str(), WideText(kProgramTitle).c_str(),
                flags | MB_ICONSTOP);
  } else {
    MessageBoxW(nullptr, WideText(UnexpectedErrorMessage(number, description)).c_str(),
                WideText(kProgramTitle).c_str(), flags);
  }
  ExitProcess(1);
}

}  // namespace sovelin
