// Byte encoding of auxiliary entries and of the whole symbol table. In: a
// symbol-table array or its file image. Out: the other one. An auxiliary
// entry has no tag of its own: its layout is the kind that coff_has_aux
// gives for the symbol it follows, so the table is walked symbol by symbol.
// Bytes a layout does not name are written as zero; an entry of a symbol
// without a known kind is kept byte for byte.
#include <cstring>

#include "object/coff_codec.h"

static void s_encode_fcn(uint8_t *out, const coff_auxent *aux) {
  coff_put32(out + 0, aux->x_fcn.x_tagndx);
  coff_put32(out + 4, aux->x_fcn.x_size);
  coff_put32(out + 8, aux->x_fcn.x_lnnoptr);
  coff_put32(out + 12, aux->x_fcn.x_endndx);
  coff_put16(out + 16, uint16_t(aux->x_fcn.x_actscnum));
}

static void s_decode_fcn(coff_auxent *aux, const uint8_t *in) {
  aux->x_fcn.x_tagndx = coff_get32(in + 0);
  aux->x_fcn.x_size = coff_get32(in + 4);
  aux->x_fcn.x_lnnoptr = coff_get32(in + 8);
  aux->x_fcn.x_endndx = coff_get32(in + 12);
  aux->x_fcn.x_actscnum = int16_t(coff_get16(in + 16));
}

static void s_encode_arr(uint8_t *out, const coff_auxent *aux) {
  coff_put32(out + 0, aux->x_arr.x_tagndx);
  coff_put16(out + 4, aux->x_arr.x_lnno);
  coff_put16(out + 6, aux->x_arr.x_size);
  for (int i = 0; i < 4; i++) coff_put16(out + 8 + 2 * i, aux->x_arr.x_dimen[i]);
  for (int i = 0; i < 2; i++) coff_put16(out + 16 + 2 * i, aux->x_arr.x_dimen_more[i]);
}

static void s_decode_arr(coff_auxent *aux, const uint8_t *in) {
  aux->x_arr.x_tagndx = coff_get32(in + 0);
  aux->x_arr.x_lnno = coff_get16(in + 4);
  aux->x_arr.x_size = coff_get16(in + 6);
  for (int i = 0; i < 4; i++) aux->x_arr.x_dimen[i] = coff_get16(in + 8 + 2 * i);
  for (int i = 0; i < 2; i++) aux->x_arr.x_dimen_more[i] = coff_get16(in + 16 + 2 * i);
}

void coff_encode_auxent(uint8_t out[AUXESZ], const coff_auxent *aux, int kind) {
  memset(out, 0, AUXESZ);
  switch (kind) {
    case AUX_FILE:
      coff_put32(out + 0, aux->x_file.x_offset);
      coff_put32(out + 4, aux->x_file.x_incline);
      out[8] = aux->x_file.x_flags;
      break;
    case AUX_SCN:
      coff_put32(out + 0, aux->x_scn.x_scnlen);
      coff_put16(out + 4, aux->x_scn.x_nreloc);
      coff_put16(out + 6, aux->x_scn.x_nlinno);
      break;
    case AUX_TAG:
      coff_put16(out + 6, aux->x_tag.x_size);
      coff_put32(out + 12, aux->x_tag.x_endndx);
      break;
    case AUX_EOS: coff_put32(out + 0, aux->x_eos.x_tagndx); coff_put16(out + 6, aux->x_eos.x_size); break;
    case AUX_FCN: s_encode_fcn(out, aux); break;
    case AUX_ARR: s_encode_arr(out, aux); break;
    case AUX_EOBF: coff_put32(out + 0, aux->x_eobf.x_srcndx); coff_put16(out + 4, aux->x_eobf.x_lnno); break;
    case AUX_BOBF:
      coff_put32(out + 0, aux->x_bobf.x_srcndx);
      coff_put16(out + 4, aux->x_bobf.x_lnno);
      coff_put32(out + 12, aux->x_bobf.x_endndx);
      break;
    case AUX_VAR: coff_put32(out + 0, aux->x_var.x_tagndx); coff_put16(out + 6, aux->x_var.x_size); break;
    case AUX_FIELD: coff_put16(out + 6, aux->x_field.x_size); break;
    default: memcpy(out, aux->x_raw, AUXESZ); break;
  }
}

void coff_decode_auxent(coff_auxent *aux, const uint8_t in[AUXESZ], int kind) {
  memset(aux, 0, sizeof *aux);
  switch (kind) {
    case AUX_FILE:
      aux->x_file.x_offset = coff_get32(in + 0);
      aux->x_file.x_incline = coff_get32(in + 4);
      aux->x_file.x_flags = in[8];
      break;
    case AUX_SCN:
      aux->x_scn.x_scnlen = coff_get32(in + 0);
      aux->x_scn.x_nreloc = coff_get16(in + 4);
      aux->x_scn.x_nlinno = coff_get16(in + 6);
      break;
    case AUX_TAG: aux->x_tag.x_size = coff_get16(in + 6); aux->x_tag.x_endndx = coff_get32(in + 12); break;
    case AUX_EOS: aux->x_eos.x_tagndx = coff_get32(in + 0); aux->x_eos.x_size = coff_get16(in + 6); break;
    case AUX_FCN: s_decode_fcn(aux, in); break;
    case AUX_ARR: s_decode_arr(aux, in); break;
    case AUX_EOBF: aux->x_eobf.x_srcndx = coff_get32(in + 0); aux->x_eobf.x_lnno = coff_get16(in + 4); break;
    case AUX_BOBF:
      aux->x_bobf.x_srcndx = coff_get32(in + 0);
      aux->x_bobf.x_lnno = coff_get16(in + 4);
      aux->x_bobf.x_endndx = coff_get32(in + 12);
      break;
    case AUX_VAR: aux->x_var.x_tagndx = coff_get32(in + 0); aux->x_var.x_size = coff_get16(in + 6); break;
    case AUX_FIELD: aux->x_field.x_size = coff_get16(in + 6); break;
    default: memcpy(aux->x_raw, in, AUXESZ); break;
  }
}

void coff_encode_symbols(uint8_t *out, const coff_symbol *symbols, uint32_t count) {
  uint32_t i = 0;
  while (i < count) {
    const coff_syment *sym = &symbols[i].sym;
    int kind = coff_has_aux(sym);
    coff_encode_syment(out + SYMESZ * size_t(i), sym);
    uint32_t last = i + sym->n_numaux;
    for (i++; i <= last && i < count; i++) coff_encode_auxent(out + SYMESZ * size_t(i), &symbols[i].aux, kind);
  }
}

void coff_decode_symbols(coff_symbol *symbols, const uint8_t *in, uint32_t count) {
  uint32_t i = 0;
  while (i < count) {
    coff_syment *sym = &symbols[i].sym;
    coff_decode_syment(sym, in + SYMESZ * size_t(i));
    int kind = coff_has_aux(sym);
    uint32_t last = i + sym->n_numaux;
    for (i++; i <= last && i < count; i++) coff_decode_auxent(&symbols[i].aux, in + SYMESZ * size_t(i), kind);
  }
}
