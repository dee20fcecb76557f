#include "app/commands/file_support.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "docs/docs.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/session.h"

namespace zrxhost::app {
namespace {

namespace fs = std::filesystem;

struct Version {
    const char* keyword;
    const char* release;
    ZcDb::ZcDbDwgVersion value;
};
constexpr Version kVersions[] = {
    {"R12", "AutoCAD R12/LT2", ZcDb::kDHL_1009},     {"2000", "AutoCAD 2000", ZcDb::kDHL_1500},
    {"2004", "AutoCAD 2004", ZcDb::kDHL_1800},       {"2007", "AutoCAD 2007", ZcDb::kDHL_2100},
    {"2010", "AutoCAD 2010", ZcDb::kDHL_2400},       {"2013", "AutoCAD 2013", ZcDb::kDHL_2700},
    {"2018", "AutoCAD 2018", ZcDb::kDHL_3200},
};
constexpr const char* kVersionKeywords = "R12 2000 2004 2007 2010 2013 2018";

const Version& versionOf(ZcDb::ZcDbDwgVersion v)
{
    for (const Version& known : kVersions) {
        if (known.value == v) return known;
    }
    return kVersions[5];
}

std::string stringVar(const char* name)
{
    resbuf rb{};
    if (zcedGetVar(name, &rb) != RTNORM || rb.restype != RTSTR) return {};
    std::string s = rb.resval.rstring;
    std::free(rb.resval.rstring);
    return s;
}

}  // namespace

void fileError(const std::string& what)
{
    ed::write("\n" + what + "\n");
    if (inputMode() == InputMode::Script) raiseScriptError(what);
}

std::string hostFile(std::string answer, const char* extension)
{
    if (fs::path(answer).extension().empty()) answer += extension;
    bool windows = answer.find('\\') != std::string::npos || (answer.size() >= 2 && answer[1] == ':');
    if (windows) {
        if (std::optional<std::string> host = hostPath(answer)) return *host;
    }
    return answer;
}

std::string askFileName(const std::string& prompt, const std::string& fallback)
{
    char name[4096];
    std::string shown = "\n" + prompt + " <" + fallback + ">: ";
    int rc = zcedGetString(1, shown.c_str(), name, sizeof name);
    if (rc != RTNORM) return {};
    return name[0] == '\0' ? fallback : std::string(name);
}

std::string defaultName(const char* extension)
{
    std::string name = stringVar("DWGNAME");
    return stringVar("DWGPREFIX") + fs::path(name).replace_extension(extension).string();
}

bool askVersion(const char* prompt, ZcDb::ZcDbDwgVersion& version)
{
    zcedInitGet(0, kVersionKeywords);
    char kw[32];
    std::string shown = std::string("\n") + prompt + " [R12/2000/2004/2007/2010/2013/2018] <" +
                        versionOf(version).keyword + ">: ";
    int rc = zcedGetKword(shown.c_str(), kw, sizeof kw);
    if (rc == RTNONE) return true;
    if (rc != RTNORM) return false;
    for (const Version& known : kVersions) {
        if (std::strcmp(kw, known.keyword) == 0) version = known.value;
    }
    return true;
}

void reportLeftOut(ZcDb::ZcDbDwgVersion version)
{
    int count = 0;
    for (const LeftOutEntities& l : lastDrawingFileLeftOut()) count += l.count;
    if (count == 0) return;
    ed::write("\n" + std::to_string(count) + (count == 1 ? " entity" : " entities") + " left out (" +
              versionOf(version).keyword + " cannot hold " + (count == 1 ? "it" : "them") + "): " + leftOutSummary());
}

void saveDocument(ZcApDocument* doc, const std::string& path, ZcDb::ZcDbDwgVersion version)
{
    if (doc->database()->saveAs(path.c_str(), false, version) != Zcad::eOk) {
        fileError(lastDrawingFileError());
        return;
    }
    reportLeftOut(version);
    doc->impl()->title = fs::path(path).filename().string();
    doc->impl()->saveVersion = version;
}

bool mayReplace(const std::string& path)
{
    if (!fs::exists(path)) return true;
    ed::write("\nA drawing with this name already exists.");
    zcedInitGet(0, "Yes No");
    char kw[8];
    return zcedGetKword("\nDo you want to replace it? [Yes/No] <N>: ", kw, sizeof kw) == RTNORM &&
           std::strcmp(kw, "Yes") == 0;
}

const char* releaseName(ZcDb::ZcDbDwgVersion version) { return versionOf(version).release; }

}  // namespace zrxhost::app
