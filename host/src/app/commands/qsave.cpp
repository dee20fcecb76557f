// QSAVE: the drawing saved under its name; an unnamed one is asked a name.
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "docs/docs.h"
#include "db/access.h"

namespace zrxhost::app {

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

}  // namespace zrxhost::app
