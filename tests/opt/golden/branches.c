unsigned char g, h;
void callee(void) { g = 1; }
void invert(void) { if (g == 3) h = 1; else h = 2; }
unsigned char five(void) { return 5; }
void tail_call(void) { h = 0; callee(); }
void after_return(void) { g = 1; return; g = 2; }
void loop_exit(void) { while (g) { if (h) break; h++; } }
void same_tails(void) { if (g) { h = g; g = 0; } else { h = 4; g = 0; } }
void next(void) { g = 1; goto out; out: h = 1; }
