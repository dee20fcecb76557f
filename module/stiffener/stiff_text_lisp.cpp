#include "stiffener/stiff_text_lisp.h"

#include "core/lisp_args.h"
#include "core/model_space_append.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_end_text.h"
#include "stiffener/stiff_name_text.h"
#include "stiffener/stiff_text_style.h"

namespace {

struct TextArgs {
    ZcDbObjectId stiffId;
    CString strStyle;
    double rHeight = 0.0;
    int nCreate = 0;
};

bool readTextArgs(TrevanLispArgs& args, TextArgs& a)
{
    return args.entity(a.stiffId) && args.str(a.strStyle) && args.real(a.rHeight) && args.integer(a.nCreate);
}

int retStyle(const CString& strStyle, double rHeight)
{
    return TrevanLispArgs::retList(zcutBuildList(RTSTR, strStyle.GetString(), RTREAL, rHeight, 0));
}

}  // namespace

int TrevanComARX_MakeStiffTextLispFunc()
{
    TrevanLispArgs args;
    TextArgs a;
    if (!readTextArgs(args, a)) return args.fail();
    return TrevanLispArgs::retBool(TrevanComARX_MakeStiffText(a.stiffId, a.strStyle, a.rHeight, a.nCreate != 0));
}

int TrevanComARX_MakeStiffNameTextLispFunc()
{
    TrevanLispArgs args;
    TextArgs a;
    if (!readTextArgs(args, a)) return args.fail();
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(a.stiffId, stiff)) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retBool(
        TrevanComARX_MakeStiffNameText(a.stiffId, a.strStyle, a.rHeight, stiff.m_strName, a.nCreate != 0));
}

int TrevanComARX_GetStiffEndTypeStyleLispFunc()
{
    TrevanLispArgs args;
    ZcDbObjectId stiffId;
    if (!args.entity(stiffId)) return args.fail();
    CString strStyle;
    double rHeight = 0.0;
    TrevanComARX_GetStiffEndTypeStyle(stiffId, strStyle, rHeight);
    return retStyle(strStyle, rHeight);
}

int TrevanComARX_GetStiffNameStyleLispFunc()
{
    TrevanLispArgs args;
    ZcDbObjectId stiffId;
    if (!args.entity(stiffId)) return args.fail();
    CString strStyle;
    double rHeight = 0.0;
    TrevanComARX_GetStiffNameStyle(stiffId, strStyle, rHeight);
    return retStyle(strStyle, rHeight);
}

int TrevanComARX_MakeText()
{
    TrevanLispArgs args;
    CString strUnused, strText;
    ZcGePoint3d ptText;
    double rHeight = 0.0, rRotation = 0.0;
    if (!args.str(strUnused) || !args.point(ptText) || !args.real(rHeight) || !args.real(rRotation) ||
        !args.str(strText))
        return args.fail();
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    auto* pText = new ZcDbText;
    pText->setDatabaseDefaults(pDb);
    pText->setPosition(ptText);
    pText->setHeight(rHeight);
    pText->setRotation(rRotation);
    pText->setTextString(strText);
    ZcDbObjectId textId;
    if (!TrevanCom_AppendToModelSpace(pText, textId, pDb)) {
        delete pText;
        return TrevanLispArgs::retNil();
    }
    ads_name name;
    if (zcdbGetAdsName(name, textId) != Zcad::eOk) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retName(name);
}
