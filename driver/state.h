// Compilation state that the driver fills and later phases read: the file
// names of one compilation, the current processor, and the list of source
// and header files met in line markers.
#ifndef VELC_DRIVER_STATE_H
#define VELC_DRIVER_STATE_H

#include "driver/settings.h"
#include "util/util.h"

// The files of one compilation (each VELC_PATH_MAX characters at most).
extern char sfile[VELC_PATH_MAX + 1];         // absolute path of the source
extern char basefilename[VELC_PATH_MAX + 1];  // name without directory and extension
extern char pfile[VELC_PATH_MAX + 1];         // preprocessed file
extern char efile[VELC_PATH_MAX + 1];         // error file
extern char ofile[VELC_PATH_MAX + 1];         // object file

// Files met in line markers; each record's first field is an owned char *.
extern list_t *dependent_file_list;

void SetProcessor(int id);
int GetProcessor();
const char *getObjectFileName();   // ofile
const char *getSourceFilePath();   // sfile

#endif
