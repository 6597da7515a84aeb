// Byte encoding of the object-format records. In: a record or a file image.
// Out: the other one. Every multi-byte field is little-endian and the fields
// follow each other without padding, so each record is written field by
// field at its fixed offset; nothing depends on how the host lays out structs.
#include <cstring>

#include "object/coff_codec.h"

uint16_t coff_get16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }

uint32_t coff_get32(const uint8_t *p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void coff_put16(uint8_t *p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}

void coff_put32(uint8_t *p, uint32_t v) {
  for (int i = 0; i < 4; i++) p[i] = uint8_t(v >> (8 * i));
}

// A name field whose first four bytes are zero holds a string-table offset.
static void s_encode_name(uint8_t out[8], const coff_name *name) {
  if (name->n_n.n_zeroes == 0) {
    coff_put32(out, 0);
    coff_put32(out + 4, name->n_n.n_offset);
  } else {
    memcpy(out, name->n_name, 8);
  }
}

static void s_decode_name(coff_name *name, const uint8_t in[8]) {
  if (coff_get32(in) == 0) {
    name->n_n.n_zeroes = 0;
    name->n_n.n_offset = coff_get32(in + 4);
  } else {
    memcpy(name->n_name, in, 8);
  }
}

void coff_encode_filehdr(uint8_t out[FILHSZ], const coff_filehdr *hdr) {
  coff_put16(out + 0, hdr->f_magic);
  coff_put16(out + 2, hdr->f_nscns);
  coff_put32(out + 4, hdr->f_timdat);
  coff_put32(out + 8, hdr->f_symptr);
  coff_put32(out + 12, hdr->f_nsyms);
  coff_put16(out + 16, hdr->f_opthdr);
  coff_put16(out + 18, hdr->f_flags);
}

void coff_decode_filehdr(coff_filehdr *hdr, const uint8_t in[FILHSZ]) {
  hdr->f_magic = coff_get16(in + 0);
  hdr->f_nscns = coff_get16(in + 2);
  hdr->f_timdat = coff_get32(in + 4);
  hdr->f_symptr = coff_get32(in + 8);
  hdr->f_nsyms = coff_get32(in + 12);
  hdr->f_opthdr = coff_get16(in + 16);
  hdr->f_flags = coff_get16(in + 18);
}

void coff_encode_opthdr(uint8_t out[OPTHSZ], const coff_opthdr *hdr) {
  coff_put16(out + 0, hdr->magic);
  coff_put32(out + 2, hdr->vstamp);
  coff_put32(out + 6, hdr->proc_type);
  coff_put32(out + 10, hdr->rom_width_bits);
  coff_put32(out + 14, hdr->ram_width_bits);
}

void coff_decode_opthdr(coff_opthdr *hdr, const uint8_t in[OPTHSZ]) {
  hdr->magic = coff_get16(in + 0);
  hdr->vstamp = coff_get32(in + 2);
  hdr->proc_type = coff_get32(in + 6);
  hdr->rom_width_bits = coff_get32(in + 10);
  hdr->ram_width_bits = coff_get32(in + 14);
}

void coff_encode_scnhdr(uint8_t out[SCNHSZ], const coff_scnhdr *hdr) {
  s_encode_name(out, &hdr->s_name);
  coff_put32(out + 8, hdr->s_paddr);
  coff_put32(out + 12, hdr->s_vaddr);
  coff_put32(out + 16, hdr->s_size);
  coff_put32(out + 20, hdr->s_scnptr);
  coff_put32(out + 24, hdr->s_relptr);
  coff_put32(out + 28, hdr->s_lnnoptr);
  coff_put16(out + 32, hdr->s_nreloc);
  coff_put16(out + 34, hdr->s_nlnno);
  coff_put32(out + 36, hdr->s_flags);
}

void coff_decode_scnhdr(coff_scnhdr *hdr, const uint8_t in[SCNHSZ]) {
  s_decode_name(&hdr->s_name, in);
  hdr->s_paddr = coff_get32(in + 8);
  hdr->s_vaddr = coff_get32(in + 12);
  hdr->s_size = coff_get32(in + 16);
  hdr->s_scnptr = coff_get32(in + 20);
  hdr->s_relptr = coff_get32(in + 24);
  hdr->s_lnnoptr = coff_get32(in + 28);
  hdr->s_nreloc = coff_get16(in + 32);
  hdr->s_nlnno = coff_get16(in + 34);
  hdr->s_flags = coff_get32(in + 36);
}

void coff_encode_reloc(uint8_t out[RELSZ], const coff_reloc *rel) {
  coff_put32(out + 0, rel->r_vaddr);
  coff_put32(out + 4, rel->r_symndx);
  coff_put16(out + 8, uint16_t(rel->r_offset));
  coff_put16(out + 10, rel->r_type);
}

void coff_decode_reloc(coff_reloc *rel, const uint8_t in[RELSZ]) {
  rel->r_vaddr = coff_get32(in + 0);
  rel->r_symndx = coff_get32(in + 4);
  rel->r_offset = int16_t(coff_get16(in + 8));
  rel->r_type = coff_get16(in + 10);
}

void coff_encode_lineno(uint8_t out[LINESZ], const coff_lineno *line) {
  coff_put32(out + 0, line->l_srcndx);
  coff_put16(out + 4, line->l_lnno);
  coff_put32(out + 6, line->l_paddr);
  coff_put16(out + 10, line->l_flags);
  coff_put32(out + 12, line->l_fcnndx);
}

void coff_decode_lineno(coff_lineno *line, const uint8_t in[LINESZ]) {
  line->l_srcndx = coff_get32(in + 0);
  line->l_lnno = coff_get16(in + 4);
  line->l_paddr = coff_get32(in + 6);
  line->l_flags = coff_get16(in + 10);
  line->l_fcnndx = coff_get32(in + 12);
}

void coff_encode_syment(uint8_t out[SYMESZ], const coff_syment *sym) {
  s_encode_name(out, &sym->n);
  coff_put32(out + 8, sym->n_value);
  coff_put16(out + 12, uint16_t(sym->n_scnum));
  coff_put32(out + 14, sym->n_type);
  out[18] = sym->n_sclass;
  out[19] = sym->n_numaux;
}

void coff_decode_syment(coff_syment *sym, const uint8_t in[SYMESZ]) {
  s_decode_name(&sym->n, in);
  sym->n_value = coff_get32(in + 8);
  sym->n_scnum = int16_t(coff_get16(in + 12));
  sym->n_type = coff_get32(in + 14);
  sym->n_sclass = in[18];
  sym->n_numaux = in[19];
}
