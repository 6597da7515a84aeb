// Start-up code the linker can generate: sets both stack pointers to
// "_stack", clears the objects' uninitialised data, copies every idata
// section from program memory by walking "__idata_table", calls "main" and
// ends the run with HALT, W = 0 exactly when main's result is 0.
#ifndef VELC_LINK_STARTUP_H
#define VELC_LINK_STARTUP_H

#include "link/link.h"

// Adds a generated section with a name, kind and size; defines symbol at its start.
int link_add_generated(Linker &l, const std::string &name, int kind, uint32_t size, const std::string &symbol);
// Adds the reset jump, the start-up code and its scratch bytes.
void link_startup_sections(Linker &l);
// Writes the start-up code once every address is known.
void link_startup_code(Linker &l);

#endif
