#include "core/rb_readers.h"

namespace {

bool isType(const resbuf* rb, int type) { return rb != nullptr && rb->restype == type; }

int readName(const resbuf* rb, int type, ads_name value)
{
    if (!isType(rb, type)) return -1;
    value[0] = rb->resval.rlname[0];
    value[1] = rb->resval.rlname[1];
    return 1;
}

}  // namespace

int TrevanComARX_RbGetStr(const resbuf* rb, CString& value)
{
    if (!isType(rb, RTSTR)) return -1;
    value = rb->resval.rstring;
    return 1;
}

int TrevanComARX_RbGetReal(const resbuf* rb, double& value)
{
    if (!isType(rb, RTREAL)) return -1;
    value = rb->resval.rreal;
    return 1;
}

int TrevanComARX_RbGetInt(const resbuf* rb, int& value)
{
    if (!isType(rb, RTSHORT)) return -1;
    value = static_cast<int>(static_cast<int16_t>(rb->resval.rint));
    return 1;
}

int TrevanComARX_RbGetIntAsReal(const resbuf* rb, double& value)
{
    if (!isType(rb, RTSHORT)) return -1;
    value = static_cast<double>(static_cast<int16_t>(rb->resval.rint));
    return 1;
}

int TrevanComARX_RbGetPoint(const resbuf* rb, ZcGePoint3d& value)
{
    if (!isType(rb, RT3DPOINT)) return -1;
    value.set(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
    return 1;
}

int TrevanComARX_RbGetEntName(const resbuf* rb, ads_name value) { return readName(rb, RTENAME, value); }
int TrevanComARX_RbGetPickSet(const resbuf* rb, ads_name value) { return readName(rb, RTPICKS, value); }
int TrevanComARX_RbIsListBegin(const resbuf* rb) { return isType(rb, RTLB) ? 1 : -1; }
int TrevanComARX_RbIsListEnd(const resbuf* rb) { return isType(rb, RTLE) ? 1 : -1; }
