// The object emitter: the last phase of a compilation. It reads the master
// symbol list and section set of the translation and the output code of each
// code section, and writes the object file.
#ifndef VELC_OBJECT_EMIT_H
#define VELC_OBJECT_EMIT_H

// Builds the object for the current processor and writes it to
// object_file_name, unless an error was counted by the end of the phase (then
// nothing is written). A file that cannot be written is error 1500, and no
// partial file is left behind.
void emit_write_object_file(const char *object_file_name);

#endif
