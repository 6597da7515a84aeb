extern int defined_later;
int defined_later = 3;
extern char tentative_later;
char tentative_later;
int first_init = 1;
int first_init;
extern int first_init;
static int static_init = 2;
static int static_init;
extern long never_defined;
void use(void)
{
  extern int block_extern;
  defined_later = tentative_later + never_defined + block_extern;
}
