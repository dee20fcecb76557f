#include "settings/dim_variables.h"

#include <cstdlib>
#include <cstring>
#include <iterator>

#include "core/table_ids.h"

namespace {

int integer(const char* v) { return std::atoi(v); }
bool onOff(const char* v) { return std::atoi(v) == 1; }
double real(const char* v) { return std::atof(v); }

ZcCmColor colour(const char* v)
{
    ZcCmColor c;
    c.setColorIndex(static_cast<uint16_t>(std::atoi(v)));
    return c;
}

bool textStyle(const char* v, ZcDbObjectId& id)
{
    return TrevanComARX_GetTextStyleId(v, id, zcdbHostApplicationServices()->workingDatabase());
}

struct DimVariable {
    const char* name;
    bool (*set)(ZcDbDimStyleTableRecord*, const char*);
};

const DimVariable kVariables[] = {
    {"Dimadec", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimadec(integer(v)) == Zcad::eOk; }},
    {"Dimalt", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimalt(onOff(v)) == Zcad::eOk; }},
    {"Dimaltd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimaltd(integer(v)) == Zcad::eOk; }},
    {"Dimaltf", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimaltf(real(v)) == Zcad::eOk; }},
    {"Dimaltrnd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimaltrnd(real(v)) == Zcad::eOk; }},
    {"Dimalttd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimalttd(integer(v)) == Zcad::eOk; }},
    {"Dimalttz", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimalttz(integer(v)) == Zcad::eOk; }},
    {"Dimaltu", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimaltu(integer(v)) == Zcad::eOk; }},
    {"Dimaltz", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimaltz(integer(v)) == Zcad::eOk; }},
    {"Dimapost", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimapost(v) == Zcad::eOk; }},
    {"Dimasz", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimasz(real(v)) == Zcad::eOk; }},
    {"Dimatfit", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimatfit(integer(v)) == Zcad::eOk; }},
    {"Dimaunit", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimaunit(integer(v)) == Zcad::eOk; }},
    {"Dimazin", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimazin(integer(v)) == Zcad::eOk; }},
    {"Dimblk", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimblk(v) == Zcad::eOk; }},
    {"Dimblk1", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimblk1(v) == Zcad::eOk; }},
    {"Dimblk2", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimblk2(v) == Zcad::eOk; }},
    {"Dimcen", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimcen(real(v)) == Zcad::eOk; }},
    {"Dimclrd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimclrd(colour(v)) == Zcad::eOk; }},
    {"Dimclre", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimclre(colour(v)) == Zcad::eOk; }},
    {"Dimclrt", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimclrt(colour(v)) == Zcad::eOk; }},
    {"Dimdec", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimdec(integer(v)) == Zcad::eOk; }},
    {"Dimdle", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimdle(real(v)) == Zcad::eOk; }},
    {"Dimdli", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimdli(real(v)) == Zcad::eOk; }},
    {"Dimdsep", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimdsep(v[0]) == Zcad::eOk; }},
    {"Dimexe", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimexe(real(v)) == Zcad::eOk; }},
    {"Dimexo", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimexo(real(v)) == Zcad::eOk; }},
    {"Dimfrac", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimfrac(integer(v)) == Zcad::eOk; }},
    {"Dimgap", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimgap(real(v)) == Zcad::eOk; }},
    {"Dimjust", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimjust(integer(v)) == Zcad::eOk; }},
    {"Dimldrblk", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimldrblk(v) == Zcad::eOk; }},
    {"Dimlfac", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimlfac(real(v)) == Zcad::eOk; }},
    {"Dimlim", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimlim(onOff(v)) == Zcad::eOk; }},
    {"Dimlunit", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimlunit(integer(v)) == Zcad::eOk; }},
    {"Dimlwd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimlwd(static_cast<ZcDb::LineWeight>(integer(v))) == Zcad::eOk; }},
    {"Dimlwe", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimlwe(static_cast<ZcDb::LineWeight>(integer(v))) == Zcad::eOk; }},
    {"Dimpost", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimpost(v) == Zcad::eOk; }},
    {"Dimrnd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimrnd(real(v)) == Zcad::eOk; }},
    {"Dimsah", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimsah(onOff(v)) == Zcad::eOk; }},
    {"Dimscale", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimscale(real(v)) == Zcad::eOk; }},
    {"Dimsd1", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimsd1(onOff(v)) == Zcad::eOk; }},
    {"Dimsd2", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimsd2(onOff(v)) == Zcad::eOk; }},
    {"Dimse1", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimse1(onOff(v)) == Zcad::eOk; }},
    {"Dimse2", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimse2(onOff(v)) == Zcad::eOk; }},
    {"Dimsoxd", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimsoxd(onOff(v)) == Zcad::eOk; }},
    {"Dimtad", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtad(integer(v)) == Zcad::eOk; }},
    {"Dimtdec", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtdec(integer(v)) == Zcad::eOk; }},
    {"Dimtfac", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtfac(real(v)) == Zcad::eOk; }},
    {"Dimtih", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtih(onOff(v)) == Zcad::eOk; }},
    {"Dimtix", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtix(onOff(v)) == Zcad::eOk; }},
    {"Dimtm", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtm(real(v)) == Zcad::eOk; }},
    {"Dimtmove", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtmove(integer(v)) == Zcad::eOk; }},
    {"Dimtofl", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtofl(onOff(v)) == Zcad::eOk; }},
    {"Dimtoh", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtoh(onOff(v)) == Zcad::eOk; }},
    {"Dimtol", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtol(onOff(v)) == Zcad::eOk; }},
    {"Dimtolj", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtolj(integer(v)) == Zcad::eOk; }},
    {"Dimtp", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtp(real(v)) == Zcad::eOk; }},
    {"Dimtsz", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtsz(real(v)) == Zcad::eOk; }},
    {"Dimtvp", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtvp(real(v)) == Zcad::eOk; }},
    {"Dimtxsty", [](ZcDbDimStyleTableRecord* s, const char* v) { ZcDbObjectId id; return textStyle(v, id) && s->setDimtxsty(id) == Zcad::eOk; }},
    {"Dimtxt", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtxt(real(v)) == Zcad::eOk; }},
    {"Dimtzin", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimtzin(integer(v)) == Zcad::eOk; }},
    {"Dimupt", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimupt(onOff(v)) == Zcad::eOk; }},
    {"Dimzin", [](ZcDbDimStyleTableRecord* s, const char* v) { return s->setDimzin(integer(v)) == Zcad::eOk; }},
};

}  // namespace

bool TrevanCom_SetDimStyleVariable(ZcDbDimStyleTableRecord* pStyle, const char* name, const char* value)
{
    for (const DimVariable& var : kVariables) {
        if (CString(var.name).CompareNoCase(name) == 0) return var.set(pStyle, value);
    }
    return false;
}

bool TrevanCom_SetDimSystemVariable(const char* name, const char* value)
{
    resbuf now;
    if (zcedGetVar(name, &now) != RTNORM) return false;
    resbuf rb;
    rb.rbnext = nullptr;
    rb.restype = now.restype;
    switch (now.restype) {
    case RTSHORT: rb.resval.rint = static_cast<short>(std::atoi(value)); break;
    case RTLONG: rb.resval.rlong = std::atoi(value); break;
    case RTREAL: rb.resval.rreal = std::atof(value); break;
    case RTSTR:
        free(now.resval.rstring);
        rb.resval.rstring = const_cast<char*>(value);
        break;
    default: return false;
    }
    return zcedSetVar(name, &rb) == RTNORM;
}
