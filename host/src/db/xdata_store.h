// Xdata as an object keeps it: per application, in the order the applications came.
#pragma once

#include <string>
#include <vector>

#include "zc_adsdefs.h"

class ZcDbXdataStore {
public:
    struct App {
        std::string name;
        resbuf* items = nullptr;  // the groups after the 1001 group
    };

    ZcDbXdataStore() = default;
    ZcDbXdataStore(const ZcDbXdataStore& other);
    ZcDbXdataStore& operator=(const ZcDbXdataStore&) = delete;
    ~ZcDbXdataStore();

    const App* find(const char* name) const;
    // Replaces an application's groups (taking the chain) or adds them at the end.
    void put(const std::string& name, resbuf* items);
    void remove(const char* name);
    bool empty() const { return m_apps.empty(); }
    const std::vector<App>& apps() const { return m_apps; }

private:
    std::vector<App> m_apps;
};
