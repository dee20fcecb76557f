#include "core/screen_refresh.h"

void TrevanCom_FlushGraphics()
{
    ZcApDocument* doc = curDoc();
    ZcTransactionManager* tm = doc != nullptr ? doc->transactionManager() : nullptr;
    if (tm == nullptr) return;
    tm->queueForGraphicsFlush();
    tm->flushGraphics();
}

void TrevanCom_RefreshScreen()
{
    TrevanCom_FlushGraphics();
    zcedUpdateDisplay();
}
