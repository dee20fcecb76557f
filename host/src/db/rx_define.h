// Defining the runtime-class members a class declares with ZCRX_DECLARE_MEMBERS: its
// platform class name and DXF name. Concrete classes also clone by copy.
#pragma once

#include "db/access.h"

#define ZCRX_DEFINE_MEMBERS(CLASS, PARENT, NAME, DXFNAME)                                      \
    ZcRxClass* CLASS::desc()                                                                   \
    {                                                                                          \
        static ZcRxClass* cls = zrxhost::Access::newClass(NAME, DXFNAME, PARENT::desc());        \
        return cls;                                                                            \
    }                                                                                          \
    ZcRxClass* CLASS::isA() const { return CLASS::desc(); }

#define ZCRX_DEFINE_CLONE(CLASS) \
    ZcRxObject* CLASS::clone() const { return new CLASS(*this); }
