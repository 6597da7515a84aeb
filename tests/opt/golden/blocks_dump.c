unsigned char g, h;
void pick(void) { if (g) h = 1; else h = 2; }
void spin(void) { while (g) h++; h = 0; }
