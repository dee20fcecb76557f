// Landing line names: a curve of model space named under "A_LONGLINENAME" is a landing
// line. Names are unique within model space without regard to case.
#pragma once

#include "zrx.h"

#define TREVAN_LANDING_NAME_APP "A_LONGLINENAME"

// Appends the name of every landing line of the working drawing's model space, in model
// space order. A walk that cannot start says so and appends nothing.
void TrevanCom_CollectLandingLineNames(CStringArray& names);
