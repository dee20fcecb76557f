// The module's own LISP functions: only the load test "ZWDLLFUNC2".
#pragma once

#include <cstdint>

#define TREVANCOM_LISP_TEST "ZWDLLFUNC2"

struct TrevanLispEntry {
    const char* m_name;
    int (*m_function)();
    bool m_registerDirectly;
    uint32_t m_nameId;
};

// Defines the table's functions in the current drawing, codes counting from 1; RTERROR
// when the host refuses one, RTNORM otherwise.
int TrevanCom_DefineLispFunctions();
void TrevanCom_UndefineLispFunctions();
