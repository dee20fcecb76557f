// Finding support files: as given, next to the drawing, then in the support folders.
#include <cstring>
#include <filesystem>

#include "editor/editor.h"
#include "zrx/ed_files.h"
#include "zrxhost/session.h"

namespace zrxhost {
namespace {
std::vector<std::string>& folders()
{
    static std::vector<std::string> f;
    return f;
}
}  // namespace

void setSupportFolders(std::vector<std::string> f) { folders() = std::move(f); }
const std::vector<std::string>& supportFolders() { return folders(); }

}  // namespace zrxhost

int zcedFindFile(const char* fname, char* result, size_t bufLen)
{
    namespace fs = std::filesystem;
    if (fname == nullptr || *fname == '\0' || result == nullptr) return RTERROR;
    std::vector<fs::path> candidates{fs::path(fname)};
    fs::path name(fname);
    if (name.is_relative()) {
        const char* drawing = "";
        if (ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase()) db->getFilename(drawing);
        if (*drawing != '\0') candidates.push_back(fs::path(drawing).parent_path() / name);
        for (const std::string& folder : zrxhost::supportFolders()) candidates.push_back(fs::path(folder) / name);
    }
    for (const fs::path& c : candidates) {
        std::error_code ec;
        if (!fs::is_regular_file(c, ec)) continue;
        std::string full = fs::absolute(c, ec).lexically_normal().string();
        if (full.size() + 1 > bufLen) return RTERROR;
        std::memcpy(result, full.c_str(), full.size() + 1);
        return RTNORM;
    }
    return RTERROR;
}

int zcedFindFile(const char* fname, char* result) { return zcedFindFile(fname, result, 512); }
