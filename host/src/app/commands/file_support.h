// What the drawing-file commands share: file formats, file names asked with a default, and
// errors, which in a script stop the run. A file that cannot be read or written leaves the
// documents as they were; the reason is the reading or writing error's one line.
#pragma once

#include <string>

#include "zrx/zrx_all.h"

namespace zrxhost::app {

// What a failed read or write says, on the command line; in a script it stops the run.
void fileError(const std::string& what);
// The host file an answer names: Windows paths through the drive map, with the extension
// the command gives a name that has none.
std::string hostFile(std::string answer, const char* extension);
// Asks for a file name with the given default; empty after Esc.
std::string askFileName(const std::string& prompt, const std::string& fallback);
// The drawing's name and folder with that extension.
std::string defaultName(const char* extension);
// A version keyword, or Enter for the default; false after Esc.
bool askVersion(const char* prompt, ZcDb::ZcDbDwgVersion& version);
// Says which entities the file just written could not hold and were left out.
void reportLeftOut(ZcDb::ZcDbDwgVersion version);
// Saves the document's drawing under a new name; the document takes that name.
void saveDocument(ZcApDocument* doc, const std::string& path, ZcDb::ZcDbDwgVersion version);
// A drawing a script could not open is never written: says so, and answers true.
bool refuseUnreadable(ZcApDocument* doc, const std::string& path);
// The document's drawing now lives in that file, written in that version.
void tookFile(ZcApDocument* doc, const std::string& path, ZcDb::ZcDbDwgVersion version);
// A file that is there already is replaced only when the user says so.
bool mayReplace(const std::string& path);
// A file format by its DXF name ("R2013").
const char* versionName(ZcDb::ZcDbDwgVersion version);

}  // namespace zrxhost::app
