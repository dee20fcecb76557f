// The host's error number of the last failed request (system variable "ERRNO").
#pragma once

// 0 when it cannot be read.
int TrevanCom_HostErrno();
