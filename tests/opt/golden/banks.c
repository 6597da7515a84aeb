#pragma varlocate "shared_data" a1, a2
#pragma varlocate 3 b1
#pragma varlocate 3 b2
#pragma varlocate 1 nothere
extern unsigned char a1, a2, b1, b2;
unsigned char x, y, z;
unsigned char big[300];
void callee(void);
void same_section(void) { a1 = 1; a2 = 2; a1 = a2; }
void same_bank(void) { b1 = 7; b2 = 7; }
void after_call(void) { x = 1; callee(); x = 2; }
void join(unsigned char c) { if (c) x = 1; else y = 1; z = 3; }
void join_same(unsigned char c) { x = 0; if (c) x = 1; else x = 2; x++; }
void big_bytes(void) { big[0] = 1; big[1] = 1; big[299] = 1; }
unsigned char indexed(unsigned char i) { unsigned char buf[4]; buf[0] = i; return buf[0]; }
unsigned char wreg_moves(void) { unsigned char t; t = x; y = t; return y; }
