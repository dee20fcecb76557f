// The working marks that interpolating frame sections leaves on them.
#pragma once

#include "core/trevancom_export.h"

// (ename) -> T after removing from the entity the xdata of every application whose name
// contains "WFRMNO-"; nil when the entity or the application table cannot be reached.
extern "C" TREVANCOM_API int TrevanComARX_delXdataWFRMNO();
