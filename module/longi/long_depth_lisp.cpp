#include "longi/long_depth_lisp.h"

#include "core/lisp_args.h"
#include "longi/long_depth_dialog.h"

int TrevanComARX_LongDepthFrameNo()
{
    [[maybe_unused]] TrevanLispArgs args;
    // The dialog gives the LISP result itself, on OK or Cancel.
    DclLongDepth dlg;
    dlg.DoModal();
    return RTNORM;
}
