// Compilation state shared by the driver and the later phases.
#include "driver/state.h"

char sfile[VELC_PATH_MAX + 1];
char basefilename[VELC_PATH_MAX + 1];
char pfile[VELC_PATH_MAX + 1];
char efile[VELC_PATH_MAX + 1];
char ofile[VELC_PATH_MAX + 1];

list_t *dependent_file_list;

static int sProc = 257;

void SetProcessor(int id) { sProc = id; }
int GetProcessor() { return sProc; }
const char *getObjectFileName() { return ofile; }
const char *getSourceFilePath() { return sfile; }
