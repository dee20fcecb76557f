// Showing what a command has drawn or highlighted so far, before it asks the user again.
#pragma once

#include "zrx.h"

// Queues and flushes the current document's graphics.
void TrevanCom_FlushGraphics();
// Flushes the graphics and updates the display.
void TrevanCom_RefreshScreen();
