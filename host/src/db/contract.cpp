// Checks of the SDK's rules and the report of objects left open.
#include "zrxhost/contract.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "database_impl.h"

namespace zrxhost {
namespace {
ContractHandler& handler()
{
    static ContractHandler h;
    return h;
}
thread_local int g_hostAccessDepth = 0;
}  // namespace

void setContractHandler(ContractHandler h) { handler() = std::move(h); }
void resetContractHandler() { handler() = nullptr; }

void contractViolation(const std::string& what)
{
    if (handler()) {
        handler()(what);
        return;
    }
    std::fprintf(stderr, "trevan host: SDK rule broken: %s\n", what.c_str());
    std::abort();
}

int openObjectCount()
{
    int n = 0;
    for (ZcDbDatabase* db : liveDatabases()) n += stateOf(db)->openCount();
    return n;
}

std::string openObjectsReport()
{
    std::ostringstream out;
    for (ZcDbDatabase* db : liveDatabases()) {
        if (stateOf(db)->openCount() == 0) continue;
        for (const zrxhost::ObjectStub& s : zrxhost::stateOf(db)->stubs()) {
            if (!s.isOpen()) continue;
            char hex[17];
            ZcDbHandle(s.handle).getIntoAsciiBuffer(hex, sizeof hex);
            out << hex << ' ' << (s.object != nullptr ? s.object->isA()->name() : "?") << ' '
                << (s.writer ? "open for write" : "open for read") << '\n';
        }
    }
    return out.str();
}

HostAccess::HostAccess() { ++g_hostAccessDepth; }
HostAccess::~HostAccess() { --g_hostAccessDepth; }
bool HostAccess::active() { return g_hostAccessDepth > 0; }

}  // namespace zrxhost
