#include "saver/saver_run_win32.h"

#include <chrono>
#include <exception>
#include <new>

#include "common/clock.h"
#include "saver/pass_pacer.h"
#include "saver/run_error.h"
#include "startup/screen_win32.h"

namespace sovelin {

namespace {

// Lets the window system dispatch every pending event: timer ticks, input, painting.
void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT)
      continue;  // only the stop path ends the saver
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Sleeps until input arrives or `wait` has passed, whichever comes first.
void WaitForWork(std::chrono::microseconds wait) {
  const auto ms = (wait.count() + 999) / 1000;
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(ms), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// The main loop: passes run at a fixed rate on the clock; between them the thread sleeps.
void RunMainLoop(SaverRun& run) {
  const SteadyClock clock;
  PassPacer pacer(clock);
  MoveCounter moves(run.setup.gMoveDelay);
  while (true) {
    WaitForWork(pacer.TimeUntil(moves.PassesToNextMove()));
    DispatchPendingMessages();
    run.flags.gPromptShown = false;
    for (int64_t due = pacer.TakeDuePasses(); due > 0; --due) moves.Pass();
    if (run.flags.gStopRequested)
      return;
  }
}

}  // namespace

void EndWithRunError(int number, const char* description) {
  ShowCursorUntilVisible();
  const UINT flags = MB_OK | MB_TOPMOST | MB_SETFOREGROUND;
  if (number == kFileNotFoundError) {
    MessageBoxA(nullptr, FileNotFoundMessage().c_str(), kProgramTitle.data(), flags | MB_ICONSTOP);
  } else {
    MessageBoxA(nullptr, UnexpectedErrorMessage(number, description).c_str(), kProgramTitle.data(),
                flags);
  }
  ExitProcess(1);
}

void RunSaver(SaverRun& run, SaverWindow& window) {
  if (!run.flags.gFirstActivate)
    ExitProcess(0);
  try {
    run.flags.gFirstActivate = false;
    (void)window;
    HideCursorUntilHidden();
    RunMainLoop(run);
    ShowCursorUntilVisible();
  } catch (const std::bad_alloc&) {
    EndWithRunError(7, "Out of memory");
  } catch (const std::exception& error) {
    EndWithRunError(5, error.what());
  }
  ExitProcess(0);
}

}  // namespace sovelin
