#include "app/command_table.h"

#include <iterator>
#include <string>

#include "app/lisp_table.h"
#include "longi/def_long_line_command.h"
#include "longi/link_long_check_command.h"
#include "longi/link_long_command.h"
#include "convert/dwg_to_dxf_command.h"
#include "cross/make_cross_draw.h"
#include "settings/test0522_command.h"
#include "stiffener/stiff_arrow_size.h"

namespace {

// Shows that the module is loaded, and brings the LISP test function to the current drawing.
void trevanCom2002Test()
{
    zcutPrintf("\n  TrevanCom Hello World!!");
    TrevanCom_DefineLispFunctions();
}

const TrevanCommandEntry kTestEntry = {TREVANCOM_CMD_GROUP, "_TrevanCom2002Test", "TrevanCom2002Test",
                                       ZCRX_CMD_TRANSPARENT, trevanCom2002Test, nullptr, 0xFFFFFFFFu};

const TrevanCommandEntry kTest0522Entry = {TREVANCOM_CMD_GROUP, "_TRV_TEST0522", "TRV_TEST0522",
                                           ZCRX_CMD_TRANSPARENT, TrevanCom_Test0522, nullptr, 0xFFFFFFFFu};

const TrevanCommandEntry kDefLongLineEntry = {TREVANCOM_CMD_GROUP, "_TRV_DEFLONGLINE", "TRV_DEFLONGLINE",
                                              ZCRX_CMD_TRANSPARENT, TrevanCom_DefLongLine, nullptr, 0xFFFFFFFFu};

const TrevanCommandEntry kLinkLongEntry = {TREVANCOM_CMD_GROUP, "_TRV_LINKLONG", "TRV_LINKLONG", ZCRX_CMD_TRANSPARENT,
                                           TrevanCom_LinkLong, nullptr, 0xFFFFFFFFu};

const TrevanCommandEntry kLinkLongCheckEntry = {TREVANCOM_CMD_GROUP, "_TRV_LINKLONGCHECK", "TRV_LINKLONGCHECK",
                                                ZCRX_CMD_TRANSPARENT, TrevanCom_LinkLongCheck, nullptr, 0xFFFFFFFFu};
const TrevanCommandEntry kDwgToDxfEntry = {TREVANCOM_CMD_GROUP, "_TRV_DWGTODXF", "TRV_DWGTODXF",
                                           ZCRX_CMD_TRANSPARENT, TrevanCom_DwgToDxf, nullptr, 0xFFFFFFFFu};

const TrevanCommandEntry kSetSitiffAszEntry = {TREVANCOM_CMD_GROUP, "_TRV_SetSitiffAsz", "TRV_SetSitiffAsz",
                                              ZCRX_CMD_TRANSPARENT, TrevanCom_SetSitiffAsz, nullptr, 0xFFFFFFFFu};

const TrevanCommandEntry kMakeCrossDrawEntry = {TREVANCOM_CMD_GROUP, "_TRV_MakeCrossDraw", "TRV_MakeCrossDraw",
                                               ZCRX_CMD_TRANSPARENT, TrevanCom_MakeCrossDraw, nullptr, 0xFFFFFFFFu};

// Each command joins the table when its worker is built.
const TrevanCommandEntry* const kCommands[] = {
    &kTestEntry,
    &kDefLongLineEntry,
    &kLinkLongEntry,
    &kLinkLongCheckEntry,
    &kMakeCrossDrawEntry,
    &kSetSitiffAszEntry,
    &kTest0522Entry,
    &kDwgToDxfEntry,
};

ZcEdCommandStack* commandStack()
{
    return ZcEdCommandStack::cast(zcrxSysRegistry()->at(ZCRX_COMMAND_DOCK));
}

}  // namespace

void TrevanCom_RegisterCommands()
{
    // Every entry carries its local name, and this host's command stack takes neither a
    // UI context nor a resource handle, so neither is passed.
    for (const TrevanCommandEntry* e : kCommands) {
        if (e == nullptr) continue;
        ZcEdCommandStack* stack = commandStack();
        if (stack == nullptr) continue;
        stack->addCommand(e->m_group, e->m_globalName, e->m_localName, e->m_flags, e->m_function);
    }
}

void TrevanCom_RemoveCommands()
{
    std::string group;
    for (const TrevanCommandEntry* e : kCommands) {
        if (e == nullptr) continue;
        if (ZcEdCommandStack* stack = commandStack()) stack->removeCmd(e->m_group, e->m_globalName);
        group = e->m_group;
    }
    if (group.empty()) return;
    if (ZcEdCommandStack* stack = commandStack()) stack->removeGroup(group.c_str());
}
