/* Bad input: quotes that never close, stray bytes, a pragma-only line. */
int a = "\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"
int b = '\'\'\'\'\'\'\'
#pragma
` @ \ # int c;
char d = '
int e = "open