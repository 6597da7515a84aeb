/* Warnings do not make the run fail. */
#warning shown at level 3
char *s = "unterminated;
int ok;
