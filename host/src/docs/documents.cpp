// The document manager: open documents, the current one, counted locks and queued input.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "app/app.h"
#include "db/write_guard.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "util/text_case.h"
#include "zrxhost/contract.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/session.h"
#include "db/database_impl.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcApDocument, ZcRxObject, "AcApDocument", "")
ZCRX_DEFINE_MEMBERS(ZcApDocManager, ZcRxObject, "AcApDocManager", "")
ZCRX_DEFINE_MEMBERS(ZcTransactionManager, ZcRxObject, "AcTransactionManager", "")

Zcad::ErrorStatus ZcTransactionManager::queueForGraphicsFlush() { return Zcad::eOk; }
Zcad::ErrorStatus ZcTransactionManager::flushGraphics() { return Zcad::eOk; }
Zcad::ErrorStatus ZcTransactionManager::enableGraphicsFlush(bool) { return Zcad::eOk; }

zrxhost::DocumentState::DocumentState(std::unique_ptr<ZcDbDatabase> db, std::string t)
    : database(std::move(db)), title(std::move(t)), m_facade(new ZcApDocument(this))
{
}

zrxhost::DocumentState::~DocumentState() = default;

ZcApDocument::ZcApDocument(zrxhost::DocumentState* impl) : m_impl(impl) {}
ZcApDocument::~ZcApDocument() = default;

ZcDbDatabase* ZcApDocument::database() const { return m_impl->database.get(); }

const char* ZcApDocument::fileName() const
{
    const char* name = "";
    m_impl->database->getFilename(name);
    // The platform names a document's file by its full path, a file on a mapped drive in its
    // Windows form, as DWGPREFIX gives its folder.
    std::error_code ec;
    std::string full = *name != '\0' ? std::filesystem::absolute(name, ec).lexically_normal().string() : std::string();
    std::optional<std::string> win = full.empty() ? std::nullopt : zrxhost::windowsPath(full);
    m_impl->shownFileName = win ? *win : ec ? std::string(name) : full;
    return m_impl->shownFileName.c_str();
}

const char* ZcApDocument::docTitle() const { return m_impl->title.c_str(); }

ZcAp::DocLockMode ZcApDocument::lockMode(bool /*includeMyLocks*/) const
{
    ZcAp::DocLockMode strongest = ZcAp::kNotLocked;
    auto rank = [](ZcAp::DocLockMode m) {
        switch (m) {
        case ZcAp::kXWrite: return 4;
        case ZcAp::kWrite:
        case ZcAp::kProtectedAutoWrite:
        case ZcAp::kAutoWrite: return 3;
        case ZcAp::kRead: return 2;
        default: return 1;
        }
    };
    for (ZcAp::DocLockMode m : m_impl->locks) {
        if (rank(m) > rank(strongest)) strongest = m;
    }
    return strongest;
}

ZcAp::DocLockMode ZcApDocument::myLockMode() const { return lockMode(true); }
bool ZcApDocument::isQuiescent() const { return !m_impl->commandActive; }
bool ZcApDocument::isReadOnly() const { return false; }
ZcTransactionManager* ZcApDocument::transactionManager() const { return &m_impl->transactions; }

namespace zrxhost::docs {
namespace {

class DocIterator : public ZcApDocumentIterator {
public:
    explicit DocIterator(std::vector<ZcApDocument*> docs) : m_docs(std::move(docs)) {}
    bool done() const override { return m_index >= m_docs.size(); }
    void step() override { ++m_index; }
    ZcApDocument* document() override { return done() ? nullptr : m_docs[m_index]; }

private:
    std::vector<ZcApDocument*> m_docs;
    size_t m_index = 0;
};

class DocManager;
DocManager& manager();

class DocManager : public ZcApDocManager {
public:
    DocManager() { setWriteOpenGuard(&DocManager::writeOpenAllowed); }

    ZcApDocument* curDocument() const override { return m_current; }
    ZcApDocument* mdiActiveDocument() const override { return m_current; }
    int documentCount() const override { return static_cast<int>(m_docs.size()); }

    ZcApDocumentIterator* newZcApDocumentIterator() override
    {
        std::vector<ZcApDocument*> all;
        for (const auto& d : m_docs) all.push_back(d->facade());
        return new DocIterator(std::move(all));
    }

    ZcApDocument* document(const ZcDbDatabase* db) const override
    {
        for (const auto& d : m_docs) {
            if (d->database.get() == db) return d->facade();
        }
        return nullptr;
    }

    Zcad::ErrorStatus lockDocument(ZcApDocument* doc, ZcAp::DocLockMode mode, const char*, const char*, bool) override
    {
        if (!isOpen(doc)) return Zcad::eNoDocument;
        if (mode == ZcAp::kNone || mode == ZcAp::kNotLocked) return Zcad::eInvalidInput;
        // An exclusive write lock excludes every other, and is excluded by any.
        auto& locks = zrxhost::stateOf(doc)->locks;
        bool exclusiveHeld = std::find(locks.begin(), locks.end(), ZcAp::kXWrite) != locks.end();
        if (exclusiveHeld || (mode == ZcAp::kXWrite && !locks.empty())) return Zcad::eLockViolation;
        locks.push_back(mode);
        return Zcad::eOk;
    }

    Zcad::ErrorStatus unlockDocument(ZcApDocument* doc) override
    {
        if (!isOpen(doc)) return Zcad::eNoDocument;
        auto& locks = zrxhost::stateOf(doc)->locks;
        if (locks.empty()) return Zcad::eInvalidContext;
        locks.pop_back();
        return Zcad::eOk;
    }

    Zcad::ErrorStatus setCurDocument(ZcApDocument* doc, ZcAp::DocLockMode mode, bool) override
    {
        if (!isOpen(doc)) return Zcad::eNoDocument;
        m_current = doc;
        zcdbHostApplicationServices()->setWorkingDatabase(doc->database());
        if (mode != ZcAp::kNone) return lockDocument(doc, mode, nullptr, nullptr, false);
        return Zcad::eOk;
    }

    Zcad::ErrorStatus activateDocument(ZcApDocument* doc, bool) override { return setCurDocument(doc, ZcAp::kNone, true); }

    Zcad::ErrorStatus sendStringToExecute(ZcApDocument* doc, const char* text, bool, bool, bool) override
    {
        if (!isOpen(doc) || text == nullptr) return Zcad::eInvalidInput;
        for (std::string& answer : splitTyped(text)) zrxhost::stateOf(doc)->queuedInput.push_back(std::move(answer));
        return Zcad::eOk;
    }

    Zcad::ErrorStatus appContextNewDocument(const char* templateName) override
    {
        std::string name = templateName != nullptr ? templateName : "";
        if (name.empty()) {
            newDocument(std::make_unique<ZcDbDatabase>(), "");
            return Zcad::eOk;
        }
        std::optional<std::string> found = findTemplate(name);
        if (!found) {
            // The platform's own default templates are what the host's default drawing is.
            if (!equalsNoCase(name, "acad.dwt") && !equalsNoCase(name, "acadiso.dwt")) return Zcad::eFileNotFound;
            newDocument(std::make_unique<ZcDbDatabase>(), "");
            return Zcad::eOk;
        }
        auto db = std::make_unique<ZcDbDatabase>(false, true);
        if (Zcad::ErrorStatus es = db->readDwgFile(found->c_str()); es != Zcad::eOk) return es;
        // A drawing started from a template is a new, unnamed drawing.
        zrxhost::stateOf(db.get())->filename.clear();
        newDocument(std::move(db), "");
        return Zcad::eOk;
    }

    Zcad::ErrorStatus appContextOpenDocument(const char* fileName) override
    {
        if (fileName == nullptr || *fileName == '\0') return Zcad::eInvalidInput;
        auto db = std::make_unique<ZcDbDatabase>(false, true);
        if (Zcad::ErrorStatus es = db->readDwgFile(fileName); es != Zcad::eOk) return es;
        // What the reader mended is told, as the platform's recovery tells it.
        for (const std::string& repair : lastDrawingFileRepairs()) ed::write("\n" + repair);
        newDocument(std::move(db), std::filesystem::path(fileName).filename().string());
        return Zcad::eOk;
    }

    Zcad::ErrorStatus closeDocument(ZcApDocument* doc) override
    {
        if (!isOpen(doc)) return Zcad::eNoDocument;
        if (zrxhost::stateOf(doc->database())->openCount() > 0) return Zcad::eInvalidOpenState;
        {
            // The modules hear of it while the document is still current.
            ZcApDocument* saved = m_current;
            setCurDocument(doc, ZcAp::kNone, false);
            app::sendToAllModules(ZcRx::kUnloadDwgMsg);
            m_current = saved;
        }
        auto it = std::find_if(m_docs.begin(), m_docs.end(), [doc](const auto& d) { return d->facade() == doc; });
        std::unique_ptr<zrxhost::DocumentState> closing = std::move(*it);
        m_docs.erase(it);
        if (m_current == doc || m_current == nullptr) {
            m_current = m_docs.empty() ? nullptr : m_docs.back()->facade();
        }
        zcdbHostApplicationServices()->setWorkingDatabase(m_current != nullptr ? m_current->database() : nullptr);
        return Zcad::eOk;
    }

    bool isApplicationContext() const override { return m_current == nullptr || m_current->isQuiescent(); }

    // An unnamed drawing is titled "DrawingN.dwg", counting every one made.
    ZcApDocument* newDocument(std::unique_ptr<ZcDbDatabase> db, std::string title)
    {
        if (title.empty()) title = "Drawing" + std::to_string(++m_made) + ".dwg";
        auto impl = std::make_unique<zrxhost::DocumentState>(std::move(db), std::move(title));
        ZcApDocument* doc = impl->facade();
        m_docs.push_back(std::move(impl));
        setCurDocument(doc, ZcAp::kNone, true);
        // The modules set the new drawing up (applications, layers) as part of opening it,
        // which happens under the document's lock.
        lockDocument(doc, ZcAp::kWrite, nullptr, nullptr, false);
        app::sendToAllModules(ZcRx::kLoadDwgMsg);
        if (isOpen(doc) && !zrxhost::stateOf(doc)->locks.empty()) unlockDocument(doc);
        return doc;
    }

    // A template by name: as given, then with ".dwt".
    static std::optional<std::string> findTemplate(const std::string& name)
    {
        if (auto found = findHostFile(name)) return found;
        return findHostFile(name + ".dwt");
    }

    bool isOpen(const ZcApDocument* doc) const
    {
        return doc != nullptr &&
               std::any_of(m_docs.begin(), m_docs.end(), [doc](const auto& d) { return d->facade() == doc; });
    }

    const std::vector<std::unique_ptr<zrxhost::DocumentState>>& docs() const { return m_docs; }

    void resetNumbering() { m_made = 0; }

    static Zcad::ErrorStatus writeOpenAllowed(const ZcDbDatabase* db);

private:
    // Typed input: a space or a newline ends an answer, except inside a LISP expression
    // or a string in it.
    static std::vector<std::string> splitTyped(const std::string& text)
    {
        std::vector<std::string> out;
        std::string current;
        int depth = 0;
        bool inString = false;
        bool pending = false;
        for (size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            if (inString) {
                current += c;
                if (c == '\\' && i + 1 < text.size()) current += text[++i];
                else if (c == '"') inString = false;
                continue;
            }
            if (depth > 0) {
                current += c;
                if (c == '"') inString = true;
                else if (c == '(') ++depth;
                else if (c == ')') --depth;
                continue;
            }
            if (c == ' ' || c == '\n' || c == '\r') {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
                out.push_back(current);
                current.clear();
                pending = false;
                continue;
            }
            if (c == '(') ++depth;
            current += c;
            pending = true;
        }
        // Text with no closing space or newline is typed but not yet entered.
        if (pending || depth > 0) out.push_back(current);
        return out;
    }

    std::vector<std::unique_ptr<zrxhost::DocumentState>> m_docs;
    ZcApDocument* m_current = nullptr;
    int m_made = 0;
};

// A drawing a document holds is changed only under that document's lock: commands run
// with one taken for them, while code in application context (a session command, a
// dialog, the program itself) must lock first or be refused, as on the platform.
Zcad::ErrorStatus DocManager::writeOpenAllowed(const ZcDbDatabase* db)
{
    ZcApDocument* doc = manager().document(db);
    if (doc == nullptr || !zrxhost::stateOf(doc)->locks.empty()) return Zcad::eOk;
    return Zcad::eLockViolation;
}

DocManager& manager()
{
    static DocManager* m = new DocManager;
    return *m;
}

}  // namespace

ZcApDocument* current() { return manager().curDocument(); }

void inEachDocument(const std::function<void()>& fn)
{
    ZcApDocument* saved = manager().curDocument();
    std::vector<ZcApDocument*> all;
    for (const auto& d : manager().docs()) all.push_back(d->facade());
    for (ZcApDocument* d : all) {
        if (!manager().isOpen(d)) continue;
        manager().setCurDocument(d, ZcAp::kNone, false);
        fn();
    }
    if (manager().isOpen(saved)) manager().setCurDocument(saved, ZcAp::kNone, false);
}

int lockCount(const ZcApDocument* doc)
{
    return doc != nullptr && manager().isOpen(doc) ? static_cast<int>(zrxhost::stateOf(doc)->locks.size()) : 0;
}

std::vector<std::string> takeQueuedInput()
{
    ZcApDocument* doc = manager().curDocument();
    if (doc == nullptr) return {};
    return std::exchange(zrxhost::stateOf(doc)->queuedInput, {});
}

void setCommandActive(ZcApDocument* doc, bool active)
{
    if (manager().isOpen(doc)) zrxhost::stateOf(doc)->commandActive = active;
}

ZcApDocument* newDefaultDocument() { return manager().newDocument(std::make_unique<ZcDbDatabase>(), ""); }

void closeAllDocuments()
{
    while (manager().documentCount() > 0) {
        ZcApDocument* doc = manager().docs().back()->facade();
        // Whatever a failed run left open must not keep the drawing alive.
        if (zrxhost::stateOf(doc->database())->openCount() > 0) break;
        manager().closeDocument(doc);
    }
    manager().resetNumbering();
}

}  // namespace zrxhost::docs

ZcApDocManager* zcDocManagerPtr() { return &zrxhost::docs::manager(); }
