// The process-wide default tolerance.
#include "zrx/ge_tol.h"

ZcGeTol ZcGeContext::gTol;
