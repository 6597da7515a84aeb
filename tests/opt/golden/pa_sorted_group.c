unsigned char a[4], b, c, d;
void f0(void) { b--; c++; d = c; d = c; c++; c++; }
void f1(void) { b--; c++; d = c; d = c; b = d; c++; }
void f2(void) { b--; c++; d = c; c--; c++; a[0]++; }
void f3(void) { b--; c++; d = c; c--; b = d; c++; }
void f4(void) { b--; c++; d = c; d = c; d = c; c--; }
void f5(void) { b--; c++; d = c; c++; c++; c--; }
void f6(void) { b--; c++; d = c; c--; d = c; d = c; }
void f7(void) { b--; c++; d = c; d = c; c++; c--; }
void f8(void) { b--; c++; d = c; a[0]++; d = c; c++; }
void f9(void) { b--; c++; d = c; a[2]++; a[2]++; c--; }
void f10(void) { b--; c++; d = c; c++; c--; c--; }
void f11(void) { b--; c++; d = c; c--; c++; c--; }
void f12(void) { b--; c++; d = c; d = c; b = d; a[0]++; }
void f13(void) { b--; c++; d = c; d = c; c--; d = c; }
void f14(void) { b--; c++; d = c; b = d; c--; b = d; }
void f15(void) { b--; c++; d = c; c--; c++; c--; }
void f16(void) { b--; c++; d = c; c++; b = d; c++; }
void f17(void) { b--; c++; d = c; c++; c--; c++; }
void f18(void) { b--; c++; d = c; d = c; b = d; a[2]++; }
void f19(void) { b--; c++; d = c; c++; d = c; b = d; }
void f20(void) { b--; c++; d = c; c++; c++; c++; }
void f21(void) { b--; c++; d = c; a[1]++; c++; b = d; }
void f22(void) { b--; c++; d = c; b = d; a[0]++; c--; }
void f23(void) { b--; c++; d = c; c--; a[2]++; a[3]++; }
