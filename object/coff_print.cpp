// Text dump of an object record. In: a record (read from a file or built in
// memory). Out: the fixed-format listing of its headers, per-section line
// numbers, relocations and raw data, the symbol table with each auxiliary
// entry printed by its kind, and the string table. Every value comes from
// the record; nothing depends on addresses, so equal records print equally.
#include <cstdio>
#include <cstring>
#include <ctime>

#include "object/coff.h"
#include "object/coff_codec.h"

// Weekday, month, day and time of day of a time stamp (ctime's first 19 characters).
static void s_time_text(uint32_t stamp, char out[20]) {
  time_t t = time_t(stamp);
  char buf[64];
  out[0] = 0;
  if (ctime_r(&t, buf)) snprintf(out, 20, "%.19s", buf);
}

static void s_print_file_header(FILE *out, const coff_filehdr *fh) {
  char when[20];
  s_time_text(fh->f_timdat, when);
  fprintf(out, "File Header:\n");
  fprintf(out, "f_magic=%hu\n", fh->f_magic);
  fprintf(out, "f_nscns=%hu\n", fh->f_nscns);
  fprintf(out, "f_timdat=%lu  (%s)\n", (unsigned long)fh->f_timdat, when);
  fprintf(out, "f_symptr=%s\n", hexPrint(fh->f_symptr, 4));
  fprintf(out, "f_nsyms=%lu\n", (unsigned long)fh->f_nsyms);
  fprintf(out, "f_opthdr=%hu\n", fh->f_opthdr);
  fprintf(out, "f_flags=%s\n", hexPrint(fh->f_flags, 2));
  fprintf(out, "\n");
}

static void s_print_opt_header(FILE *out, const coff_opthdr *oh) {
  fprintf(out, "Optional Header:\n");
  fprintf(out, "magic=%hu\n", oh->magic);
  fprintf(out, "vstamp=%lu\n", (unsigned long)oh->vstamp);
  fprintf(out, "proc_type=%s\n", hexPrint(oh->proc_type, 4));
  fprintf(out, "rom_width_bits=%lu\n", (unsigned long)oh->rom_width_bits);
  fprintf(out, "ram_width_bits=%lu\n", (unsigned long)oh->ram_width_bits);
  fprintf(out, "\n");
}

static void s_print_section_header(FILE *out, const coff_scnhdr *h) {
  fprintf(out, "Section Header:\n");
  if (h->s_name.n_n.n_zeroes == 0) {
    fprintf(out, "_s_offset=%lu\n", (unsigned long)h->s_name.n_n.n_offset);
  } else {
    char name[9] = {0};
    memcpy(name, h->s_name.n_name, 8);
    fprintf(out, "_s_name=%s\n", name);
  }
  fprintf(out, "s_paddr=%s\n", hexPrint(h->s_paddr, 4));
  fprintf(out, "s_vaddr=%s\n", hexPrint(h->s_vaddr, 4));
  fprintf(out, "s_size=%s\n", hexPrint(h->s_size, 4));
  fprintf(out, "s_scnptr=%s\n", hexPrint(h->s_scnptr, 4));
  fprintf(out, "s_relptr=%s\n", hexPrint(h->s_relptr, 4));
  fprintf(out, "s_lnnoptr=%s\n", hexPrint(h->s_lnnoptr, 4));
  fprintf(out, "s_nreloc=%hu\n", h->s_nreloc);
  fprintf(out, "s_nlnno=%hu\n", h->s_nlnno);
  fprintf(out, "s_flags=%s\n", hexPrint(h->s_flags, 4));
  fprintf(out, "\n");
}

static void s_print_lines(FILE *out, const coff_section *sec) {
  if (!sec->lines || sec->header.s_nlnno == 0) return;
  for (unsigned k = 0; k < sec->header.s_nlnno; k++) {
    const coff_lineno *l = &sec->lines[k];
    fprintf(out, "Line Number: ");
    fprintf(out, "l_srcndx=%lu, ", (unsigned long)l->l_srcndx);
    fprintf(out, "l_lnno=%hu, ", l->l_lnno);
    fprintf(out, "l_paddr=%s, ", hexPrint(l->l_paddr, 4));
    fprintf(out, "l_flags=%s, ", hexPrint(l->l_flags, 2));
    fprintf(out, "l_fcnndx=%lu\n", (unsigned long)l->l_fcnndx);
  }
  fprintf(out, "\n");
}

static void s_print_relocs(FILE *out, const coff_section *sec) {
  if (!sec->relocs || sec->header.s_nreloc == 0) return;
  for (unsigned k = 0; k < sec->header.s_nreloc; k++) {
    const coff_reloc *r = &sec->relocs[k];
    fprintf(out, "Relocation: ");
    fprintf(out, "r_vaddr=%s, ", hexPrint(r->r_vaddr, 4));
    fprintf(out, "r_symndx=%lu, ", (unsigned long)r->r_symndx);
    fprintf(out, "r_offset=%hd,  ", r->r_offset);
    fprintf(out, "r_type=%hu\n", r->r_type);
  }
  fprintf(out, "\n");
}

// Bytes in groups of four, 32 to a line; each group separator stays at the
// end of its line.
static void s_print_raw_data(FILE *out, const coff_section *sec) {
  if (!sec->data || sec->header.s_size == 0) return;
  fprintf(out, "Raw Data:\n");
  for (uint32_t i = 0; i < sec->header.s_size; i++) {
    if (i != 0 && i % 4 == 0) fprintf(out, " ");
    if (i != 0 && i % 32 == 0) fprintf(out, "\n");
    fprintf(out, "%0*x", 2, sec->data[i]);
  }
  fprintf(out, "\n");
}

static void s_print_symbol(FILE *out, const coff_syment *s) {
  fprintf(out, "Symbol: ");
  if (s->n.n_n.n_zeroes == 0) {
    fprintf(out, "_n_offset=%lu, ", (unsigned long)s->n.n_n.n_offset);
  } else {
    char name[9] = {0};
    memcpy(name, s->n.n_name, 8);
    fprintf(out, "_n_name=%s, ", name);
  }
  fprintf(out, "n_value=%s, ", hexPrint(s->n_value, 4));
  fprintf(out, "n_scnum=%hd, ", s->n_scnum);
  fprintf(out, "n_type=%s, ", hexPrint(s->n_type, 2));
  fprintf(out, "n_sclass=%d, ", s->n_sclass);
  fprintf(out, "n_numaux=%d\n", s->n_numaux);
}

static void s_print_aux_fcn(FILE *out, const coff_auxent *a) {
  fprintf(out, "Aux Fcn:  ");
  fprintf(out, "x_tagndx=%lu, ", (unsigned long)a->x_fcn.x_tagndx);
  fprintf(out, "x_size=%lu (unused?), ", (unsigned long)a->x_fcn.x_size);
  fprintf(out, "x_lnnoptr=%s, ", hexPrint(a->x_fcn.x_lnnoptr, 4));
  fprintf(out, "x_endndx=%lu\n", (unsigned long)a->x_fcn.x_endndx);
  fprintf(out, "x_actscnum=%u\n", unsigned(int(a->x_fcn.x_actscnum)));
}

static void s_print_aux_arr(FILE *out, const coff_auxent *a) {
  fprintf(out, "Aux Arr: ");
  fprintf(out, "x_tagndx=%lu, ", (unsigned long)a->x_arr.x_tagndx);
  fprintf(out, "x_lnno=%hu (unused?), ", a->x_arr.x_lnno);
  fprintf(out, "x_size=%hu, ", a->x_arr.x_size);
  fprintf(out, "x_dimen[0]=%hu, ", a->x_arr.x_dimen[0]);
  fprintf(out, "x_dimen[1]=%hu, ", a->x_arr.x_dimen[1]);
  fprintf(out, "x_dimen[2]=%hu, ", a->x_arr.x_dimen[2]);
  fprintf(out, "x_dimen[3]=%hu\n", a->x_arr.x_dimen[3]);
}

void coff_print_aux_field(FILE *out, const coff_auxent *a) {
  fprintf(out, "Aux Field: ");
  fprintf(out, "x_size=%hu\n", a->x_field.x_size);
}

// One auxiliary entry by kind; field entries and entries of no known kind
// print nothing behind their index.
static void s_print_aux(FILE *out, const coff_auxent *a, int kind) {
  switch (kind) {
    case AUX_FILE:
      fprintf(out, "Aux File: x_offset=%lu, ", (unsigned long)a->x_file.x_offset);
      fprintf(out, "x_incline=%lu\n", (unsigned long)a->x_file.x_incline);
      break;
    case AUX_SCN:
      fprintf(out, "Aux Scn: x_scnlen=%lu, ", (unsigned long)a->x_scn.x_scnlen);
      fprintf(out, "x_nreloc=%hu, x_nlinno=%hu\n", a->x_scn.x_nreloc, a->x_scn.x_nlinno);
      break;
    case AUX_TAG:
      fprintf(out, "Aux Tag: x_size=%hu, x_endndx=%lu\n", a->x_tag.x_size, (unsigned long)a->x_tag.x_endndx);
      break;
    case AUX_EOS:
      fprintf(out, "Aux Eos: x_tagndx=%lu, x_size=%hu\n", (unsigned long)a->x_eos.x_tagndx, a->x_eos.x_size);
      break;
    case AUX_FCN: s_print_aux_fcn(out, a); break;
    case AUX_ARR: s_print_aux_arr(out, a); break;
    case AUX_EOBF:
      fprintf(out, "Aux Eobf: x_srcndx=%lu, x_lnno=%hu\n", (unsigned long)a->x_eobf.x_srcndx, a->x_eobf.x_lnno);
      break;
    case AUX_BOBF:
      fprintf(out, "Aux Bobf: x_srcndx=%lu, x_lnno=%hu, ", (unsigned long)a->x_bobf.x_srcndx, a->x_bobf.x_lnno);
      fprintf(out, "x_endndx=%lu\n", (unsigned long)a->x_bobf.x_endndx);
      break;
    case AUX_VAR:
      fprintf(out, "Aux Var: x_tagndx=%lu, x_size=%hu\n", (unsigned long)a->x_var.x_tagndx, a->x_var.x_size);
      break;
    default: break;
  }
}

static void s_print_symbols(FILE *out, const coff_file *file) {
  uint32_t count = file->symbols ? file->file_hdr.f_nsyms : 0;
  fprintf(out, "Symbol Table:\n");
  uint32_t i = 0;
  while (i < count) {
    const coff_syment *sym = &file->symbols[i].sym;
    int kind = coff_has_aux(sym);
    fprintf(out, "Index[%d]=", int(i));
    s_print_symbol(out, sym);
    uint32_t last = i + sym->n_numaux;
    for (i++; i <= last && i < count; i++) {
      fprintf(out, "Index[%d]=", int(i));
      s_print_aux(out, &file->symbols[i].aux, kind);
    }
  }
  fprintf(out, "\n");
}

static void s_print_strings(FILE *out, const coff_file *file) {
  uint32_t length = coff_string_table_length(file);
  fprintf(out, "String Table:\n");
  for (uint32_t at = 4; at < length;) {
    const char *text = reinterpret_cast<const char *>(file->string_table + at);
    fprintf(out, "Offset[%d]= %s\n", int(at), text);
    at += uint32_t(strlen(text)) + 1;
  }
  fprintf(out, "\n");
}

void coff_fprint(FILE *out, const coff_file *file) {
  fprintf(out, "CoffFile: ");
  if (file->filename)
    fprintf(out, "'%s'\n", file->filename);
  else
    fprintf(out, "<unnamed>\n");
  s_print_file_header(out, &file->file_hdr);
  s_print_opt_header(out, &file->opt_hdr);
  for (unsigned i = 0; file->sections && i < file->file_hdr.f_nscns; i++) {
    const coff_section *sec = &file->sections[i];
    s_print_section_header(out, &sec->header);
    s_print_lines(out, sec);
    s_print_relocs(out, sec);
    s_print_raw_data(out, sec);
  }
  s_print_symbols(out, file);
  s_print_strings(out, file);
}

void coff_print(const coff_file *file) { coff_fprint(stdout, file); }

void coff_print_classic_reloc(FILE *out, const uint8_t entry[10]) {
  fprintf(out, "Relocation: ");
  fprintf(out, "r_vaddr=%s, ", hexPrint(coff_get32(entry), 4));
  fprintf(out, "r_symndx=%lu, ", (unsigned long)coff_get32(entry + 4));
  fprintf(out, "r_type=%hu\n", coff_get16(entry + 8));
}

void coff_print_gnu_lineno(FILE *out, const uint8_t entry[6]) {
  uint32_t first = coff_get32(entry);
  uint16_t lnno = coff_get16(entry + 4);
  fprintf(out, "Gnu Line Number: ");
  if (lnno == 0) {
    fprintf(out, "l_symndx=%lu\n", (unsigned long)first);
  } else {
    fprintf(out, "l_paddr=%s, ", hexPrint(first, 4));
    fprintf(out, "l_lnno=%hu\n", lnno);
  }
}
