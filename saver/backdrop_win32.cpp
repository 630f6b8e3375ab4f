#include "saver/backdrop_win32.h"

#include <wincodec.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <utility>

#include "common/picture_files_win32.h"
#include "geometry/screen_win32.h"
#include "verses/verse_list.h"

namespace sovelin {

namespace {

// The EXIF orientation queries of a JPEG and of a TIFF frame.
constexpr const wchar_t* kOrientationQueries[] = {L"/app1/ifd/{ushort=274}", L"/ifd/{ushort=274}"};

// A 32-bit top-down bitmap of the whole virtual screen, black; `bits` receives its pixels.
Bitmap ScreenBitmap(const ScreenLayout& layout, uint32_t*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = layout.virtualScreen.Width();
  info.bmiHeader.biHeight = -layout.virtualScreen.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  bits = static_cast<uint32_t*>(pixels);
  return bits ? std::move(bitmap) : Bitmap();
}

// The frame's EXIF orientation, 1 (as stored) when it has none.
int ExifOrientation(IWICBitmapFrameDecode* frame) {
  ComPtr<IWICMetadataQueryReader> reader;
  if (FAILED(frame->GetMetadataQueryReader(reader.out()))) return 1;
  for (const wchar_t* query : kOrientationQueries) {
    PROPVARIANT value;
    PropVariantInit(&value);
    const bool found = SUCCEEDED(reader->GetMetadataByName(query, &value)) && value.vt == VT_UI2;
    const int orientation = found ? value.uiVal : 1;
    PropVariantClear(&value);
    if (found) return orientation;
  }
  return 1;
}

// The frame scaled so that, turned by its orientation, it is width x height, and turned. The
// scaler lets a decoder that can (JPEG) decode at the smaller size straight away.
PicturePixels ScaledFrame(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame,
                          int orientation, int width, int height) {
  const bool sideways = SwapsSides(orientation);
  const UINT storedWidth = sideways ? height : width, storedHeight = sideways ? width : height;
  ComPtr<IWICBitmapScaler> scaler;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateBitmapScaler(scaler.out())) ||
      FAILED(
          scaler->Initialize(frame, storedWidth, storedHeight, WICBitmapInterpolationModeFant)) ||
      FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(scaler.get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return {};
  }
  PicturePixels stored{static_cast<int>(storedWidth), static_cast<int>(storedHeight), {}};
  stored.pixels.resize(static_cast<size_t>(storedWidth) * storedHeight);
  if (FAILED(converter->CopyPixels(nullptr, storedWidth * 4,
                                   static_cast<UINT>(stored.pixels.size() * 4),
                                   reinterpret_cast<BYTE*>(stored.pixels.data())))) {
    return {};
  }
  return Oriented(std::move(stored), orientation);
}

// Copies the shown part of a covering picture onto the monitor's place in the screen's pixels.
void CopyOntoMonitor(const PicturePixels& covering, const CoverCrop& cover,
                     const PixelRect& monitor, const ScreenLayout& layout, uint32_t* screen) {
  const int screenWidth = layout.virtualScreen.Width();
  const int left = monitor.left - layout.virtualScreen.left;
  const int top = monitor.top - layout.virtualScreen.top;
  for (int y = 0; y < monitor.Height(); ++y) {
    const uint32_t* from = covering.pixels.data() +
                           static_cast<size_t>(cover.cropTop + y) * covering.width + cover.cropLeft;
    std::memcpy(screen + static_cast<size_t>(top + y) * screenWidth + left, from,
                static_cast<size_t>(monitor.Width()) * 4);
  }
}

}  // namespace

Bitmap ColorBackdrop(COLORREF color, const ScreenLayout& layout) {
  uint32_t* bits = nullptr;
  Bitmap bitmap = ScreenBitmap(layout, bits);
  if (!bitmap) return bitmap;
  // A COLORREF holds red lowest; a bitmap's pixel holds blue lowest.
  const uint32_t pixel = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
  std::fill_n(bits,
              static_cast<size_t>(layout.virtualScreen.Width()) * layout.virtualScreen.Height(),
              pixel);
  return bitmap;
}

Bitmap PictureBackdrop(const std::filesystem::path& file, const ScreenLayout& layout) {
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  UINT width = 0, height = 0;
  if (file.empty() || !CreateImagingFactory(factory) ||
      FAILED(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&width, &height)) ||
      width == 0 || height == 0) {
    return Bitmap();
  }
  const int orientation = ExifOrientation(frame.get());
  const bool sideways = SwapsSides(orientation);
  const int shownWidth = static_cast<int>(sideways ? height : width);
  const int shownHeight = static_cast<int>(sideways ? width : height);
  uint32_t* bits = nullptr;
  Bitmap screen = ScreenBitmap(layout, bits);
  if (!screen) return screen;
  for (const PixelRect& monitor : layout.monitors) {
    const CoverCrop cover =
        CoverAndCrop(shownWidth, shownHeight, monitor.Width(), monitor.Height());
    const PicturePixels covering =
        ScaledFrame(factory.get(), frame.get(), orientation, cover.scaledWidth, cover.scaledHeight);
    if (covering.pixels.empty()) return Bitmap();
    CopyOntoMonitor(covering, cover, monitor, layout, bits);
  }
  return screen;
}

BackdropSource::BackdropSource(const SaverSettings& settings, RandomSource& random)
    : settings_(settings), random_(random) {}

Bitmap BackdropSource::First(const ScreenLayout& layout) {
  layout_ = layout;
  switch (settings_.ChosenBackdrop()) {
    case Backdrop::kBlack: return Bitmap();
    case Backdrop::kColor:
      return ColorBackdrop(static_cast<COLORREF>(settings_.gBackdropColor), layout);
    case Backdrop::kPicture:
      if (Bitmap picture = PictureBackdrop(PathFromUtf8(settings_.backdropPath), layout)) {
        return picture;
      }
      break;
    case Backdrop::kFolder:
      folder_ = PicturesInFolder(PathFromUtf8(settings_.backdropPath));
      shuffle_ = PictureShuffle(folder_.size());
      // Each picture once at most, until one shows.
      for (size_t tried = 0; tried < folder_.size(); ++tried) {
        if (Bitmap picture = PictureBackdrop(folder_[shuffle_.Next(random_)], layout)) {
          if (folder_.size() > 1) DecodeNextAhead();
          return picture;
        }
      }
      break;
    case Backdrop::kDesktop: break;
  }
  return CaptureDesktop(layout.virtualScreen);
}

Bitmap BackdropSource::Next() {
  using namespace std::chrono_literals;
  if (!ahead_.valid() || ahead_.wait_for(0s) != std::future_status::ready) return Bitmap();
  Bitmap next = ahead_.get();
  DecodeNextAhead();
  return next;
}

void BackdropSource::DecodeNextAhead() {
  ahead_ =
      std::async(std::launch::async, [file = folder_[shuffle_.Next(random_)], layout = layout_] {
        return PictureBackdrop(file, layout);
      });
}

}  // namespace sovelin
