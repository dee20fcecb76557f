// A plug-in written as the module is: commands on the command stack, LISP functions (one of
// them reads a database through the host's ODBC classes), and the editor's questions, each
// printing what the host answered.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "zrx.h"

// The host sets it to the module's handle when it loads the module.
extern "C" {
__attribute__((visibility("default"))) void* _hdllInstance = nullptr;
}

namespace {

const char* kGroup = "TREVAN_TEST";
const char* kApp = "TREVAN_TEST";

std::string hexOf(const ads_name name)
{
    ZcDbObjectId id;
    if (zcdbGetObjectId(id, name) != Zcad::eOk) return "?";
    char hex[17];
    id.handle().getIntoAsciiBuffer(hex, sizeof hex);
    return hex;
}

int errnoValue()
{
    resbuf rb;
    zcedGetVar("ERRNO", &rb);
    return rb.resval.rint;
}

void hello() { zcutPrintf("\nHello from the test plug-in.\n"); }

// Picks until Enter or Esc, printing each answer.
void pick()
{
    for (;;) {
        ads_name ent;
        ads_point at;
        int rc = zcedEntSel("\nSelect a line: ", ent, at);
        if (rc == RTNORM) {
            zcutPrintf("\npicked %s at %g,%g\n", hexOf(ent).c_str(), at[X], at[Y]);
            continue;
        }
        if (rc == RTCAN) {
            zcutPrintf("\nRTCAN\n");
            return;
        }
        zcutPrintf("\nRTERROR ERRNO %d\n", errnoValue());
        if (errnoValue() == 52) return;
    }
}

void askPoint()
{
    ads_point p;
    int rc = zcedGetPoint(nullptr, "\nBase point: ", p);
    if (rc == RTNORM) zcutPrintf("\npoint %g,%g,%g\n", p[X], p[Y], p[Z]);
    else zcutPrintf("\n%s\n", rc == RTNONE ? "RTNONE" : rc == RTCAN ? "RTCAN" : "other");
    if (rc != RTNORM) return;
    ads_point c;
    rc = zcedGetCorner(p, "\nOther corner: ", c);
    if (rc == RTNORM) zcutPrintf("\ncorner %g,%g\n", c[X], c[Y]);
    else zcutPrintf("\n%s\n", rc == RTNONE ? "RTNONE" : rc == RTCAN ? "RTCAN" : "other");
}

void askKeyword()
{
    zcedInitGet(0, "Port Starboard Centre");
    char kw[133];
    int rc = zcedGetKword("\nSide [Port/Starboard/Centre] <Centre>: ", kw);
    if (rc == RTNORM) zcutPrintf("\nkeyword %s\n", kw);
    else zcutPrintf("\n%s\n", rc == RTNONE ? "RTNONE" : rc == RTCAN ? "RTCAN" : "other");
}

// Marks a picked entity with the test application's xdata.
void tag()
{
    ads_name ent;
    ads_point at;
    if (zcedEntSel("\nSelect object to tag: ", ent, at) != RTNORM) return;
    zcdbRegApp(kApp);
    ZcDbObjectId id;
    zcdbGetObjectId(id, ent);
    ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
    resbuf* xd = zcutBuildList(1001, kApp, 1000, "stiffener", 0);
    e->setXData(xd);
    zcutRelRb(xd);
    zcutPrintf("\ntagged %s\n", hexOf(ent).c_str());
}

void printSet(const ads_name ss)
{
    int32_t n = 0;
    zcedSSLength(ss, &n);
    std::string line;
    for (int32_t i = 0; i < n; ++i) {
        ads_name e;
        zcedSSName(ss, i, e);
        line += " " + hexOf(e);
    }
    zcutPrintf("\n%d selected:%s\n", n, line.c_str());
}

// Asks for objects, keeping only those tagged by the test application.
void tagged()
{
    resbuf* filter = zcutBuildList(-3, 1001, kApp, 0);
    const char* prompts[2] = {"\nSelect tagged members: ", "\nRemove members: "};
    ads_name ss;
    int rc = zcedSSGet(":$", prompts, nullptr, filter, ss);
    zcutRelRb(filter);
    if (rc != RTNORM) {
        zcutPrintf("\nnothing selected (%s)\n", rc == RTCAN ? "RTCAN" : "RTERROR");
        return;
    }
    printSet(ss);
    zcedSSFree(ss);
}

// Every line or circle not on layer HIDDEN, by the -4 operators.
void everything()
{
    resbuf* filter = zcutBuildList(-4, "<AND", -4, "<OR", RTDXF0, "LINE", RTDXF0, "CIRCLE", -4, "OR>", -4, "<NOT", 8,
                                   "HIDDEN", -4, "NOT>", -4, "AND>", 0);
    ads_name ss;
    int rc = zcedSSGet("X", nullptr, nullptr, filter, ss);
    zcutRelRb(filter);
    if (rc != RTNORM) {
        zcutPrintf("\nnothing found\n");
        return;
    }
    printSet(ss);
    zcedSSFree(ss);
}

// Queues a command for after this one.
void later()
{
    zcDocManager->sendStringToExecute(curDoc(), "HELLO\n");
    zcutPrintf("\nqueued HELLO\n");
}

// Queues an expression for the first drawing while another one is current: it waits for
// the first drawing to be the active one again.
void sendToFirst()
{
    std::unique_ptr<ZcApDocumentIterator> it(zcDocManager->newZcApDocumentIterator());
    ZcApDocument* first = it->document();
    zcDocManager->sendStringToExecute(first, "(getvar \"DWGNAME\")\n", false, true, false);
    zcutPrintf("\nqueued for %s\n", first->docTitle());
}

int g_drawingsSetUp = 0;

void drawingsSetUp() { zcutPrintf("\ndrawings set up: %d\n", g_drawingsSetUp); }

// A command that forgets to close what it opened.
void leak()
{
    ZcDbBlockTable* table = nullptr;
    zcdbHostApplicationServices()->workingDatabase()->getBlockTable(table, ZcDb::kForRead);
    zcutPrintf("\nleaving the block table open\n");
}

ZcDbObjectId append(ZcDbEntity* e)
{
    ZcDbBlockTable* blocks = nullptr;
    zcdbHostApplicationServices()->workingDatabase()->getBlockTable(blocks, ZcDb::kForRead);
    ZcDbBlockTableRecord* ms = nullptr;
    blocks->getAt(ZCDB_MODEL_SPACE, ms, ZcDb::kForWrite);
    blocks->close();
    ZcDbObjectId id;
    ms->appendZcDbEntity(id, e);
    e->close();
    ms->close();
    return id;
}

// One entity of each kind the renderer draws, for looking at.
void sampler()
{
    auto* red = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
    red->setColorIndex(1);
    append(red);
    append(new ZcDbCircle(ZcGePoint3d(150, 30, 0), ZcGeVector3d::kZAxis, 25));
    auto* arc = new ZcDbArc(ZcGePoint3d(50, 30, 0), 30, 0.0, 3.0);
    arc->setColorIndex(3);
    append(arc);
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, ZcGePoint2d(200, 0), 0.5);
    pl->addVertexAt(1, ZcGePoint2d(260, 0));
    pl->addVertexAt(2, ZcGePoint2d(260, 60));
    pl->setClosed(true);
    pl->setColorIndex(5);
    append(pl);
    append(new ZcDbText(ZcGePoint3d(0, -20, 0), "FR.45  L 150x90x9", ZcDbObjectId::kNull, 6.0));
    append(new ZcDbPoint(ZcGePoint3d(120, -20, 0)));
    append(new ZcDbRotatedDimension(0.0, ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0), ZcGePoint3d(50, -40, 0)));
    auto* leader = new ZcDbLeader;
    leader->appendVertex(ZcGePoint3d(150, 30, 0));
    leader->appendVertex(ZcGePoint3d(190, 80, 0));
    leader->appendVertex(ZcGePoint3d(220, 80, 0));
    append(leader);
    zcutPrintf("\nsampler drawn\n");
}

const char* typeName(int t)
{
    switch (t) {
    case RTSHORT: return "RTSHORT";
    case RTLONG: return "RTLONG";
    case RTREAL: return "RTREAL";
    case RTSTR: return "RTSTR";
    case RTPOINT: return "RTPOINT";
    case RT3DPOINT: return "RT3DPOINT";
    case RTLB: return "RTLB";
    case RTLE: return "RTLE";
    case RTDOTE: return "RTDOTE";
    case RTNIL: return "RTNIL";
    case RTT: return "RTT";
    case RTENAME: return "RTENAME";
    case RTPICKS: return "RTPICKS";
    default: return "?";
    }
}

// (showargs ...): prints the argument chain as it arrives, and gives back its length.
int showArgs()
{
    std::string line;
    int n = 0;
    for (resbuf* rb = zcedGetArgs(); rb != nullptr; rb = rb->rbnext, ++n) line += std::string(" ") + typeName(rb->restype);
    zcutPrintf("\nargs:%s\n", line.c_str());
    zcedRetInt(n);
    return RSRSLT;
}

// (odbcfirst CONNECT SQL): the first column of the first row as text, nil without a row; a
// database error is printed and gives nil.
int odbcFirst()
{
    resbuf* args = zcedGetArgs();
    if (args == nullptr || args->restype != RTSTR || args->rbnext == nullptr || args->rbnext->restype != RTSTR) {
        zcedRetNil();
        return RSRSLT;
    }
    try {
        CDatabase db;
        db.OpenEx(args->resval.rstring, CDatabase::noOdbcDialog);
        CRecordset rs(&db);
        rs.Open(CRecordset::snapshot, args->rbnext->resval.rstring, CRecordset::readOnly);
        if (rs.IsEOF()) {
            zcedRetNil();
            return RSRSLT;
        }
        CString text;
        rs.GetFieldValue(static_cast<short>(0), text);
        zcedRetStr(text);
    } catch (CDBException* e) {
        zcutPrintf("\n%s\n", static_cast<LPCTSTR>(e->m_strError));
        e->Delete();
        zcedRetNil();
    }
    return RSRSLT;
}

int dispatch()
{
    switch (zcedGetFunCode()) {
    case 1: return showArgs();
    case 2: return odbcFirst();
    default: return RSERR;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) ZcRx::AppRetCode acrxEntryPoint(ZcRx::AppMsgCode msg, void* appId)
{
    switch (msg) {
    case ZcRx::kInitAppMsg:
        zcrxDynamicLinker->unlockApplication(appId);
        zcrxDynamicLinker->registerAppMDIAware(appId);
        zcedRegCmds->addCommand(kGroup, "HELLO", "HELLO", ZCRX_CMD_MODAL, hello);
        zcedRegCmds->addCommand(kGroup, "PICK", "PICK", ZCRX_CMD_MODAL, pick);
        zcedRegCmds->addCommand(kGroup, "ASKPOINT", "ASKPOINT", ZCRX_CMD_MODAL, askPoint);
        zcedRegCmds->addCommand(kGroup, "ASKSIDE", "ASKSIDE", ZCRX_CMD_MODAL, askKeyword);
        zcedRegCmds->addCommand(kGroup, "TAG", "TAG", ZCRX_CMD_MODAL, tag);
        zcedRegCmds->addCommand(kGroup, "TAGGED", "TAGGED", ZCRX_CMD_MODAL, tagged);
        zcedRegCmds->addCommand(kGroup, "EVERYTHING", "EVERYTHING", ZCRX_CMD_MODAL, everything);
        zcedRegCmds->addCommand(kGroup, "LATER", "LATER", ZCRX_CMD_MODAL, later);
        zcedRegCmds->addCommand(kGroup, "SENDFIRST", "SENDFIRST", ZCRX_CMD_MODAL, sendToFirst);
        zcedRegCmds->addCommand(kGroup, "SETUPS", "SETUPS", ZCRX_CMD_MODAL, drawingsSetUp);
        zcedRegCmds->addCommand(kGroup, "LEAK", "LEAK", ZCRX_CMD_MODAL, leak);
        zcedRegCmds->addCommand(kGroup, "SAMPLER", "SAMPLER", ZCRX_CMD_MODAL, sampler);
        zcutPrintf("\ntest plug-in: init, instance %s\n", _hdllInstance != nullptr ? "set" : "missing");
        break;
    case ZcRx::kLoadDwgMsg:
        ++g_drawingsSetUp;
        zcedDefun("showargs", 1);
        zcedDefun("odbcfirst", 2);
        break;
    case ZcRx::kInvkSubrMsg:
        return dispatch() == RSRSLT ? ZcRx::kRetOK : ZcRx::kRetError;
    case ZcRx::kUnloadAppMsg:
        zcedRegCmds->removeGroup(kGroup);
        zcutPrintf("\ntest plug-in: unload\n");
        break;
    default:
        break;
    }
    return ZcRx::kRetOK;
}
