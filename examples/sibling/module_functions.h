// The module's LISP-callable exports offered to LISP under their own names.
#pragma once

namespace trevan_sibling {

// The file name the module is loaded under (its soname).
inline constexpr const char* kModuleFile = "libTrevanCom2002.so";

// Defines a LISP function for every adapter the loaded module exports and removes those
// it no longer exports. False when the module is not loaded (nothing is then defined).
bool defineModuleFunctions();
// Removes every function defined here.
void undefineModuleFunctions();
// The call of a defined function (kInvkSubrMsg): runs the export its function code stands
// for and gives its status (RTNORM, or RTERROR when it cannot be run).
int callModuleFunction();

}  // namespace trevan_sibling
