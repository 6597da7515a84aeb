// The calls from the driver into the compilation phases: parser set-up and
// tear-down, the phases of one compilation in order, and the few settings
// that the options hand to a phase directly. Each stands for one call into
// the subsystem named in its comment.
#ifndef VELC_DRIVER_PHASES_H
#define VELC_DRIVER_PHASES_H

#include <cstdio>

// The preprocessed file opened for reading; the scanner's input.
FILE *driver_preprocessed_input();
// Remembers the preprocessed file (null once it is closed).
void driver_set_preprocessed_input(FILE *file);

// Translator: default program-memory range chosen by -ms (near) or -ml (far).
void phase_set_default_rom_range(bool far_range);
// Configuration settings: select the table of the current processor.
void phase_config_initialize();
// Configuration settings: the --help-config listing of the current processor.
void phase_config_help();
// Parser: set up the scanner and the file-level typedef scope; 0 on success.
int phase_parser_init();
// Parser: close the file-level scope and the scanner.
void phase_parser_uninit();

// Runs the phases of one compilation over the preprocessed input, each only
// while no error has been counted. A fatal diagnostic or the error limit
// unwinds out of this call (FatalUnwind).
void run_phases();
// Frees what the phases still hold after an error or an unwind.
void phase_release();
// Everything phase_release does, then the state the phases keep from one
// compilation to the next set back to its start (pragma records, variable
// locations, configuration bytes, the diagnostic counts), so that one
// process can compile again.
void phase_reset();

#endif
