/* CR LF line ends, splices and trigraphs. */
#define LONG_NAME(a) \
  (a + \
   1)
int x = LONG_NAME(2);
int y = 12\
34;
??=define TRI ??( ??) ??< ??> ??! ??- ??'
TRI
char *s = "??/"";
int after_splices = __LINE__;
