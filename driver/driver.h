// The compiler driver: one run from the command line to the object file.
#ifndef VELC_DRIVER_DRIVER_H
#define VELC_DRIVER_DRIVER_H

// The version string carried by the banner.
extern const char *const VELC_VERSION;

// The whole run; the result is the exit status.
int driver_main(int argc, const char **argv);
// Selects the processor and fills the file names of the compilation; the
// error and object names may be null. 0 on success, -1 for an unsupported
// processor, 1 when the source cannot be found (the reason is printed).
int _initialize_compiler(const char *source, const char *error_file, const char *object_file, int proc);
// Creates this run's own preprocessed file in the temporary directory and
// names it in pfile; 0 on success, else 1 with the reason on standard error.
int _make_private_preprocessed_file();
// Releases the parser state, closes the diagnostics (deleting an empty
// error file) and frees the dependent-file list.
void _uninitialize_compiler();
// Prints the one-line banner with the version.
void signon();
// Prints the error, warning and message counts allowed by the level.
void signoff();

#endif
