// Documents: each open drawing with its database, its lock and its queue of input.
#pragma once

#include "db_database.h"
#include "rx_app.h"

namespace ZcAp {
enum DocLockMode {
    kNone = 0x00,
    kAutoWrite = 0x01,
    kNotLocked = 0x02,
    kWrite = 0x04,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40,
};
}

// Graphics flushing of the document's transactions: with no screen, a flush has nothing
// to show, but a plug-in may ask for it at any time.
class ZRX_API ZcTransactionManager : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcTransactionManager);
    Zcad::ErrorStatus queueForGraphicsFlush();
    Zcad::ErrorStatus flushGraphics();
    Zcad::ErrorStatus enableGraphicsFlush(bool enable);
};

namespace zrxhost {
class DocumentState;
struct Access;
}  // namespace zrxhost

class ZRX_API ZcApDocument : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcApDocument);
    ~ZcApDocument() override;
    ZcApDocument(const ZcApDocument&) = delete;
    ZcApDocument& operator=(const ZcApDocument&) = delete;

    ZcDbDatabase* database() const;
    // The drawing's full path ("" until it is saved or when it was made new); a file on a
    // mapped drive in its Windows form.
    const char* fileName() const;
    // "Drawing1.dwg" for a new drawing; the file's name otherwise.
    const char* docTitle() const;
    // The strongest lock held (kNotLocked when none).
    ZcAp::DocLockMode lockMode(bool includeMyLocks = false) const;
    ZcAp::DocLockMode myLockMode() const;
    // No command running in it.
    bool isQuiescent() const;
    bool isReadOnly() const;
    ZcTransactionManager* transactionManager() const;

private:
    friend class zrxhost::DocumentState;
    friend struct zrxhost::Access;
    explicit ZcApDocument(zrxhost::DocumentState* state);
    zrxhost::DocumentState* m_impl;
};

class ZRX_API ZcApDocumentIterator {
public:
    virtual ~ZcApDocumentIterator() = default;
    virtual bool done() const = 0;
    virtual void step() = 0;
    virtual ZcApDocument* document() = 0;
};

class ZRX_API ZcApDocManager : public ZcRxObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcApDocManager);

    virtual ZcApDocument* curDocument() const = 0;
    virtual ZcApDocument* mdiActiveDocument() const = 0;
    virtual int documentCount() const = 0;
    // The caller deletes the iterator.
    virtual ZcApDocumentIterator* newZcApDocumentIterator() = 0;
    virtual ZcApDocument* document(const ZcDbDatabase* db) const = 0;

    // Locks are counted: each lockDocument is undone by one unlockDocument. A write lock is
    // refused (eLockViolation) while another lock mode excludes it.
    virtual Zcad::ErrorStatus lockDocument(ZcApDocument* doc, ZcAp::DocLockMode mode = ZcAp::kWrite,
                                           const char* globalCmdName = nullptr, const char* localCmdName = nullptr,
                                           bool prompt = true) = 0;
    virtual Zcad::ErrorStatus unlockDocument(ZcApDocument* doc) = 0;
    // Makes the document current; its database becomes the working database.
    virtual Zcad::ErrorStatus setCurDocument(ZcApDocument* doc, ZcAp::DocLockMode mode = ZcAp::kNone,
                                             bool activate = false) = 0;
    virtual Zcad::ErrorStatus activateDocument(ZcApDocument* doc, bool bPassScript = false) = 0;

    // Queues text as typed input for the document: it runs once the current command has
    // ended, at that document's command prompt, so text for a document that is not current
    // waits until it is current again. A space or a newline ends one answer, except inside
    // a LISP expression.
    virtual Zcad::ErrorStatus sendStringToExecute(ZcApDocument* doc, const char* text, bool activate = true,
                                                  bool wrapUpInactiveDoc = false, bool echoString = true) = 0;

    // A new document, current from then on. The template names a drawing file to start
    // from, found as zcedFindFile finds files (".dwt" may be left off); null, "" and the
    // platform's own acad.dwt / acadiso.dwt, when no such file is found, start from the
    // host's default drawing. The new drawing has no file name until it is saved.
    virtual Zcad::ErrorStatus appContextNewDocument(const char* templateName) = 0;
    // Opens a drawing file as a new document, current from then on. On failure no
    // document is made and the current one stays.
    virtual Zcad::ErrorStatus appContextOpenDocument(const char* fileName) = 0;
    // Closes the document: its modules are told (kUnloadDwgMsg), its database goes.
    virtual Zcad::ErrorStatus closeDocument(ZcApDocument* doc) = 0;
    virtual bool isApplicationContext() const = 0;

protected:
    ZcApDocManager() = default;
};

ZRX_API ZcApDocManager* zcDocManagerPtr();
#define zcDocManager zcDocManagerPtr()
#define curDoc() zcDocManager->curDocument()
#define ZC_TRANSACTION_MANAGER_OBJ "ZcTransactionManager"
#define zctrTransactionManager ZcTransactionManager::cast(zcrxSysRegistry()->at(ZC_TRANSACTION_MANAGER_OBJ))
