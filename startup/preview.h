#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sovelin {

// The window handle at the end of a text: the longest tail of the trimmed text that is a
// number (blanks around it allowed; optional sign, digits with an optional decimal point,
// optional exponent), rounded to a whole number with halves to the even neighbour. A text
// without a numeric tail gives 0, and so does a number that does not fit 32 bits. Values from
// 2^31 to 2^32 - 1 are a handle written unsigned and give the same 32 bits, signed.
int32_t ParsePreviewHandle(std::string_view text);

// The handle a preview command line ("/p 1234") names: the text trimmed, lower-cased and
// given to ParsePreviewHandle.
int32_t PreviewHandleFromArguments(std::string_view arguments);

// The preview pictures: the form's own background, and the five frames of the animation with
// the open book from the lower right (0) to the upper left (4).
inline constexpr int16_t kPreviewFrameCount = 5;
inline constexpr int kPreviewPictureWidth = 152;
inline constexpr int kPreviewPictureHeight = 112;
inline constexpr unsigned kPreviewTickMs = 200;

// The resource name of frame `index` ("PREVIEW0".."PREVIEW4"), or of the background picture
// for an index outside 0..4.
std::string PreviewPictureName(int16_t index);

// The animation of the preview form: which frame is shown and which way it runs.
struct PreviewFrames {
  int16_t mFrame = 0;      // the frame shown now
  int16_t mPrevFrame = 0;  // the frame shown before the latest tick
  bool mForward = false;   // true while the animation counts towards frame 4
  bool started = false;    // false until the first tick: only the background shows
};

// What one tick changes on the form: the frame to make visible, and the one to hide when it
// differs from the one shown.
struct FrameChange {
  int16_t show = 0;
  std::optional<int16_t> hide;
};

// The form's start: the animation runs forwards from frame 0.
void PreviewFormLoad(PreviewFrames& frames);

// One timer tick: steps to the next frame, turning at 4 and at 0, where the end frame stays
// for a second tick.
FrameChange PreviewTimerTick(PreviewFrames& frames);

// The picture the form shows now: the background before the first tick (-1), else mFrame.
int16_t PreviewPictureShown(const PreviewFrames& frames);

}  // namespace sovelin
