unsigned char g, h;
void pick(void) { if (g) h = 1; else h = 2; }
void after_return(void) { g = 1; return; g = 2; }
void next(void) { g = 1; goto out; out: h = 1; }
unsigned char five(void) { return 5; }
