/* memcmp: compares n bytes as unsigned chars; the difference of the first
   pair that differs, 0 when all are equal. In-line assembly: FSR0 walks a
   and FSR2 walks b, PRODL counts the bytes of the first run and PRODH the
   runs (256 bytes each after the first), 6 cycles a byte where the C loop
   takes 27; the pair of bytes that differ (or two zeros) goes to the locals
   x and y for the return. Frame slots: n at [0], b at [2], a at [4] (the
   last parameter lowest), the caller's FSR2L at [6], x at [7], y at [8];
   the frame pointer is FSR1 - 9, which restores it after the walk. */
#include <string.h>

int memcmp(const void *a, const void *b, size_t n) {
  unsigned char x, y;
  _asm
    MOVF    0, 0, 0                     // PRODH:PRODL = n
    MOVWF   PRODL, 0
    MOVF    1, 0, 0
    MOVWF   PRODH, 0
    MOVF    4, 0, 0                     // FSR0 = a
    MOVWF   FSR0L, 0
    MOVF    5, 0, 0
    MOVWF   FSR0H, 0
    MOVF    2, 0, 0                     // FSR2 = b
    MOVSF   3, FSR2H
    MOVWF   FSR2L, 0
    TSTFSZ  PRODL, 0                    // a partial first run counts as a run
    INCF    PRODH, 1, 0
    TSTFSZ  PRODH, 0
    BRA     next
    BRA     same                        // n == 0
  next:
    MOVF    POSTINC0, 0, 0
    SUBWF   POSTINC2, 0, 0              // Z when the bytes are equal
    BNZ     pair
    DECFSZ  PRODL, 1, 0
    BRA     next
    DECFSZ  PRODH, 1, 0
    BRA     next
  same:
    CLRF    PRODL, 0
    CLRF    PRODH, 0
    BRA     store
  pair:
    SUBFSR  0, 1                        // back to the bytes that differ
    SUBFSR  2, 1
    MOVFF   INDF0, PRODL
    MOVFF   INDF2, PRODH
  store:
    MOVFF   FSR1L, FSR2L                // the frame pointer again
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 9
    MOVF    PRODL, 0, 0
    MOVWF   7, 0
    MOVF    PRODH, 0, 0
    MOVWF   8, 0
  _endasm
  return (int)x - (int)y;
}
