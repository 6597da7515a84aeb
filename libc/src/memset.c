/* memset: fills n bytes at dst with the byte c. In-line assembly: FSR0
   walks the area, PRODL counts the bytes of the first run and PRODH the
   runs (256 bytes each after the first); 4 cycles a byte where the C loop
   takes 20. The parameters are frame slots: n at [0], c at [2], dst at [4]
   (the last parameter lowest). */
#include <string.h>

void *memset(void *dst, int c, size_t n) {
  _asm
    MOVF    4, 0, 0                     // FSR0 = dst
    MOVWF   FSR0L, 0
    MOVF    5, 0, 0
    MOVWF   FSR0H, 0
    MOVF    0, 0, 0                     // PRODH:PRODL = n
    MOVWF   PRODL, 0
    MOVF    1, 0, 0
    MOVWF   PRODH, 0
    MOVF    2, 0, 0                     // W = the byte
    TSTFSZ  PRODL, 0                    // a partial first run counts as a run
    INCF    PRODH, 1, 0
    TSTFSZ  PRODH, 0
    BRA     fill
    BRA     done                        // n == 0
  fill:
    MOVWF   POSTINC0, 0
    DECFSZ  PRODL, 1, 0
    BRA     fill
    DECFSZ  PRODH, 1, 0
    BRA     fill
  done:
  _endasm
  return dst;
}
