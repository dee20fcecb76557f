#include "core/host_errno.h"

#include "zrx.h"

int TrevanCom_HostErrno()
{
    resbuf rb{};
    if (zcedGetVar("ERRNO", &rb) != RTNORM || rb.restype != RTSHORT) return 0;
    return rb.resval.rint;
}
