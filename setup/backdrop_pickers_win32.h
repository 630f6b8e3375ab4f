#pragma once

// The settings dialog's helpers for the backdrop: the system's file and folder pickers, and the
// look at a chosen picture or folder that the status line reports.

#include <windows.h>

#include "setup/setup_model.h"

namespace sovelin {

// A picture file or a folder, chosen with the system's common item dialog.
class Win32PathPicker final : public PathPicker {
 public:
  explicit Win32PathPicker(HWND owner) : owner_(owner) {}
  std::optional<std::string> PickPath(Backdrop kind, const std::string& current) override;

 private:
  HWND owner_;
};

// Looks at the file or folder as the saver will: a picture must open with one of the system's
// picture decoders; a folder must hold at least one such picture.
class Win32BackdropProbe final : public BackdropProbe {
 public:
  BackdropProblem Check(Backdrop kind, const std::string& path) override;
};

}  // namespace sovelin
