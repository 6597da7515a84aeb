/* Checks for the execution tests. A failed check prints "FAIL line N" on the
   simulator's output port and counts itself in check_failures; main then
   fails: an int main returns CHECK_RESULT(), and a program written in
   in-line assembly ends with CHECK_DONE_ASM, which stops the run when a check
   failed and otherwise leaves W = 0, the result of a void main. The support
   object (support/check.c) is linked with every test. */
#ifndef VELC_TESTS_EXEC_CHECK_H
#define VELC_TESTS_EXEC_CHECK_H

extern unsigned char check_failures;  /* failed checks so far */
extern unsigned int check_line;       /* line of the failed check, for check_fail */
extern unsigned int check_value;      /* number check_put_u16 prints */

void check_fail(void);     /* prints "FAIL line <check_line>" and counts */
void check_put_u16(void);  /* prints check_value in decimal */
void check_done(void);     /* STOP with W = check_failures when nonzero, else W = 0 */

#define CHECK(cond) do { if (!(cond)) { check_line = __LINE__; check_fail(); } } while (0)
#define CHECK_RESULT() ((int)check_failures)

/* The same from in-line assembly: reports the line where it is written. */
#define CHECK_FAIL_ASM \
  MOVLW (__LINE__) & 0xFF MOVFF WREG, check_line \
  MOVLW (__LINE__) >> 8 MOVFF WREG, check_line + 1 \
  CALL check_fail, 0
#define CHECK_DONE_ASM CALL check_done, 0

#endif
