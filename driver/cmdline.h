// Command line: the option table, parsing into the compiler settings, the
// help text. The command line is "[options] file [options]".
#ifndef VELC_DRIVER_CMDLINE_H
#define VELC_DRIVER_CMDLINE_H

// Creates the option context over argv; true when the context exists.
bool cmd_init(int argc, const char **argv);
// Parses every option: 1 to continue, 0 after a refused option, -1 after a help text.
int cmd_parse_args();
// Prints the help text for the option table to standard output.
void cmd_show_help();
// Frees the include and define strings, the file names and the option context.
void cmd_free();

#endif
