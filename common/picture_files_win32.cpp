#include "common/picture_files_win32.h"

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>
#include <system_error>

namespace sovelin {

namespace {

// Extensions taken when the system lists no decoder (it always has these).
constexpr const wchar_t* kCommonExtensions[] = {L".bmp", L".dib", L".gif", L".jpg", L".jpeg",
                                                L".jpe", L".png", L".tif", L".tiff"};

std::wstring Lowered(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// The file extensions (".jpg") the system's picture decoders claim, in lower case.
std::set<std::wstring> DecoderExtensions() {
  std::set<std::wstring> extensions;
  for (const wchar_t* extension : kCommonExtensions) extensions.insert(extension);
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IEnumUnknown> decoders;
  if (!CreateImagingFactory(factory) ||
      FAILED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault,
                                                decoders.out()))) {
    return extensions;
  }
  IUnknown* item = nullptr;
  ULONG fetched = 0;
  while (decoders->Next(1, &item, &fetched) == S_OK && item) {
    ComPtr<IWICBitmapDecoderInfo> info;
    item->QueryInterface(IID_IWICBitmapDecoderInfo, reinterpret_cast<void**>(info.out()));
    item->Release();
    UINT length = 0;
    if (!info || FAILED(info->GetFileExtensions(0, nullptr, &length)) || length == 0) continue;
    std::wstring list(length, L'\0');
    if (FAILED(info->GetFileExtensions(length, list.data(), &length))) continue;
    list.resize(wcsnlen(list.c_str(), list.size()));
    for (size_t begin = 0; begin < list.size();) {
      const size_t end = std::min(list.find(L',', begin), list.size());
      if (end > begin) extensions.insert(Lowered(list.substr(begin, end - begin)));
      begin = end + 1;
    }
  }
  return extensions;
}

}  // namespace

bool CreateImagingFactory(ComPtr<IWICImagingFactory>& factory) {
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.out())));
}

std::vector<std::filesystem::path> PicturesInFolder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> pictures;
  if (folder.empty()) return pictures;
  const std::set<std::wstring> extensions = DecoderExtensions();
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_regular_file(error) &&
        extensions.contains(Lowered(entry->path().extension().wstring()))) {
      pictures.push_back(entry->path());
    }
  }
  std::sort(pictures.begin(), pictures.end());
  return pictures;
}

}  // namespace sovelin
