// The drive map and the resolution of Windows paths to host files.
#include "win/windows_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <vector>

#include "util/text_case.h"
#include "win/watched_cache.h"
#include "zrx/win_types.h"
#include "zrxhost/drive_map.h"

namespace zrxhost {
namespace {

std::array<std::string, 26>& drives()
{
    static std::array<std::string, 26> map;
    return map;
}

std::string& currentFolder()
{
    static std::string folder = "C:\\";
    return folder;
}

uint64_t g_driveMapGeneration = 1;

// Resolved paths by the path as given (with the current folder when the path depends on
// it), kept while no folder along the way changes; the drive map starts them over.
watch::WatchedCache<ResolvedPathPtr>& resolvedPaths()
{
    static watch::WatchedCache<ResolvedPathPtr> kept(4096);
    return kept;
}

void driveMapChanged()
{
    ++g_driveMapGeneration;
    resolvedPaths().clear();
}

int driveIndex(char letter)
{
    if (letter >= 'a' && letter <= 'z') return letter - 'a';
    if (letter >= 'A' && letter <= 'Z') return letter - 'A';
    return -1;
}

bool hasDrive(std::string_view p) { return p.size() >= 2 && p[1] == ':' && driveIndex(p[0]) >= 0; }

bool exists(const std::string& hostFile)
{
    struct stat st {};
    return ::lstat(hostFile.c_str(), &st) == 0;
}

// The entry of a host folder that a Windows name stands for: the exact name when it is
// there, otherwise the first entry, in byte order, equal to it without regard to case.
std::optional<std::string> matchEntry(const std::string& folder, const std::string& name)
{
    if (exists(folder + "/" + name)) return name;
    // Upper case sorts first in byte order: when that spelling is there it is the answer,
    // found without reading the folder (Windows installations spell folders "MST").
    if (std::string upper = upperAscii(name); upper != name && exists(folder + "/" + upper)) return upper;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return std::nullopt;
    std::vector<std::string> found;
    while (dirent* e = ::readdir(dir)) {
        if (equalsNoCase(e->d_name, name)) found.emplace_back(e->d_name);
    }
    ::closedir(dir);
    if (found.empty()) return std::nullopt;
    return *std::min_element(found.begin(), found.end());
}

// Windows drops trailing dots and blanks from each component.
std::string trimComponent(std::string_view c)
{
    if (c == "." || c == "..") return std::string(c);
    size_t end = c.find_last_not_of(". ");
    return std::string(c.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

}  // namespace

void setDrive(char letter, const std::string& folder)
{
    int i = driveIndex(letter);
    if (i < 0) return;
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    drives()[static_cast<size_t>(i)] = f;
    driveMapChanged();
}

void clearDrives()
{
    for (auto& d : drives()) d.clear();
    driveMapChanged();
}

uint64_t driveMapGeneration() { return g_driveMapGeneration; }

std::optional<std::string> driveFolder(char letter)
{
    int i = driveIndex(letter);
    if (i < 0 || drives()[static_cast<size_t>(i)].empty()) return std::nullopt;
    return drives()[static_cast<size_t>(i)];
}

std::string currentWindowsFolder() { return currentFolder(); }

void setCurrentWindowsFolder(std::string folder) { currentFolder() = std::move(folder); }

ResolvedPathPtr resolveWindowsPath(std::string_view path)
{
    watch::FreshScope fresh;
    // A path from the root of a drive names the same file whatever the current folder: as
    // given with backslashes, it is its own key.
    const bool fromRoot = hasDrive(path) && path.size() > 2 && path[2] == '\\';
    if (fromRoot && path.find('/') == std::string_view::npos) {
        if (const ResolvedPathPtr* kept = resolvedPaths().find(path)) return *kept;
    }
    std::string p(path);
    std::replace(p.begin(), p.end(), '/', '\\');
    std::string key = p;
    if (!(hasDrive(p) && p.size() > 2 && p[2] == '\\')) key += "\n" + currentFolder();
    if (const ResolvedPathPtr* kept = resolvedPaths().find(key)) return *kept;
    if (p.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    // Network paths have no place on this machine.
    if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
        SetLastError(ERROR_BAD_NETPATH);
        return nullptr;
    }
    const std::string current = currentFolder();
    char drive = current.empty() ? 'C' : static_cast<char>(upperAscii(current.substr(0, 1))[0]);
    std::string rest;
    if (hasDrive(p)) {
        char given = upperAscii(p.substr(0, 1))[0];
        rest = p.substr(2);
        if (rest.empty() || rest[0] != '\\') {
            // "D:name" is relative to that drive's current folder; only the current drive
            // has one here, the others are at their root.
            rest = (given == drive ? current.substr(2) + "\\" : std::string("\\")) + rest;
        }
        drive = given;
    } else if (p[0] == '\\') {
        rest = p;
    } else {
        rest = current.substr(2) + "\\" + p;
    }
    for (char c : rest) {
        if (c == '<' || c == '>' || c == '"' || c == '|' || c == '*' || c == '?' || c == ':' ||
            (static_cast<unsigned char>(c) < 0x20)) {
            SetLastError(ERROR_INVALID_NAME);
            return nullptr;
        }
    }

    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find('\\', start);
        if (end == std::string::npos) end = rest.size();
        std::string c = trimComponent(std::string_view(rest).substr(start, end - start));
        if (c == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!c.empty() && c != ".") {
            parts.push_back(std::move(c));
        }
        start = end + 1;
    }

    auto folder = driveFolder(drive);
    if (!folder) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return nullptr;
    }
    ResolvedPath out;
    out.windows = std::string(1, drive) + ":";
    out.host = *folder;
    // Each folder is watched before it is looked into, so that the answer can be kept.
    watch::Sources sources;
    if (sources.keepable()) sources.addFolder(*folder);
    if (!sources.keepable()) {
        // A path spelled as the files are needs one look-up instead of one per component.
        std::string exact = *folder;
        for (const auto& c : parts) exact += "/" + c;
        if (!parts.empty() && exists(exact)) {
            for (const auto& c : parts) out.windows += "\\" + c;
            out.host = exact;
            return std::make_shared<const ResolvedPath>(std::move(out));
        }
    }
    bool matching = true;
    for (const auto& c : parts) {
        out.windows += "\\" + c;
        std::optional<std::string> entry;
        if (matching) {
            sources.addEntry(out.host, c);
            entry = matchEntry(out.host, c);
        }
        if (!entry) matching = false;
        out.host += "/" + (entry ? *entry : c);
    }
    if (parts.empty()) out.windows += "\\";
    auto resolved = std::make_shared<const ResolvedPath>(std::move(out));
    resolvedPaths().keep(std::move(key), resolved, std::move(sources));
    return resolved;
}

std::optional<std::string> hostPath(std::string_view windowsPath)
{
    auto r = resolveWindowsPath(windowsPath);
    if (!r) return std::nullopt;
    return r->host;
}

std::optional<std::string> windowsPath(std::string_view hostPath)
{
    std::string h(hostPath);
    while (h.size() > 1 && h.back() == '/') h.pop_back();
    size_t best = 0;
    int bestDrive = -1;
    for (int i = 0; i < 26; ++i) {
        const std::string& f = drives()[static_cast<size_t>(i)];
        if (f.empty() || f.size() < best) continue;
        bool under = h == f || (h.size() > f.size() && h.compare(0, f.size(), f) == 0 &&
                                (h[f.size()] == '/' || f == "/"));
        if (under && (bestDrive < 0 || f.size() > best)) {
            best = f.size();
            bestDrive = i;
        }
    }
    if (bestDrive < 0) return std::nullopt;
    std::string tail = h.substr(best);
    while (!tail.empty() && tail[0] == '/') tail.erase(0, 1);
    std::replace(tail.begin(), tail.end(), '/', '\\');
    return std::string(1, static_cast<char>('A' + bestDrive)) + ":\\" + tail;
}

}  // namespace zrxhost
