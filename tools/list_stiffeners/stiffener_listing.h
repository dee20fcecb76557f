// The stiffeners of a drawing with their records, one short line each: handle, section form,
// section name, label and the two end points.
#pragma once

#include <string>
#include <vector>

#include "TrevanCom2002.h"

// "38     LONG_T  T300x11/100x16  T300x11,100x16  (0,700) - (8000,700)": handle, form,
// name and label in columns.
std::string stiffenerLine(const CString& handle, const CStiffData& record);

// The lines of every stiffener of the working drawing, in model-space order; a stiffener
// whose record cannot be read gets a line saying so and counts in `unreadable`. False
// when the drawing's stiffeners cannot be collected.
bool listStiffeners(std::vector<std::string>& lines, long& unreadable);
