// Support routines of the execution tests, in in-line assembly so that they
// need nothing of the code generator but blocks. In: check_line or
// check_value. Out: text on the simulator's output port (address 0xFD7),
// check_failures counted, and a STOP that fails the run.
#include "check.h"

unsigned char check_failures;
unsigned int check_line;
unsigned int check_value;
unsigned char check_digit, check_started;

// One decimal digit of check_value: PRODH:PRODL is its power of ten, which
// is subtracted while it fits; leading zeros are not printed.
void check_put_digit(void)
{
  _asm
    MOVLB   check_value
    MOVLW   0x30
    MOVWF   check_digit, 1
  again:
    MOVF    PRODL, 0, 0
    SUBWF   check_value, 1, 1
    MOVF    PRODH, 0, 0
    SUBWFB  check_value + 1, 1, 1
    BNC     undo
    INCF    check_digit, 1, 1
    BRA     again
  undo:
    MOVF    PRODL, 0, 0
    ADDWF   check_value, 1, 1
    MOVF    PRODH, 0, 0
    ADDWFC  check_value + 1, 1, 1
    MOVF    check_digit, 0, 1
    XORLW   0x30
    IORWF   check_started, 0, 1
    BZ      quiet
    MOVF    check_digit, 0, 1
    MOVWF   0xD7, 0
    SETF    check_started, 1
  quiet:
  _endasm
}

void check_put_u16(void)
{
  _asm
    MOVLB   check_started
    CLRF    check_started, 1
    MOVLW   0x10
    MOVWF   PRODL, 0
    MOVLW   0x27
    MOVWF   PRODH, 0
    CALL    check_put_digit, 0
    MOVLW   0xE8
    MOVWF   PRODL, 0
    MOVLW   0x03
    MOVWF   PRODH, 0
    CALL    check_put_digit, 0
    MOVLW   100
    MOVWF   PRODL, 0
    CLRF    PRODH, 0
    CALL    check_put_digit, 0
    MOVLW   10
    MOVWF   PRODL, 0
    CALL    check_put_digit, 0
    MOVLB   check_value
    MOVF    check_value, 0, 1
    ADDLW   0x30
    MOVWF   0xD7, 0
  _endasm
}

void check_fail(void)
{
  _asm
    MOVLW   'F'
    MOVWF   0xD7, 0
    MOVLW   'A'
    MOVWF   0xD7, 0
    MOVLW   'I'
    MOVWF   0xD7, 0
    MOVLW   'L'
    MOVWF   0xD7, 0
    MOVLW   ' '
    MOVWF   0xD7, 0
    MOVLW   'l'
    MOVWF   0xD7, 0
    MOVLW   'i'
    MOVWF   0xD7, 0
    MOVLW   'n'
    MOVWF   0xD7, 0
    MOVLW   'e'
    MOVWF   0xD7, 0
    MOVLW   ' '
    MOVWF   0xD7, 0
    MOVFF   check_line, check_value
    MOVFF   check_line + 1, check_value + 1
    CALL    check_put_u16, 0
    MOVLW   10
    MOVWF   0xD7, 0
    MOVLB   check_failures
    INCF    check_failures, 1, 1
  _endasm
}

void check_done(void)
{
  _asm
    MOVLB   check_failures
    MOVF    check_failures, 0, 1
    BZ      passed
    STOP
  passed:
  _endasm
}
