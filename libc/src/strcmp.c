/* strcmp: compares two strings as unsigned chars; the difference of the
   first pair that differs, 0 when they are equal. In-line assembly: FSR0
   walks a and FSR2 walks b, 5 cycles a byte where the C loop takes 31; the
   pair of bytes that ended the walk goes to the locals x and y for the
   return. Frame slots: b at [0], a at [2] (the last parameter lowest), the
   caller's FSR2L at [4], x at [5], y at [6]; the frame pointer is FSR1 - 7,
   which restores it after the walk. */
#include <string.h>

int strcmp(const char *a, const char *b) {
  unsigned char x, y;
  _asm
    MOVF    2, 0, 0                     // FSR0 = a
    MOVWF   FSR0L, 0
    MOVF    3, 0, 0
    MOVWF   FSR0H, 0
    MOVF    0, 0, 0                     // FSR2 = b
    MOVSF   1, FSR2H
    MOVWF   FSR2L, 0
  next:
    MOVF    POSTINC0, 0, 0              // the end of a ends the walk
    BZ      last
    SUBWF   POSTINC2, 0, 0              // equal bytes go on
    BZ      next
    BRA     pair
  last:
    ADDFSR  2, 1
  pair:
    SUBFSR  0, 1                        // back to the bytes that ended it
    SUBFSR  2, 1
    MOVFF   INDF0, PRODL
    MOVFF   INDF2, PRODH
    MOVFF   FSR1L, FSR2L                // the frame pointer again
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 7
    MOVF    PRODL, 0, 0
    MOVWF   5, 0
    MOVF    PRODH, 0, 0
    MOVWF   6, 0
  _endasm
  return (int)x - (int)y;
}
