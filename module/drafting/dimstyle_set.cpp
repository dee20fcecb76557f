#include "drafting/dimstyle_set.h"

#include "core/lisp_args.h"

int TrevanComARX_DimstyleSet() { return TrevanLispArgs::retNone(); }
