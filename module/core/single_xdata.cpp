#include "core/single_xdata.h"

#include <cmath>
#include <cstdint>

namespace {

const char* kNoMemory = "メモリ確保に失敗しました。\n";

// Replaces the application's xdata on the entity by the given chain and frees the chain.
int replaceXdata(ZcDbEntity* pEnt, resbuf* chain)
{
    if (chain == nullptr) {
        zcutPrintf("%s", kNoMemory);
        return 0;
    }
    Zcad::ErrorStatus es = Zcad::eOk;
    if (!pEnt->isWriteEnabled()) es = pEnt->upgradeOpen();
    if (es == Zcad::eOk) es = pEnt->setXData(chain);
    zcutRelRb(chain);
    return es == Zcad::eOk ? 1 : 0;
}

int writeValue(ZcDbEntity* pEnt, const char* appName, resbuf* value)
{
    if (pEnt == nullptr || appName == nullptr) {
        zcutRelRb(value);
        return 0;
    }
    zcdbRegApp(appName);
    resbuf* head = zcutBuildList(1001, appName, 0);
    if (head == nullptr || value == nullptr) {
        zcutRelRb(head);
        zcutRelRb(value);
        return replaceXdata(pEnt, nullptr);
    }
    head->rbnext = value;
    return replaceXdata(pEnt, head);
}

// The first group of the code in the application's xdata, or null; the chain is the caller's.
const resbuf* findGroup(const resbuf* xd, int code)
{
    for (const resbuf* rb = xd != nullptr ? xd->rbnext : nullptr; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == code) return rb;
    }
    return nullptr;
}

template <class Read>
int readValue(const ZcDbEntity* pEnt, const char* appName, int code, Read read)
{
    if (pEnt == nullptr || appName == nullptr) return 0;
    resbuf* xd = pEnt->xData(appName);
    const resbuf* rb = findGroup(xd, code);
    if (rb != nullptr) read(rb);
    zcutRelRb(xd);
    return rb != nullptr ? 1 : 0;
}

}  // namespace

int TrevanComARX_SetXdataStr(ZcDbEntity* pEnt, const char* appName, const char* value)
{
    return writeValue(pEnt, appName, zcutBuildList(1000, value != nullptr ? value : "", 0));
}

int TrevanComARX_SetXdataStr(ZcDbObjectId objId, const char* appName, const char* value)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
    if (ent.openStatus() != Zcad::eOk) return 0;
    return TrevanComARX_SetXdataStr(ent.object(), appName, value);
}

int TrevanComARX_SetXdataReal(ZcDbEntity* pEnt, const char* appName, double value)
{
    if (!std::isfinite(value)) return 0;
    return writeValue(pEnt, appName, zcutBuildList(1040, value, 0));
}

int TrevanComARX_SetXdataInt(ZcDbEntity* pEnt, const char* appName, int value)
{
    return writeValue(pEnt, appName, zcutBuildList(1070, static_cast<int>(static_cast<int16_t>(value)), 0));
}

int TrevanComARX_GetXdataStr(const ZcDbEntity* pEnt, const char* appName, CString& value)
{
    return readValue(pEnt, appName, 1000, [&](const resbuf* rb) { value = rb->resval.rstring; });
}

int TrevanComARX_GetXdataStr(ZcDbObjectId objId, const char* appName, CString& value)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return 0;
    return TrevanComARX_GetXdataStr(ent.object(), appName, value);
}

int TrevanComARX_GetXdataReal(const ZcDbEntity* pEnt, const char* appName, double& value)
{
    return readValue(pEnt, appName, 1040, [&](const resbuf* rb) { value = rb->resval.rreal; });
}

int TrevanComARX_GetXdataInt(const ZcDbEntity* pEnt, const char* appName, int& value)
{
    return readValue(pEnt, appName, 1070, [&](const resbuf* rb) { value = rb->resval.rint; });
}

bool TrevanComARX_ClearXdata(ZcDbEntity* pEnt, const char* appName)
{
    if (pEnt == nullptr || appName == nullptr) return false;
    if (zcdbRegApp(appName) == RTNORM) return true;
    return replaceXdata(pEnt, zcutBuildList(1001, appName, 0)) == 1;
}
