// Byte encoding of the object-format records: each record to and from its
// little-endian packed file image, independent of the host's struct layout.
// Used by the reader and the writer; test benches may use it to forge files.
#ifndef VELC_OBJECT_COFF_CODEC_H
#define VELC_OBJECT_COFF_CODEC_H

#include "object/coff.h"

// Little-endian field access on a byte buffer.
uint16_t coff_get16(const uint8_t *p);
uint32_t coff_get32(const uint8_t *p);
void coff_put16(uint8_t *p, uint16_t v);
void coff_put32(uint8_t *p, uint32_t v);

// File header to and from its 20 bytes.
void coff_encode_filehdr(uint8_t out[FILHSZ], const coff_filehdr *hdr);
void coff_decode_filehdr(coff_filehdr *hdr, const uint8_t in[FILHSZ]);
// Optional header to and from its 18 bytes.
void coff_encode_opthdr(uint8_t out[OPTHSZ], const coff_opthdr *hdr);
void coff_decode_opthdr(coff_opthdr *hdr, const uint8_t in[OPTHSZ]);
// Section header to and from its 40 bytes.
void coff_encode_scnhdr(uint8_t out[SCNHSZ], const coff_scnhdr *hdr);
void coff_decode_scnhdr(coff_scnhdr *hdr, const uint8_t in[SCNHSZ]);
// Relocation entry to and from its 12 bytes.
void coff_encode_reloc(uint8_t out[RELSZ], const coff_reloc *rel);
void coff_decode_reloc(coff_reloc *rel, const uint8_t in[RELSZ]);
// Line-number entry to and from its 16 bytes.
void coff_encode_lineno(uint8_t out[LINESZ], const coff_lineno *line);
void coff_decode_lineno(coff_lineno *line, const uint8_t in[LINESZ]);
// Symbol entry to and from its 20 bytes.
void coff_encode_syment(uint8_t out[SYMESZ], const coff_syment *sym);
void coff_decode_syment(coff_syment *sym, const uint8_t in[SYMESZ]);
// Auxiliary entry of the given kind (AUX_*) to and from its 20 bytes.
void coff_encode_auxent(uint8_t out[AUXESZ], const coff_auxent *aux, int kind);
void coff_decode_auxent(coff_auxent *aux, const uint8_t in[AUXESZ], int kind);
// The whole symbol table (count slots) to and from count * 20 bytes; each
// auxiliary slot takes the kind of the symbol it follows.
void coff_encode_symbols(uint8_t *out, const coff_symbol *symbols, uint32_t count);
void coff_decode_symbols(coff_symbol *symbols, const uint8_t *in, uint32_t count);

#endif
