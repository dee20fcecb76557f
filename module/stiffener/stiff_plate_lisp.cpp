#include "stiffener/stiff_plate_lisp.h"

#include "core/lisp_args.h"
#include "stiffener/stiff_plate_redraw.h"

int TrevanComARX_RedrawStiffJitsuitaLispFunc()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    ZcDbObjectId id;
    // Quiet even when called without arguments.
    if (args.empty()) return TrevanLispArgs::retNil();
    if (!args.entity(id)) return args.fail();
    return TrevanLispArgs::retBool(TrevanCom_RedrawStiffJitsuita(id));
}

int TrevanComARX_DeleteStiffJitsuitaLineLispFunc()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    ZcDbObjectId id;
    // Quiet even when called without arguments.
    if (args.empty()) return TrevanLispArgs::retNil();
    if (!args.entity(id)) return args.fail();
    TrevanCom_DeleteStiffJitsuita(id);
    return TrevanLispArgs::retT();
}
