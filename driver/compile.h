// State of one compilation shared with the later phases: the current
// processor, the names of the source and object files, and the list of every
// source and header file met (filled from line markers, read by the object
// emitter).
#ifndef VELC_DRIVER_COMPILE_H
#define VELC_DRIVER_COMPILE_H

#include "driver/settings.h"
#include "util/util.h"

// Every file met through a line marker, in order of first appearance; each
// record's first field is a malloc'd char* holding the absolute name.
extern list_t *dependent_file_list;

// The file names of one compilation (each a buffer of VELC_PATH_MAX bytes).
extern char sfile[VELC_PATH_MAX];         // absolute path of the source file
extern char basefilename[VELC_PATH_MAX];  // file name without directory or extension
extern char pfile[VELC_PATH_MAX];         // preprocessed file: base name + ".i" with -E, else a
                                          // private file in the temporary directory
extern char efile[VELC_PATH_MAX];         // error file
extern char ofile[VELC_PATH_MAX];         // object file

// Stores the current processor id.
void SetProcessor(int id);
// The current processor id.
int GetProcessor();
// The object file name of this compilation.
const char *getObjectFileName();
// The absolute path of the source file.
const char *getSourceFilePath();

#endif
