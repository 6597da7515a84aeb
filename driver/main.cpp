// Entry point of the compiler proper velcqx-extended. In: the command line.
// Out: the exit status of the run.
#include "driver/driver.h"

int main(int argc, char **argv) { return driver_main(argc, const_cast<const char **>(argv)); }
