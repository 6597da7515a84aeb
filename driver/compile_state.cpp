// Definitions of the compilation state that later phases read. In: values
// stored by the driver once the options are parsed. Out: the accessors.
#include "driver/compile.h"

list_t *dependent_file_list = nullptr;
char sfile[VELC_PATH_MAX];
char basefilename[VELC_PATH_MAX];
char pfile[VELC_PATH_MAX];
char efile[VELC_PATH_MAX];
char ofile[VELC_PATH_MAX];

static int sProc = 257;

void SetProcessor(int id) { sProc = id; }
int GetProcessor() { return sProc; }
const char *getObjectFileName() { return ofile; }
const char *getSourceFilePath() { return sfile; }
