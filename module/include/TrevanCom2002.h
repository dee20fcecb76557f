// TrevanCom2002: the common layer of the Trevan modules. A sibling module includes this
// header and links libTrevanCom2002.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "core/str_split.h"
#include "core/rb_readers.h"
#include "core/xdata_presence.h"
#include "core/single_xdata.h"
#include "records/stiff_data.h"
#include "records/web_center_line.h"
