// SAVEAS: the drawing saved under a new name, in the format asked for.
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "db/access.h"

namespace zrxhost::app {

void saveasCommand()
{
    ZcApDocument* doc = docs::current();
    if (doc == nullptr) return;
    ZcDb::ZcDbDwgVersion version = zrxhost::stateOf(doc)->saveVersion;
    ed::write(std::string("\nCurrent file format: DXF ") + versionName(version));
    if (!askVersion("Enter file format", version)) return;
    std::string answer = askFileName("Save drawing as", defaultName(".dwg"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dwg");
    if (mayReplace(path)) saveDocument(doc, path, version);
}

}  // namespace zrxhost::app
