// The system registry and its runtime dictionary.
#include "app/app.h"
#include "util/text_case.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcRxDictionary, ZcRxObject, "AcRxDictionary", "")

ZcRxDictionary::~ZcRxDictionary()
{
    for (auto& [key, object] : m_entries) delete object;
}

ZcRxObject* ZcRxDictionary::at(const char* key) const
{
    if (key == nullptr) return nullptr;
    auto it = m_entries.find(zrxhost::upperAscii(key));
    return it != m_entries.end() ? it->second : nullptr;
}

ZcRxObject* ZcRxDictionary::atPut(const char* key, ZcRxObject* object)
{
    if (key == nullptr) return nullptr;
    ZcRxObject*& slot = m_entries[zrxhost::upperAscii(key)];
    ZcRxObject* old = slot;
    slot = object;
    return old;
}

ZcRxObject* ZcRxDictionary::remove(const char* key)
{
    if (key == nullptr) return nullptr;
    auto it = m_entries.find(zrxhost::upperAscii(key));
    if (it == m_entries.end()) return nullptr;
    ZcRxObject* object = it->second;
    m_entries.erase(it);
    return object;
}

bool ZcRxDictionary::has(const char* key) const { return at(key) != nullptr; }

namespace zrxhost::app {
ZcRxObject* makeDynamicLinker();
ZcRxObject* makeCommandStack();
}  // namespace zrxhost::app

ZcRxDictionary* zcrxSysRegistry()
{
    static ZcRxDictionary* registry = [] {
        auto* d = new ZcRxDictionary;
        d->atPut(ZCRX_DYNAMIC_LINKER, zrxhost::app::makeDynamicLinker());
        d->atPut(ZCRX_COMMAND_DOCK, zrxhost::app::makeCommandStack());
        d->atPut(ZC_TRANSACTION_MANAGER_OBJ, new ZcTransactionManager);
        return d;
    }();
    return registry;
}
