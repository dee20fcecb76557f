// OPEN: a drawing file opened as a new document.
#include <string>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "zrxhost/drawing_file.h"

namespace zrxhost::app {

void openCommand()
{
    std::string answer = askFileName("Enter name of drawing to open", defaultName(".dwg"));
    if (answer.empty()) return;
    std::string path = hostFile(answer, ".dwg");
    if (zcDocManager->appContextOpenDocument(path.c_str()) != Zcad::eOk) fileError(lastDrawingFileError());
}

}  // namespace zrxhost::app
