// The host SDK: everything a plug-in includes.
#pragma once

#include "zrx/zrx_all.h"
