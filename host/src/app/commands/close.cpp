// CLOSE: the current drawing closed; one its file does not hold as the host writes
// drawings (read from a DWG, last written in an older version) is offered a save first.
#include <cstring>
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "db/access.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "zrx/ed_input.h"

namespace zrxhost::app {

void closeCommand()
{
    ZcApDocument* doc = zcDocManager->curDocument();
    if (doc == nullptr) {
        ed::write("\nNo drawing is open.\n");
        return;
    }
    zrxhost::DocumentState* state = zrxhost::stateOf(doc);
    if (!state->fileInOwnFormat) {
        zcedInitGet(0, "Yes No");
        char kw[8] = "Yes";
        std::string prompt = "\nSave changes to " + state->title + "? [Yes/No] <Yes>: ";
        int rc = zcedGetKword(prompt.c_str(), kw, sizeof kw);
        if (rc != RTNORM && rc != RTNONE) return;
        if (rc == RTNONE) std::strcpy(kw, "Yes");
        if (std::strcmp(kw, "Yes") == 0) {
            const char* name = "";
            doc->database()->getFilename(name);
            saveDocument(doc, name, state->saveVersion);
        }
    }
    // The command's own lock goes with the document.
    while (docs::lockCount(doc) > 0) zcDocManager->unlockDocument(doc);
    zcDocManager->closeDocument(doc);
}

}  // namespace zrxhost::app
