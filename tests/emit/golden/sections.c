/* Section directives: named, access and absolute sections of each kind,
   names kept in place (up to 6 characters) or in the string table, and the
   return to the default section. */
#pragma udata access fast
near char quick;
near int quick2;
#pragma udata bigbuffers
char buffer[64];
#pragma udata
char back_in_default;
#pragma idata at200 = 0x200
int pinned = 0x55AA;
char pinned2 = 3;
#pragma idata
int normal = 1;
#pragma romdata consts
rom int constant = 0x0102;
#pragma romdata atable1 = 0x1000
rom char absolute_table[2] = { 0xAB, 0xCD };
#pragma udata bigbuffers
char buffer2[16];
