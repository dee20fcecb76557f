// DOCUMENTS (the host's own, no platform command): the open drawings, one line each with
// its number, title, file and locks, the current one marked; then one of them, by number
// or title, becomes current. Its queued input runs at its next command prompt.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/commands/commands.h"
#include "app/commands/file_support.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "util/text_case.h"
#include "zrx/ed_input.h"

namespace zrxhost::app {
namespace {

const char* modeName(ZcAp::DocLockMode mode)
{
    switch (mode) {
    case ZcAp::kAutoWrite: return "AutoWrite";
    case ZcAp::kWrite: return "Write";
    case ZcAp::kProtectedAutoWrite: return "ProtectedAutoWrite";
    case ZcAp::kRead: return "Read";
    case ZcAp::kXWrite: return "XWrite";
    default: return "none";
    }
}

std::string describe(int number, ZcApDocument* doc)
{
    std::string file = doc->fileName();
    int locks = docs::lockCount(doc);
    std::string line = std::string(doc == curDoc() ? "* " : "  ") + std::to_string(number) + "  " + doc->docTitle();
    line += "  file: " + (file.empty() ? std::string("(not saved)") : file);
    line += "  locks: " + (locks == 0 ? std::string("none") : std::to_string(locks) + " (" + modeName(doc->lockMode()) + ")");
    return line;
}

}  // namespace

void documentsCommand()
{
    std::vector<ZcApDocument*> all;
    std::unique_ptr<ZcApDocumentIterator> it(zcDocManager->newZcApDocumentIterator());
    for (; !it->done(); it->step()) all.push_back(it->document());
    if (all.empty()) {
        ed::write("\nNo drawing is open.\n");
        return;
    }
    int current = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == curDoc()) current = static_cast<int>(i) + 1;
        ed::write("\n" + describe(static_cast<int>(i) + 1, all[i]));
    }
    char answer[512];
    std::string prompt = "\nDocument to make current (number or title) <" + std::to_string(current) + ">: ";
    int rc = zcedGetString(1, prompt.c_str(), answer, sizeof answer);
    if (rc != RTNORM || answer[0] == '\0') return;
    ZcApDocument* chosen = nullptr;
    char* end = nullptr;
    long number = std::strtol(answer, &end, 10);
    if (end != answer && *end == '\0') {
        if (number >= 1 && number <= static_cast<long>(all.size())) chosen = all[static_cast<size_t>(number - 1)];
    } else {
        for (ZcApDocument* doc : all) {
            if (equalsNoCase(doc->docTitle(), answer)) chosen = doc;
        }
    }
    if (chosen == nullptr) {
        fileError(std::string("No open drawing is \"") + answer + "\".");
        return;
    }
    zcDocManager->activateDocument(chosen);
}

}  // namespace zrxhost::app
