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
#include "db/access.h"

namespace zrxhost::app {
namespace {

namespace fs = std::filesystem;

// Versions by their DXF names; the bare years of older scripts are still taken.
struct Version {
    const char* keyword;
    const char* year;
    ZcDb::ZcDbDwgVersion value;
};
constexpr Version kVersions[] = {
    {"R12", "12", ZcDb::kDHL_1009},       {"R2000", "2000", ZcDb::kDHL_1015}, {"R2004", "2004", ZcDb::kDHL_1800},
    {"R2007", "2007", ZcDb::kDHL_2100},   {"R2010", "2010", ZcDb::kDHL_2400}, {"R2013", "2013", ZcDb::kDHL_2700},
    {"R2018", "2018", ZcDb::kDHL_3200},
};
constexpr const char* kVersionKeywords = "R12 R2000 R2004 R2007 R2010 R2013 R2018 2000 2004 2007 2010 2013 2018";

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
    std::string given = name;
    // A name between double quotes, as scripts write names with blanks, is the name inside.
    if (given.size() >= 2 && given.front() == '"' && given.back() == '"') given = given.substr(1, given.size() - 2);
    return given.empty() ? fallback : given;
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
    std::string shown = std::string("\n") + prompt + " [R12/R2000/R2004/R2007/R2010/R2013/R2018] <" +
                        versionOf(version).keyword + ">: ";
    int rc = zcedGetKword(shown.c_str(), kw, sizeof kw);
    if (rc == RTNONE) return true;
    if (rc != RTNORM) return false;
    for (const Version& known : kVersions) {
        if (std::strcmp(kw, known.keyword) == 0 || std::strcmp(kw, known.year) == 0) version = known.value;
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

bool isOwnFormat(ZcDb::ZcDbDwgVersion version)
{
    return version == ZcDb::kDHL_CURRENT;
}

bool refuseUnreadable(ZcApDocument* doc, const std::string& path)
{
    if (!zrxhost::stateOf(doc)->unreadable) return false;
    ed::write("\n" + zrxhost::stateOf(doc)->title + " could not be read; nothing is written to " + path + ".\n");
    return true;
}

void tookFile(ZcApDocument* doc, const std::string& path, ZcDb::ZcDbDwgVersion version)
{
    zrxhost::DocumentState* state = zrxhost::stateOf(doc);
    state->title = fs::path(path).filename().string();
    state->saveVersion = version;
    state->fileInOwnFormat = isOwnFormat(version);
}

void saveDocument(ZcApDocument* doc, const std::string& path, ZcDb::ZcDbDwgVersion version)
{
    if (refuseUnreadable(doc, path)) return;
    if (doc->database()->saveAs(path.c_str(), false, version) != Zcad::eOk) {
        fileError(lastDrawingFileError());
        return;
    }
    reportLeftOut(version);
    tookFile(doc, path, version);
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

const char* versionName(ZcDb::ZcDbDwgVersion version) { return versionOf(version).keyword; }

}  // namespace zrxhost::app
