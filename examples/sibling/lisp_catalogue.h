// The module's LISP-callable exports, as the product's sibling modules know them. Each
// adapter becomes a LISP function of the same name whose function code is its position
// in this table plus one.
#pragma once

#include <cstddef>

namespace trevan_sibling {

struct LispExport {
    const char* name;
    // False for the one plain function of the family, which reads no LISP arguments and
    // answers natively: it is never offered to LISP.
    bool adapter;
};

inline constexpr LispExport kLispExports[] = {
    {"TrevanComARX_GetObjctbox", true},
    {"TrevanComARX_FindFolder", true},
    {"TrevanComARX_DeleteFolder", true},
    {"TrevanComARX_MakeLeaderFrom3p", true},
    {"TrevanComARX_GetStfiffSEPt", true},
    {"TrevanComARX_ShowStiffDetailLispFunc", true},
    {"TrevanComARX_GetLayerStatusLispFunc", true},
    {"TrevanComARX_SetLayerStatusLispFunc", true},
    {"TrevanComARX_setStiffItanigeLispFunc", true},
    {"TrevanComARX_setStiffFlangeAxisLispFunc", true},
    {"TrevanComARX_GetStiffEndTypeStyleLispFunc", true},
    {"TrevanComARX_MakeStiffTextLispFunc", true},
    {"TrevanComARX_GetStiffNameStyleLispFunc", true},
    {"TrevanComARX_MakeStiffNameTextLispFunc", true},
    {"TrevanComARX_SetStiffAngle", true},
    {"TrevanComARX_StiffCopyLispFunc", true},
    {"TrevanComARX_SetObjLtscaleLispFunc", true},
    {"TrevanComARX_SetObjLinetypeLispFunc", true},
    {"TrevanComARX_RedrawStiffJitsuitaLispFunc", true},
    {"TrevanComARX_MakeStiffText", true},
    {"TrevanComARX_SetObjCol", true},
    {"TrevanComARX_MakeText", true},
    {"TrevanComARX_LongDepthFrameNo", true},
    {"TrevanComARX_DimstyleSet", true},
    {"TrevanComARX_GetSysDir", true},
    {"TrevanComARX_GetDataDir", true},
    {"TrevanComARX_GetDefValue", true},
    {"TrevanComARX_SetDefValue", true},
    {"TrevanComARX_GetLayerInfo", true},
    {"TrevanComARX_CheckWarikomiAB", true},
    {"TrevanComARX_CheckLine", true},
    {"TrevanComARX_SplToPolyDist", true},
    {"TrevanComARX_SplToPolyDiv", true},
    {"TrevanComARX_copyStiffToEndText", true},
    {"TrevanComARX_setLineStiffYMarkOnOff", true},
    {"TrevanComARX_SetSitiffAszLispFunc", true},
    {"TrevanComARX_delXdataWFRMNO", true},
    {"TrevanComARX_DeleteStiffJitsuitaLineLispFunc", true},
    {"TrevanComARX_center_line", true},
    {"TrevanComARX_InsertExplodeAdd", true},
    {"TrevanComARX_sss_v2_func01", true},
    {"TrevanComARX_sss_v2_func02", true},
    {"TrevanComARX_MakeLeader", true},
    {"TrevanComARX_qor_plinelistLispFunc", true},
    {"TrevanComARX_GetStiffCrossPartDrawFunc", true},
    {"TrevanComARX_StiffCrossObjtrimFunc", true},
    {"TrevanComARX_StiffCrossDataSetFunc", true},
    {"TrevanComARX_StiffCrossReverseFunc", true},
    {"TrevanComARX_CopyStiff", true},
    {"TrevanComARX_StiffTanbuTrimFunc", true},
    {"TrevanComARX_MakePlanLine", true},
    {"TrevanComARX_MakeVerticalLine", true},
    {"TrevanComARX_GetStiffShowMode", false},
    {"TrevanComARX_GetStiffShowModeFunc", true},
    {"TrevanComARX_GetDivLinePoints", true},
    {"TrevanComARX_SSGetBNLines", true},
    {"TrevanComARX_DimDirect", true},
    {"TrevanComARX_DimDirect1", true},
    {"TrevanComARX_DimDirect2", true},
    {"TrevanComARX_DimDirect3", true},
    {"TrevanComARX_DimDirect4", true},
    {"TrevanComARX_get_ipt_anotherz_curve", true},
};

inline constexpr std::size_t kLispExportCount = sizeof kLispExports / sizeof kLispExports[0];

// The code a function is defined with, and the entry a code stands for (null when none).
constexpr int functionCodeOf(std::size_t index) { return static_cast<int>(index) + 1; }
constexpr const LispExport* exportOfCode(int code)
{
    return code >= 1 && static_cast<std::size_t>(code) <= kLispExportCount ? &kLispExports[code - 1] : nullptr;
}

}  // namespace trevan_sibling
