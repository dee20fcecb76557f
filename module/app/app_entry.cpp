// The two symbols the host looks for when it loads the module.
#include "app/instance_handle.h"
#include "app/trevan_app.h"

extern "C" {
TREVANCOM_API void* _hdllInstance = nullptr;

TREVANCOM_API ZcRx::AppRetCode acrxEntryPoint(ZcRx::AppMsgCode msg, void* appId)
{
    return trevanApp().dispatch(msg, appId);
}
}
