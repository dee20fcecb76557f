// Finding support files: as given, next to the drawing, then in the support folders. As on
// the platform, zcedFindFile finds folders too (a plug-in tests a folder's presence with
// it); the host's own look-ups for drawings and templates want files only. A
// Windows path the module names ("C:\Trevan\STD\stiff.ent", "STD\stiff.ent") is looked up
// through the drive map and answered in the Windows form, so the module can go on
// building Windows paths from it.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

#include "editor/editor.h"
#include "zrx/ed_files.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/session.h"

namespace fs = std::filesystem;

namespace zrxhost {
namespace {
std::vector<std::string>& folders()
{
    static std::vector<std::string> f;
    return f;
}

bool isWindowsPath(const std::string& name)
{
    bool drive = name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
    return drive || name.find('\\') != std::string::npos;
}

bool isFile(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isFileOrFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec) || fs::is_directory(path, ec);
}

using Accept = bool (*)(const std::string&);

// The name under a host folder: through the drive map when the folder lies on a mapped
// drive, so every component matches without regard to case as on Windows.
std::optional<std::string> under(const std::string& folder, const std::string& name, Accept accept)
{
    if (std::optional<std::string> win = windowsPath(fs::absolute(folder).lexically_normal().string())) {
        std::string joined = *win;
        if (!joined.empty() && joined.back() != '\\') joined += '\\';
        std::string relative = name;
        std::replace(relative.begin(), relative.end(), '/', '\\');
        if (std::optional<std::string> host = hostPath(joined + relative); host && accept(*host)) return host;
    }
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::string plain = (fs::path(folder) / relative).string();
    if (accept(plain)) return plain;
    return std::nullopt;
}

std::optional<std::string> findEntry(const std::string& name, Accept accept)
{
    if (name.empty()) return std::nullopt;
    bool windows = isWindowsPath(name);
    bool rooted = windows ? (name.size() >= 2 && name[1] == ':') || name.front() == '\\' : fs::path(name).is_absolute();
    if (windows) {
        if (std::optional<std::string> host = hostPath(name); host && accept(*host)) return host;
    } else if (accept(name)) {
        return name;
    }
    if (rooted) return std::nullopt;
    const char* drawing = "";
    if (ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase()) db->getFilename(drawing);
    if (*drawing != '\0') {
        if (auto found = under(fs::path(drawing).parent_path().string(), name, accept)) return found;
    }
    for (const std::string& folder : folders()) {
        if (auto found = under(folder, name, accept)) return found;
    }
    return std::nullopt;
}

}  // namespace

void setSupportFolders(std::vector<std::string> f) { folders() = std::move(f); }
const std::vector<std::string>& supportFolders() { return folders(); }

std::optional<std::string> findHostFile(const std::string& name) { return findEntry(name, isFile); }

}  // namespace zrxhost

int zcedFindFile(const char* fname, char* result, size_t bufLen)
{
    if (fname == nullptr || *fname == '\0' || result == nullptr) return RTERROR;
    std::optional<std::string> found = zrxhost::findEntry(fname, zrxhost::isFileOrFolder);
    if (!found) return RTERROR;
    std::error_code ec;
    std::string full = fs::absolute(*found, ec).lexically_normal().string();
    if (zrxhost::isWindowsPath(fname)) {
        if (std::optional<std::string> win = zrxhost::windowsPath(full)) full = *win;
    }
    if (full.size() + 1 > bufLen) return RTERROR;
    std::memcpy(result, full.c_str(), full.size() + 1);
    return RTNORM;
}

int zcedFindFile(const char* fname, char* result) { return zcedFindFile(fname, result, 512); }
