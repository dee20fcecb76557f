// Drawings are converted one by one in name order; one that fails is named with its reason
// and the batch goes on, so a damaged file costs only itself.
#include "convert.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include "zrx.h"
#include "zrxhost/drawing_file.h"

namespace fs = std::filesystem;

namespace {

// The version names of DXFOUT, and the bare years.
bool versionNamed(std::string name, ZcDb::ZcDbDwgVersion& version)
{
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::pair<const char*, ZcDb::ZcDbDwgVersion> known[] = {
        {"R12", ZcDb::kDHL_1009},   {"R2000", ZcDb::kDHL_1015}, {"R2004", ZcDb::kDHL_1800}, {"R2007", ZcDb::kDHL_2100},
        {"R2010", ZcDb::kDHL_2400}, {"R2013", ZcDb::kDHL_2700}, {"R2018", ZcDb::kDHL_3200},
    };
    for (const auto& [keyword, value] : known) {
        if (name == keyword || "R" + name == keyword) {
            version = value;
            return true;
        }
    }
    return false;
}

bool isDwgName(const fs::path& p)
{
    std::string ext = p.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".dwg";
}

int modelSpaceCount(ZcDbDatabase* db)
{
    ZcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, ZcDb::kForRead) != Zcad::eOk) return 0;
    ZcDbBlockTableRecord* ms = nullptr;
    Zcad::ErrorStatus es = table->getAt(ZCDB_MODEL_SPACE, ms, ZcDb::kForRead);
    table->close();
    if (es != Zcad::eOk) return 0;
    int n = 0;
    ZcDbBlockTableRecordIterator* it = nullptr;
    if (ms->newIterator(it) == Zcad::eOk) {
        for (; !it->done(); it->step()) ++n;
        delete it;
    }
    ms->close();
    return n;
}

}  // namespace

int convertFolder(const std::string& source, const std::string& target, const std::string& versionName)
{
    ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT;
    if (!versionName.empty() && !versionNamed(versionName, version)) {
        std::fprintf(stderr, "trevan: unknown version %s (R12, R2000, R2004, R2007, R2010, R2013, R2018)\n",
                     versionName.c_str());
        return 2;
    }
    std::error_code ec;
    if (!fs::is_directory(source, ec)) {
        std::fprintf(stderr, "trevan: %s is no folder\n", source.c_str());
        return 2;
    }
    fs::create_directories(target, ec);
    if (!fs::is_directory(target, ec)) {
        std::fprintf(stderr, "trevan: cannot make the folder %s\n", target.c_str());
        return 2;
    }
    std::vector<fs::path> drawings;
    for (const fs::directory_entry& e : fs::directory_iterator(source, ec)) {
        if (e.is_regular_file(ec) && isDwgName(e.path())) drawings.push_back(e.path());
    }
    std::sort(drawings.begin(), drawings.end());
    if (drawings.empty()) {
        std::fprintf(stderr, "trevan: no DWG drawing in %s\n", source.c_str());
        return 2;
    }

    std::vector<std::pair<std::string, std::string>> failed;
    size_t done = 0;
    for (size_t i = 0; i < drawings.size(); ++i) {
        const fs::path& dwg = drawings[i];
        const fs::path dxf = fs::path(target) / dwg.filename().replace_extension(".dxf");
        std::printf("[%zu/%zu] %s -> %s: ", i + 1, drawings.size(), dwg.filename().c_str(), dxf.c_str());
        std::fflush(stdout);
        ZcDbDatabase db(false, true);
        std::string reason;
        if (db.readDwgFile(dwg.c_str()) != Zcad::eOk) {
            reason = zrxhost::lastDrawingFileError();
        } else if (db.dxfOut(dxf.c_str(), 16, version) != Zcad::eOk) {
            reason = zrxhost::lastDrawingFileError();
        }
        if (!reason.empty()) {
            std::printf("failed: %s\n", reason.c_str());
            failed.emplace_back(dwg.filename().string(), reason);
            continue;
        }
        ++done;
        const int n = modelSpaceCount(&db);
        std::printf("converted, %d %s", n, n == 1 ? "entity" : "entities");
        std::string left = zrxhost::leftOutSummary();
        if (!left.empty()) std::printf(" (left out, the version cannot hold them: %s)", left.c_str());
        std::printf("\n");
    }
    std::printf("%zu converted, %zu failed\n", done, failed.size());
    for (const auto& [name, why] : failed) std::printf("  %s: %s\n", name.c_str(), why.c_str());
    return failed.empty() ? 0 : 1;
}
