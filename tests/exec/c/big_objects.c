// Objects larger than a bank: a 512-byte table of bytes and a 512-byte
// table of words in one section that straddles two bank boundaries, with a
// word (crc_table[77]) whose two bytes lie in different banks, and a
// structure larger than a bank with a member that straddles a boundary.
// Each byte access selects the bank of its own address, so constant and
// computed indexes, 16-bit operations and compound assignments reach the
// right bytes.
#include "check.h"

// The section starts at 0x100, so crc_table[77] is at 0x1FF and 0x200.
#pragma udata big_tables=0x100
unsigned char before[101];
unsigned int crc_table[256];
unsigned char bytes[512];
// A structure larger than a bank whose member w is at 0x6FF and 0x700.
#pragma udata big_record=0x600
struct record { unsigned char pad[255]; unsigned int w; unsigned char tail[10]; } rec;
#pragma udata

static unsigned int s_entry(unsigned int i) { return (i * 257) ^ 0x1021; }

int main(void)
{
  unsigned int i, sum;
  for (i = 0; i < 256; i++) crc_table[i] = s_entry(i);
  for (i = 0; i < 512; i++) bytes[i] = (unsigned char)(i ^ (i >> 8));
  before[100] = 0x5A;
  CHECK(crc_table[0] == 0x1021); CHECK(crc_table[77] == s_entry(77)); CHECK(crc_table[78] == s_entry(78));
  CHECK(crc_table[200] == s_entry(200)); CHECK(crc_table[255] == s_entry(255));
  CHECK(bytes[200] == 200); CHECK(bytes[300] == (unsigned char)(300 ^ 1)); CHECK(bytes[511] == (unsigned char)(511 ^ 1));
  CHECK(before[100] == 0x5A);
  sum = 0;
  for (i = 0; i < 256; i++) sum += crc_table[i] ^ bytes[i * 2];
  for (i = 0; i < 256; i++) sum -= s_entry(i) ^ (unsigned char)(i * 2 ^ (i * 2 >> 8));
  CHECK(sum == 0);
  crc_table[77] += 0x0101; CHECK(crc_table[77] == s_entry(77) + 0x0101);
  crc_table[77] ^= 0xFFFF; CHECK(crc_table[77] == (unsigned int)~(s_entry(77) + 0x0101));
  crc_table[77] = crc_table[200]; CHECK(crc_table[77] == s_entry(200));
  crc_table[77]++; CHECK(crc_table[77] == s_entry(200) + 1);
  crc_table[77] = crc_table[77] << 3; CHECK(crc_table[77] == (unsigned int)((s_entry(200) + 1) << 3));
  crc_table[77] = 0x00FF; crc_table[77]++; CHECK(crc_table[77] == 0x0100);
  crc_table[77] -= crc_table[0]; CHECK(crc_table[77] == (unsigned int)(0x0100 - 0x1021));
  bytes[300] += bytes[200]; CHECK(bytes[300] == (unsigned char)((300 ^ 1) + 200));
  CHECK(crc_table[78] == s_entry(78)); CHECK(crc_table[76] == s_entry(76)); CHECK(before[100] == 0x5A);
  rec.pad[254] = 7; rec.w = 0x12FF; rec.tail[0] = 9;
  CHECK(rec.w == 0x12FF); CHECK(rec.pad[254] == 7); CHECK(rec.tail[0] == 9);
  rec.w++; CHECK(rec.w == 0x1300);
  rec.w += 0x0101; CHECK(rec.w == 0x1401);
  rec.w -= rec.pad[254]; CHECK(rec.w == 0x13FA);
  rec.w = rec.w * 3; CHECK(rec.w == 0x3BEE);
  rec.w ^= 0xFF00; CHECK(rec.w == 0xC4EE);
  rec.w = rec.w >> 4; CHECK(rec.w == 0x0C4E);
  rec.w <<= 2; CHECK(rec.w == 0x3138);
  CHECK(rec.w > 0x3137 && rec.w < 0x3139 && rec.w != 0x3038);
  rec.tail[9] = (unsigned char)rec.w; CHECK(rec.tail[9] == 0x38);
  CHECK(rec.pad[254] == 7 && rec.tail[0] == 9);
  return CHECK_RESULT();
}
