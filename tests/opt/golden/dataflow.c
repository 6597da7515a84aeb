extern unsigned char g, h;
extern volatile unsigned char port;
unsigned char dummy(void);
void void_result(void) { g = 1; }
unsigned char char_result(void) { return 4; }
void stored_twice(void) { g = 1; g = 2; h = g; }
unsigned char volatile_twice(void) { port = 1; port = 2; return port; }
void call_between(void) { g = 0; dummy(); g = 0; }
void same_constant(void) { g = 0; h = g; g = 0; }
unsigned char skip_kept(unsigned char c) { unsigned char r = 0; if (c & 1) r = 1; return r; }
