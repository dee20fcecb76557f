// The drawing-file commands: OPEN, SAVEAS, QSAVE and DXFOUT, asked as the platform asks
// them on the command line. A file that cannot be read or written leaves the documents as
// they were; the reason is the reading or writing error's one line.
#include <cstring>
#include <filesystem>

#include "app/app.h"
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
    {"R12", "12", ZcDb::kDHL_1009},       {"R2000", "2000", ZcDb::kDHL_1500}, {"R2004", "2004", ZcDb::kDHL_1800},
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

// What a failed read or write says, on the command line; in a script it stops the run.
void fileError(const std::string& what)
{
    ed::write("\n" + what + "\n");
    if (inputMode() == InputMode::Script) raiseScriptError(what);
}

std::string stringVar(const char* name)
{
    resbuf rb{};
    if (zcedGetVar(name, &rb) != RTNORM || rb.restype != RTSTR) return {};
    std::string s = rb.resval.rstring;
    std::free(rb.resval.rstring);
    return s;
}

// The host file an answer names: Windows paths through the drive map, with the extension
// the command gives a name that has none.
std::string hostFile(std::string answer, const char* extension)
{
    if (fs::path(answer).extension().empty()) answer += extension;
    bool windows = answer.find('\\') != std::string::npos || (answer.size() >= 2 && answer[1] == ':');
    if (windows) {
        if (std::optional<std::string> host = hostPath(answer)) return *host;
    }
    return answer;
}

// Asks for a file name with the given default; empty after Esc.
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

// A version keyword, or Enter for the default; false after Esc.
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

// Says which entities the file just written could not hold and were left out.
void reportLeftOut(ZcDb::ZcDbDwgVersion version)
{
    int count = 0;
    for (const LeftOutEntities& l : lastDrawingFileLeftOut()) count += l.count;
    if (count == 0) return;
    ed::write("\n" + std::to_string(count) + (count == 1 ? " entity" : " entities") + " left out (" +
              versionOf(version).keyword + " cannot hold " + (count == 1 ? "it" : "them") + "): " + leftOutSummary());
}

// Saves the document's drawing under a new name; the document takes that name.
void saveDocument(ZcApDocument* doc, const std::string& path, ZcDb::ZcDbDwgVersion version)
{
    if (doc->database()->saveAs(path.c_str(), false, version) != Zcad::eOk) {
        fileError(lastDrawingFileError());
        return;
    }
    reportLeftOut(version);
    zrxhost::stateOf(doc)->title = fs::path(path).filename().string();
    zrxhost::stateOf(doc)->saveVersion = version;
}

// A file that is there already is replaced only when the user says so.
bool mayReplace(const std::string& path)
{
    if (!fs::exists(path)) return true;
    ed::write("\nA drawing with this name already exists.");
    zcedInitGet(0, "Yes No");
    char kw[8];
    return zcedGetKword("\nDo you want to replace it? [Yes/No] <N>: ", kw, sizeof kw) == RTNORM &&
           std::strcmp(kw, "Yes") == 0;
}

void openCommand()
{
    std::string answer = askFileName("Enter name of drawing to open", defaultName(".dwg"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dwg");
    if (zcDocManager->appContextOpenDocument(path.c_str()) != Zcad::eOk) fileError(lastDrawingFileError());
}

void saveasCommand()
{
    ZcApDocument* doc = docs::current();
    if (doc == nullptr) return;
    ZcDb::ZcDbDwgVersion version = zrxhost::stateOf(doc)->saveVersion;
    ed::write(std::string("\nCurrent file format: DXF ") + versionOf(version).keyword);
    if (!askVersion("Enter file format", version)) return;
    std::string answer = askFileName("Save drawing as", defaultName(".dwg"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dwg");
    if (mayReplace(path)) saveDocument(doc, path, version);
}

void qsaveCommand()
{
    ZcApDocument* doc = docs::current();
    if (doc == nullptr) return;
    const char* name = "";
    doc->database()->getFilename(name);
    if (*name != '\0') {
        saveDocument(doc, name, zrxhost::stateOf(doc)->saveVersion);
        return;
    }
    // An unnamed drawing is saved as the platform's SAVEAS would, in the current format.
    std::string answer = askFileName("Save drawing as", defaultName(".dwg"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dwg");
    if (mayReplace(path)) saveDocument(doc, path, zrxhost::stateOf(doc)->saveVersion);
}

void dxfoutCommand()
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return;
    std::string answer = askFileName("Enter file name", defaultName(".dxf"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dxf");
    ZcDb::ZcDbDwgVersion version = ZcDb::kDHL_CURRENT;
    int precision = 16;
    for (;;) {
        zcedInitGet(RSG_NONEG, "Version");
        int rc = zcedGetInt("\nEnter decimal places of accuracy (0 to 16) or [Version] <16>: ", &precision);
        if (rc == RTKWORD) {
            if (!askVersion("Enter version to save", version)) return;
            continue;
        }
        if (rc == RTNONE) precision = 16;
        else if (rc != RTNORM) return;
        if (precision <= 16) break;
        if (!ed::reject("Requires an integer between 0 and 16.", std::to_string(precision))) return;
    }
    if (db->dxfOut(path.c_str(), precision, version) != Zcad::eOk) fileError(lastDrawingFileError());
    else reportLeftOut(version);
}

}  // namespace

std::vector<BuiltinCommand> fileCommands()
{
    return {BuiltinCommand{"OPEN", openCommand}, BuiltinCommand{"SAVEAS", saveasCommand},
            BuiltinCommand{"QSAVE", qsaveCommand}, BuiltinCommand{"DXFOUT", dxfoutCommand}};
}

}  // namespace zrxhost::app
