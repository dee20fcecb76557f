// The handle the host gives the module when it loads it.
#pragma once

#include "core/trevancom_export.h"

extern "C" TREVANCOM_API void* _hdllInstance;
