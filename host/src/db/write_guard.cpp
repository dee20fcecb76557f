// The write-open guard: one pointer, set by the documents layer.
#include "write_guard.h"

namespace zrxhost {
namespace {
WriteOpenGuard g_guard = nullptr;
}

void setWriteOpenGuard(WriteOpenGuard guard) { g_guard = guard; }

Zcad::ErrorStatus checkWriteOpen(const ZcDbDatabase* db) { return g_guard != nullptr ? g_guard(db) : Zcad::eOk; }

}  // namespace zrxhost
