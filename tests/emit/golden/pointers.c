/* Address constants: each address byte is a zero byte with a relocation of
   its low (4), high (3) or upper (21) byte. A far pointer to program memory
   takes three bytes; an object defined further down is referred to by its
   index once it has one. */
extern void handler(void);
extern int later;

int target;
rom char near_table[3] = { 7, 8, 9 };
far rom char far_table[2] = { 1, 2 };
struct pair { char a; int b; } couple;

int *to_data = &target;
int *into_couple = &couple.b;
rom char *to_rom = &near_table[1];
far rom char *to_far_rom = far_table + 1;
rom char *rom_pointers[2] = { near_table, &near_table[2] };
void (*to_function)(void) = handler;
int *to_later = &later;
int (*to_array)[3];
int later = 5;
