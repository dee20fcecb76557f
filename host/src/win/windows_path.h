// Windows paths resolved to host files; shared by every file service of the host.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zrxhost {

struct ResolvedPath {
    std::string windows;  // absolute and normalised: "C:\DIR\name"
    std::string host;     // the host file, components matched without regard to case
};

// A resolved path, shared with the cache that keeps it.
using ResolvedPathPtr = std::shared_ptr<const ResolvedPath>;

// Resolves a Windows path; on failure null, with the Windows error code set for
// GetLastError. A resolved path is kept while no folder along its way changes.
ResolvedPathPtr resolveWindowsPath(std::string_view path);

// Counts changes of the drive map: what a Windows path names changes with it.
uint64_t driveMapGeneration();

// The process's current folder in Windows form ("C:\" until set).
std::string currentWindowsFolder();
void setCurrentWindowsFolder(std::string folder);

}  // namespace zrxhost
