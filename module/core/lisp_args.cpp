#include "core/lisp_args.h"

#include <cmath>

#include "core/finite.h"
#include "core/rb_readers.h"

TrevanLispArgs::TrevanLispArgs(Errors errors) : m_pHead(zcedGetArgs()), m_pNext(m_pHead), m_errors(errors) {}

template <class Read>
bool TrevanLispArgs::take(Read read)
{
    if (m_nFailedAt != 0) return false;
    if (read(m_pNext) != 1) {
        m_nFailedAt = m_nPlace;
        return false;
    }
    m_pNext = m_pNext->rbnext;
    ++m_nPlace;
    return true;
}

bool TrevanLispArgs::str(CString& value)
{
    return take([&](const resbuf* rb) { return TrevanComARX_RbGetStr(rb, value); });
}

// A number that is not finite is no argument: stored, it would come back as text or zero.
bool TrevanLispArgs::real(double& value)
{
    return take([&](const resbuf* rb) {
        double read = 0.0;
        if (TrevanComARX_RbGetReal(rb, read) != 1 || !std::isfinite(read)) return -1;
        value = read;
        return 1;
    });
}

bool TrevanLispArgs::integer(int& value)
{
    return take([&](const resbuf* rb) { return TrevanComARX_RbGetInt(rb, value); });
}

bool TrevanLispArgs::intAsReal(double& value)
{
    return take([&](const resbuf* rb) { return TrevanComARX_RbGetIntAsReal(rb, value); });
}

bool TrevanLispArgs::realOrInt(double& value)
{
    return take([&](const resbuf* rb) {
        double read = 0.0;
        if (TrevanComARX_RbGetReal(rb, read) != 1 && TrevanComARX_RbGetIntAsReal(rb, read) != 1) return -1;
        if (!std::isfinite(read)) return -1;
        value = read;
        return 1;
    });
}

bool TrevanLispArgs::entity(ZcDbObjectId& id)
{
    return take([&](const resbuf* rb) {
        ads_name name;
        if (TrevanComARX_RbGetEntName(rb, name) != 1) return -1;
        ZcDbObjectId found;
        if (zcdbGetObjectId(found, name) != Zcad::eOk || found.isNull()) return -1;
        id = found;
        return 1;
    });
}

bool TrevanLispArgs::skip()
{
    return take([](const resbuf* rb) { return rb ? 1 : -1; });
}

bool TrevanLispArgs::entName(ads_name value)
{
    return take([&](const resbuf* rb) { return TrevanComARX_RbGetEntName(rb, value); });
}

bool TrevanLispArgs::pickSet(ads_name value)
{
    return take([&](const resbuf* rb) { return TrevanComARX_RbGetPickSet(rb, value); });
}

bool TrevanLispArgs::point(ZcGePoint3d& value)
{
    return take([&](const resbuf* rb) {
        ZcGePoint3d read;
        if (TrevanComARX_RbGetPoint(rb, read) != 1 || !TrevanCom_IsFinite(read)) return -1;
        value = read;
        return 1;
    });
}

bool TrevanLispArgs::listBegin()
{
    return take([](const resbuf* rb) { return TrevanComARX_RbIsListBegin(rb); });
}

bool TrevanLispArgs::listEnd()
{
    return take([](const resbuf* rb) { return TrevanComARX_RbIsListEnd(rb); });
}

int TrevanLispArgs::fail() const
{
    if (empty()) zcutPrintf("\n引数エラー");
    else if (m_errors == kNumbered && m_nFailedAt != 0) zcutPrintf("\n引数エラー%d", m_nFailedAt);
    else if (m_errors != kSilent) zcutPrintf("\n引数エラー");
    return retNil();
}

int TrevanLispArgs::retT()
{
    zcedRetT();
    return RTNORM;
}

int TrevanLispArgs::retNil()
{
    zcedRetNil();
    return RTNORM;
}

int TrevanLispArgs::retBool(bool ok) { return ok ? retT() : retNil(); }

int TrevanLispArgs::retNone() { return RTNORM; }

int TrevanLispArgs::retStr(const char* text)
{
    if (text == nullptr) return retNil();
    zcedRetStr(text);
    return RTNORM;
}

int TrevanLispArgs::retInt(int value)
{
    zcedRetInt(value);
    return RTNORM;
}

int TrevanLispArgs::retName(const ads_name name, int type)
{
    zcedRetName(name, type);
    return RTNORM;
}

int TrevanLispArgs::retList(resbuf* list)
{
    if (list == nullptr) return retNil();
    zcedRetList(list);
    zcutRelRb(list);
    return RTNORM;
}
