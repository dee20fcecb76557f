#include "xdata_store.h"

#include "util/text_case.h"
#include "zc_resbuf.h"

ZcDbXdataStore::ZcDbXdataStore(const ZcDbXdataStore& other)
{
    m_apps.reserve(other.m_apps.size());
    for (const App& a : other.m_apps) m_apps.push_back(App{a.name, zcutDuplicateRb(a.items)});
}

ZcDbXdataStore::~ZcDbXdataStore()
{
    for (App& a : m_apps) zcutRelRb(a.items);
}

const ZcDbXdataStore::App* ZcDbXdataStore::find(const char* name) const
{
    for (const App& a : m_apps) {
        if (zrxhost::equalsNoCase(a.name, name)) return &a;
    }
    return nullptr;
}

void ZcDbXdataStore::put(const std::string& name, resbuf* items)
{
    for (App& a : m_apps) {
        if (zrxhost::equalsNoCase(a.name, name)) {
            zcutRelRb(a.items);
            a.items = items;
            return;
        }
    }
    m_apps.push_back(App{name, items});
}

void ZcDbXdataStore::remove(const char* name)
{
    for (auto it = m_apps.begin(); it != m_apps.end(); ++it) {
        if (zrxhost::equalsNoCase(it->name, name)) {
            zcutRelRb(it->items);
            m_apps.erase(it);
            return;
        }
    }
}
