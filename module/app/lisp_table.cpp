#include "app/lisp_table.h"

#include <iterator>

#include "zrx.h"

namespace {

// Lets a user check from LISP that the module answers.
int zwDllFunc2()
{
    zcedAlert("\n Hello ZWDLLFUNC!");
    zcedRetT();
    return RTNORM;
}

const TrevanLispEntry kLispFunctions[] = {
    {TREVANCOM_LISP_TEST, zwDllFunc2, true, 0},
};

}  // namespace

int TrevanCom_DefineLispFunctions()
{
    for (int i = 0; i < static_cast<int>(std::size(kLispFunctions)); ++i) {
        const TrevanLispEntry& e = kLispFunctions[i];
        // The application framework takes only a zero answer as a refusal.
        if (zcedDefun(e.m_name, i + 1) == 0) return RTERROR;
        if (e.m_registerDirectly) zcedRegFunc(e.m_function, i + 1);
    }
    return RTNORM;
}

void TrevanCom_UndefineLispFunctions()
{
    for (int i = 0; i < static_cast<int>(std::size(kLispFunctions)); ++i) zcedUndef(kLispFunctions[i].m_name, i + 1);
}
