/* Initialised data linked with start-up code: after the copy of the idata
   sections every object holds its initial bytes, address bytes included,
   and the program-memory tables hold theirs. */
struct rec { char tag; int value; rom char *name; };

rom char label_text[] = "ok";
far rom char far_text[] = "far";
int counter = 0x1234;
long big = -2;
char letters[4] = "abc";
struct rec record = { 'r', 300, label_text };
int *counter_address = &counter;
far rom char *far_address = far_text + 1;
rom int table[3] = { 1, 256, -1 };

void main(void)
{
  _asm
    MOVLW 0
  _endasm
}
