// CLOSE: the current drawing closed.
#include "app/commands/commands.h"
#include "docs/docs.h"
#include "editor/editor.h"

namespace zrxhost::app {

void closeCommand()
{
    ZcApDocument* doc = zcDocManager->curDocument();
    if (doc == nullptr) {
        ed::write("\nNo drawing is open.\n");
        return;
    }
    // The command's own lock goes with the document.
    while (docs::lockCount(doc) > 0) zcDocManager->unlockDocument(doc);
    zcDocManager->closeDocument(doc);
}

}  // namespace zrxhost::app
