#pragma once

#include <wincodec.h>

#include <filesystem>
#include <vector>

#include "common/handles_win32.h"

namespace sovelin {

// The system's Windows Imaging Component factory, on a thread whose COM is initialised.
bool CreateImagingFactory(ComPtr<IWICImagingFactory>& factory);

// The files in `folder` whose extension one of the system's picture decoders claims, by name;
// the saver's backdrop and the settings dialog's check of a folder take the same pictures.
std::vector<std::filesystem::path> PicturesInFolder(const std::filesystem::path& folder);

}  // namespace sovelin
