// Windows paths resolved to host files; shared by every file service of the host.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrxhost {

struct ResolvedPath {
    std::string windows;  // absolute and normalised: "C:\DIR\name"
    std::string host;     // the host file, components matched without regard to case
};

// Resolves a Windows path; on failure nothing, with the Windows error code set for
// GetLastError.
std::optional<ResolvedPath> resolveWindowsPath(std::string_view path);

// The process's current folder in Windows form ("C:\" until set).
std::string currentWindowsFolder();
void setCurrentWindowsFolder(std::string folder);

}  // namespace zrxhost
