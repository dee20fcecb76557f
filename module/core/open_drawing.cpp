#include "core/open_drawing.h"

#include <memory>

namespace {

// The full name the host finds the file under, so that two spellings of one file (a
// Windows path and the folder it is mapped to, or different case) compare equal.
CString fullName(const char* path)
{
    if (path == nullptr || *path == '\0') return CString();
    char found[1024] = "";
    if (zcedFindFile(path, found, sizeof found) == RTNORM) return CString(found);
    return CString(path);
}

bool sameFile(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr || *a == '\0' || *b == '\0') return false;
    return CString(a).CompareNoCase(b) == 0 || fullName(a).CompareNoCase(fullName(b)) == 0;
}

ZcApDocument* documentOf(const char* path)
{
    std::unique_ptr<ZcApDocumentIterator> pIter(zcDocManager->newZcApDocumentIterator());
    for (; pIter && !pIter->done(); pIter->step()) {
        ZcApDocument* pDoc = pIter->document();
        if (pDoc != nullptr && sameFile(pDoc->fileName(), path)) return pDoc;
    }
    return nullptr;
}

int openDrawing(const char* path, ZcDbDatabase*& pDb)
{
    if (path == nullptr || *path == '\0') return 0;
    if (ZcApDocument* pDoc = documentOf(path)) {
        // The drawing stays its document's; the lock keeps it from changing under us.
        if (zcDocManager->lockDocument(pDoc, ZcAp::kRead) != Zcad::eOk) return 0;
        pDb = pDoc->database();
        return 1;
    }
    char found[1024] = "";
    if (zcedFindFile(path, found, sizeof found) != RTNORM) return 0;
    auto pSide = std::make_unique<ZcDbDatabase>(false, true);
    if (pSide->readDwgFile(found) != Zcad::eOk) return 0;
    pDb = pSide.release();
    return 1;
}

}  // namespace

int TrevanComARX_CheckOpenDwg(const char* path, ZcApDocument*& pDoc)
{
    ZcApDocument* pFound = documentOf(path);
    if (pFound == nullptr) return 0;
    pDoc = pFound;
    return 1;
}

int TrevanComARX_CheckOpenDwg(const char* path, ZcDbDatabase*& pDb)
{
    ZcApDocument* pDoc = nullptr;
    if (TrevanComARX_CheckOpenDwg(path, pDoc) == 0) return 0;
    pDb = pDoc->database();
    return 1;
}

bool TrevanComARX_CheckOpenDwg(ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return false;
    if (zcDocManager->document(pDb) != nullptr) return true;
    const char* fileName = "";
    if (pDb->getFilename(fileName) != Zcad::eOk) return false;
    return documentOf(fileName) != nullptr;
}

int TrevanComARX_OpenDwg(const char* path, ZcDbDatabase*& pDb) { return openDrawing(path, pDb); }

int TrevanComARX_ReadOnlyOpenDwg(const char* path, ZcDbDatabase*& pDb) { return openDrawing(path, pDb); }

int TrevanComARX_FreeDwg(ZcDbDatabase*& pDb)
{
    if (pDb == nullptr) return 1;
    // Only the database itself tells whether it is a document's: a side copy of a file
    // that is also open in the editor is still ours to delete.
    if (ZcApDocument* pDoc = zcDocManager->document(pDb)) {
        zcDocManager->unlockDocument(pDoc);
        return 1;
    }
    delete pDb;
    pDb = nullptr;
    return 1;
}
