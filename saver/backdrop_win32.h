#pragma once

#include <windows.h>

#include <filesystem>
#include <future>
#include <vector>

#include "common/handles_win32.h"
#include "common/picture_files_win32.h"
#include "common/random_source.h"
#include "geometry/screen_geometry.h"
#include "saver/backdrop.h"
#include "settings/settings.h"

namespace sovelin {

// The virtual screen painted in one colour.
Bitmap ColorBackdrop(COLORREF color, const ScreenLayout& layout);

// A picture file behind every monitor: turned as its EXIF orientation says, decoded at the
// size each monitor shows it, covering it centred and cropped; black where no monitor stands.
// Empty when the file is missing, unreadable or not a picture the system can decode.
Bitmap PictureBackdrop(const std::filesystem::path& file, const ScreenLayout& layout);

// Where the picture under the designs comes from in this run: the desktop copy, black, a
// colour, one picture or a folder of pictures. A picture that cannot be shown and a folder
// without one fall back to the desktop copy, silently.
class BackdropSource final {
 public:
  BackdropSource(const SaverSettings& settings, RandomSource& random);
  BackdropSource(const BackdropSource&) = delete;
  BackdropSource& operator=(const BackdropSource&) = delete;

  // The backdrop at start-up, made before the saver window shows (the desktop copy would
  // otherwise show the saver itself). Empty for black. A folder starts decoding its next
  // picture here.
  Bitmap First(const ScreenLayout& layout);

  // At a verse change: the folder's next picture once it is decoded, else empty (the shown
  // picture stays). Decoding goes on in another thread, so the motion never waits for it.
  Bitmap Next();

 private:
  void DecodeNextAhead();

  const SaverSettings& settings_;
  RandomSource& random_;
  ScreenLayout layout_;
  std::vector<std::filesystem::path> folder_;
  PictureShuffle shuffle_{0};
  std::future<Bitmap> ahead_;
};

}  // namespace sovelin
