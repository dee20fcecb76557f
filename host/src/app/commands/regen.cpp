// REGEN: the display drawn again.
#include "app/commands/commands.h"
#include "editor/editor.h"
#include "zrx/ed_display.h"
#include "zrx/ed_output.h"
#include "zrxhost/display_state.h"

namespace zrxhost::app {

void regenCommand()
{
    ed::write("\nRegenerating model.\n");
    zcedUpdateDisplay();
    clearGrDrawVectors(zcdbHostApplicationServices()->workingDatabase());
}

}  // namespace zrxhost::app
