// Host-side checks of the SDK's rules. A plug-in that breaks one (a setter on an object
// opened for read, a resident object deleted, a database destroyed with objects still open)
// is stopped here. The default handler prints the reason and aborts; tests install one that
// throws so that the breach becomes a failed test.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "zrx/zrx_export.h"

namespace zrxhost {

struct ContractViolation : std::logic_error {
    using std::logic_error::logic_error;
};

using ContractHandler = std::function<void(const std::string& what)>;

ZRX_API void setContractHandler(ContractHandler handler);
// Restores the aborting handler.
ZRX_API void resetContractHandler();
// Reports a breach; returns only when the installed handler returns.
ZRX_API void contractViolation(const std::string& what);

// Objects currently open, over every database of the process.
ZRX_API int openObjectCount();
// One line per open object: handle, class and open state; empty when none is open.
ZRX_API std::string openObjectsReport();

}  // namespace zrxhost

namespace zrxhost {
// Host code that reads objects on its own behalf (file writer, renderer, selection) works
// inside a HostAccess scope, which the open checks allow.
class ZRX_API HostAccess {
public:
    HostAccess();
    ~HostAccess();
    HostAccess(const HostAccess&) = delete;
    HostAccess& operator=(const HostAccess&) = delete;
    static bool active();
};
}  // namespace zrxhost
