#include "drafting/dimstyle_set.h"

#include "drafting/lisp_args.h"

int TrevanComARX_DimstyleSet() { return TrevanLispArgs::retNone(); }
