#include "convert/dwg_to_dxf_command.h"

#include "convert/dwg_to_dxf_dialog.h"

void TrevanCom_DwgToDxf()
{
    // The dialog does the work on OK; how it was closed does not matter here.
    TrevanCom_TRV_DWGTODXF dlg;
    dlg.DoModal();
}
