#include "setup/backdrop_pickers_win32.h"

#include <shobjidl.h>
#include <wincodec.h>

#include <filesystem>

#include "common/handles_win32.h"
#include "common/picture_files_win32.h"
#include "common/texts_win32.h"
#include "verses/verse_list.h"

namespace sovelin {

namespace {

// Opens the dialog at the folder of the current choice (or the folder itself), when it exists.
void StartAt(IFileOpenDialog& dialog, Backdrop kind, const std::string& current) {
  if (current.empty()) return;
  std::filesystem::path folder = PathFromUtf8(current);
  if (kind == Backdrop::kPicture) folder = folder.parent_path();
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return;
  ComPtr<IShellItem> item;
  if (SUCCEEDED(SHCreateItemFromParsingName(folder.c_str(), nullptr, IID_IShellItem,
                                            reinterpret_cast<void**>(item.out())))) {
    dialog.SetFolder(item.get());
  }
}

// True when one of the system's decoders opens the file and finds a frame in it.
bool Decodes(IWICImagingFactory& factory, const std::filesystem::path& file) {
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  return SUCCEEDED(factory.CreateDecoderFromFilename(
             file.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.out())) &&
         SUCCEEDED(decoder->GetFrame(0, frame.out()));
}

}  // namespace

std::optional<std::string> Win32PathPicker::PickPath(Backdrop kind, const std::string& current) {
  ComApartment apartment;
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IFileOpenDialog, reinterpret_cast<void**>(dialog.out())))) {
    return std::nullopt;
  }
  const bool folder = kind == Backdrop::kFolder;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  options |=
      FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | (folder ? FOS_PICKFOLDERS : FOS_FILEMUSTEXIST);
  dialog->SetOptions(options);
  const std::wstring pictures = TrW("Pictures");
  const std::wstring everything = TrW("All files");
  const COMDLG_FILTERSPEC filters[] = {
      {pictures.c_str(),
       L"*.jpg;*.jpeg;*.jpe;*.png;*.bmp;*.dib;*.gif;*.tif;*.tiff;*.jxr;"
       L"*.wdp;*.ico;*.heic;*.heif;*.webp;*.avif"},
      {everything.c_str(), L"*.*"}};
  if (!folder) dialog->SetFileTypes(2, filters);
  StartAt(*dialog.get(), kind, current);
  ComPtr<IShellItem> result;
  if (FAILED(dialog->Show(owner_)) || FAILED(dialog->GetResult(result.out()))) {
    return std::nullopt;
  }
  wchar_t* path = nullptr;
  if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return std::nullopt;
  std::string chosen = Utf8Text(path);
  CoTaskMemFree(path);
  return chosen;
}

BackdropProblem Win32BackdropProbe::Check(Backdrop kind, const std::string& path) {
  const std::filesystem::path place = PathFromUtf8(path);
  std::error_code error;
  const bool folder = kind == Backdrop::kFolder;
  if (folder ? !std::filesystem::is_directory(place, error)
             : !std::filesystem::is_regular_file(place, error)) {
    return BackdropProblem::kMissing;
  }
  ComApartment apartment;
  ComPtr<IWICImagingFactory> factory;
  if (!CreateImagingFactory(factory)) {
    return folder ? BackdropProblem::kEmptyFolder : BackdropProblem::kUnreadable;
  }
  if (!folder)
    return Decodes(*factory.get(), place) ? BackdropProblem::kNone : BackdropProblem::kUnreadable;
  for (const std::filesystem::path& picture : PicturesInFolder(place)) {
    if (Decodes(*factory.get(), picture)) return BackdropProblem::kNone;
  }
  return BackdropProblem::kEmptyFolder;
}

}  // namespace sovelin
