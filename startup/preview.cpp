#include "startup/preview.h"

#include <cmath>
#include <cstdlib>

#include "common/numbers.h"

namespace sovelin {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Skips a run of digits at `pos`; returns how many there were.
size_t SkipDigits(std::string_view text, size_t& pos) {
  const size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos - start;
}

// True when the whole text, blanks around it aside, is one decimal number: optional sign,
// digits with an optional decimal point (at least one digit), optional exponent.
bool IsNumeric(std::string_view text) {
  text = Trim(text);
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  size_t digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits += SkipDigits(text, pos);
  }
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (SkipDigits(text, pos) == 0) return false;
  }
  return pos == text.size();
}

// A handle value as 32 bits: signed values as they are, unsigned ones above the signed range
// as the same bits; anything wider is no handle.
int32_t HandleBits(double value) {
  if (!std::isfinite(value)) return 0;
  const double rounded = RoundHalfEven(value);
  if (rounded < -2147483648.0 || rounded > 4294967295.0) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(rounded)));
}

}  // namespace

int32_t ParsePreviewHandle(std::string_view text) {
  text = Trim(text);
  for (size_t n = text.size(); n >= 1; --n) {
    const std::string_view tail = text.substr(text.size() - n);
    if (IsNumeric(tail)) {
      const std::string number(Trim(tail));
      return HandleBits(std::strtod(number.c_str(), nullptr));
    }
  }
  return 0;
}

int32_t PreviewHandleFromArguments(std::string_view arguments) {
  std::string text(Trim(arguments));
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return ParsePreviewHandle(text);
}

std::string PreviewPictureName(int16_t index) {
  if (index < 0 || index >= kPreviewFrameCount) return "PREVIEW_BASE";
  return "PREVIEW" + DecimalText(index);
}

void PreviewFormLoad(PreviewFrames& frames) {
  frames.mForward = true;
}

FrameChange PreviewTimerTick(PreviewFrames& frames) {
  frames.started = true;
  frames.mPrevFrame = frames.mFrame;
  if (frames.mForward) {
    ++frames.mFrame;
    if (frames.mFrame > kPreviewFrameCount - 1) {
      frames.mFrame = kPreviewFrameCount - 1;
      frames.mForward = false;
    }
  } else {
    --frames.mFrame;
    if (frames.mFrame < 0) {
      frames.mFrame = 0;
      frames.mForward = true;
    }
  }
  FrameChange change{frames.mFrame, std::nullopt};
  if (frames.mFrame != frames.mPrevFrame) change.hide = frames.mPrevFrame;
  return change;
}

int16_t PreviewPictureShown(const PreviewFrames& frames) {
  return frames.started ? frames.mFrame : int16_t{-1};
}

}  // namespace sovelin
