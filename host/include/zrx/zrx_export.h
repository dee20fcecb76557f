// Symbol visibility for the host SDK. Everything is hidden by default; what a plug-in may
// call is marked ZRX_API.
#pragma once

#define ZRX_API __attribute__((visibility("default")))
