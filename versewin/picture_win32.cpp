#include "versewin/picture_win32.h"

#include <wincodec.h>

#include <cctype>
#include <cstring>
#include <string>

#include "common/picture_files_win32.h"

namespace sovelin {

namespace {

// The bytes of resource `name` (RCDATA) in `module`; empty when it is missing.
std::string_view ResourceBytes(HMODULE module, const std::string& name) {
  HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const char*>(data), SizeofResource(module, found)};
}

}  // namespace

PicturePixels DecodePicture(const void* data, size_t size) {
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0;
  UINT height = 0;
  if (!CreateImagingFactory(factory) || FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)),
                                          static_cast<DWORD>(size))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) ||
      FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) {
    return {};
  }
  PicturePixels picture{static_cast<int>(width), static_cast<int>(height), {}};
  picture.pixels.resize(static_cast<size_t>(width) * height);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(picture.pixels.size() * 4),
                                   reinterpret_cast<BYTE*>(picture.pixels.data())))) {
    return {};
  }
  return picture;
}

Bitmap BitmapFromPixels(const PicturePixels& picture) {
  if (picture.width <= 0 || picture.height <= 0) return Bitmap();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap && bits) std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * 4);
  return bitmap;
}

Bitmap LoadPictureResource(HMODULE module, const std::string& name) {
  const std::string_view bytes = ResourceBytes(module, name);
  if (bytes.empty()) return Bitmap();
  return BitmapFromPixels(DecodePicture(bytes.data(), bytes.size()));
}

Bitmap LoadVersePicture(HMODULE module, std::string_view picture, int designWidth, int designHeight,
                        double scale) {
  if (picture.empty()) return Bitmap();
  std::string name(picture);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (scale > 1.0) name += std::to_string(kPictureDrawingScale) + "X";
  const std::string_view bytes = ResourceBytes(module, name);
  if (bytes.empty()) return Bitmap();
  PicturePixels pixels = DecodePicture(bytes.data(), bytes.size());
  const int width = ScaledPictureSize(designWidth, scale);
  const int height = ScaledPictureSize(designHeight, scale);
  if (pixels.width != width || pixels.height != height) {
    pixels = ResizePicture(pixels, width, height);
  }
  return BitmapFromPixels(pixels);
}

}  // namespace sovelin
