// The host's own commands, one file each, named for the command.
#pragma once

namespace zrxhost::app {

void closeCommand();
void documentsCommand();  // host-only: lists the open drawings and switches between them
void dxfoutCommand();
void insertCommand();      // -INSERT
void leaderCommand();
void lineCommand();
void newCommand();
void openCommand();
void qsaveCommand();
void regenCommand();
void saveasCommand();
void scriptCommand();
void setvarCommand();
void zoomCommand();

}  // namespace zrxhost::app
