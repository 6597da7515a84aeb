unsigned char x, y;
void a(unsigned char c) { x = c; }
void b(unsigned char c) { y = c; }
void d(unsigned char c) { x = c + 1; }
void none(void) { y = 3; }
