// DXFOUT: the drawing written to a DXF file of the version and precision asked for.
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "db/access.h"
#include "db/database_impl.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"
#include "zrxhost/drawing_file.h"

namespace zrxhost::app {

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
    ZcApDocument* doc = docs::current();
    if (doc != nullptr && refuseUnreadable(doc, path)) return;
    if (db->dxfOut(path.c_str(), precision, version) != Zcad::eOk) {
        fileError(lastDrawingFileError());
        return;
    }
    reportLeftOut(version);
    // As the platform's DXFOUT does, the drawing now lives in the file written.
    if (doc != nullptr && doc->database() == db) {
        zrxhost::stateOf(db)->filename = path;
        tookFile(doc, path, version);
    }
}

}  // namespace zrxhost::app
