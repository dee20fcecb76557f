// REGEN: the display drawn again.
#include "app/commands/commands.h"
#include "editor/editor.h"
#include "zrx/ed_output.h"

namespace zrxhost::app {

void regenCommand()
{
    ed::write("\nRegenerating model.\n");
    zcedUpdateDisplay();
}

}  // namespace zrxhost::app
