// OPEN: a drawing file opened as a new document.
#include <filesystem>
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "db/access.h"
#include "db/database_impl.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/session.h"

namespace zrxhost::app {
namespace {

// In a script, a drawing that is there but cannot be read is told and stands as an empty
// drawing that is never written: the script's next lines (an export, a close) act on it and
// not on another drawing, and the run goes on to the next drawing.
void standInFor(const std::string& path)
{
    if (zcDocManager->appContextNewDocument(nullptr) != Zcad::eOk) return;
    ZcApDocument* doc = docs::current();
    zrxhost::DocumentState* state = zrxhost::stateOf(doc);
    state->title = std::filesystem::path(path).filename().string();
    state->unreadable = true;
    state->fileInOwnFormat = false;
    zrxhost::stateOf(doc->database())->filename = path;
}

}  // namespace

void openCommand()
{
    std::string answer = askFileName("Enter name of drawing to open", defaultName(".dwg"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dwg");
    if (zcDocManager->appContextOpenDocument(path.c_str()) != Zcad::eOk) {
        std::string why = lastDrawingFileError();
        // A missing file is a fault of the script itself; that stops it.
        if (inputMode() != InputMode::Script || !std::filesystem::exists(path)) {
            fileError(why);
            return;
        }
        ed::write("\n" + why + "\n");
        standInFor(path);
        return;
    }
    // A DWG's content came through the DWG reader: its file does not hold it as the host
    // writes drawings.
    if (isDwgFile(path)) zrxhost::stateOf(docs::current())->fileInOwnFormat = false;
}

}  // namespace zrxhost::app
