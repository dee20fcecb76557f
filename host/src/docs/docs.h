// The documents' inside, for the command loop and the application frame.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zrx/ed_docs.h"

namespace zrxhost {

class DocumentState {
public:
    DocumentState(std::unique_ptr<ZcDbDatabase> db, std::string title);
    ~DocumentState();

    ZcApDocument* facade() const { return m_facade.get(); }

    std::unique_ptr<ZcDbDatabase> database;
    std::string title;
    std::vector<ZcAp::DocLockMode> locks;
    std::vector<std::string> queuedInput;
    // What Enter at this drawing's command prompt repeats.
    std::string lastCommand;
    bool commandActive = false;
    // The format SAVEAS last chose; QSAVE keeps to it.
    ZcDb::ZcDbDwgVersion saveVersion = ZcDb::kDHL_CURRENT;
    // False while the drawing's file does not hold it in the host's own format (it was read
    // from a DWG, or last written in an older version): CLOSE then asks to save.
    bool fileInOwnFormat = true;
    // A drawing a script opened that could not be read: it stands for the file, empty, so
    // that the script's next lines act on it; it is never written.
    bool unreadable = false;
    ZcTransactionManager transactions;
    // What fileName() last gave, kept for the pointer it handed out.
    mutable std::string shownFileName;

private:
    std::unique_ptr<ZcApDocument> m_facade;
};

}  // namespace zrxhost

namespace zrxhost::docs {

ZcApDocument* current();
// Runs fn with each open document current in turn, then makes the first current again.
void inEachDocument(const std::function<void()>& fn);
int lockCount(const ZcApDocument* doc);
// The input queued for the current document by sendStringToExecute, taken out.
std::vector<std::string> takeQueuedInput();
void setCommandActive(ZcApDocument* doc, bool active);
// A new default document, made current; the first one is "Drawing1.dwg".
ZcApDocument* newDefaultDocument();
void closeAllDocuments();

}  // namespace zrxhost::docs
