// Tree dumps: in comes a syntax tree or a type chain; out goes text. The
// trace dump (hl_print_ast, hl_print_type) prints kinds only; the detailed
// dump (hl_dump_tree) adds every payload (names, constants, types, asm
// entries, pragma records) in a stable form for golden tests. Both walk the
// tree with an explicit stack, so a deep tree cannot exhaust the host stack.
#include <cstdio>
#include <utility>
#include <vector>

#include "front/front.h"
#include "front/hl.h"

const char *s_get_opcode_name(int32_t kind) {
  switch (kind) {
#define HL_KIND(id, code, name) \
  case code:                    \
    return name;
#include "front/hl_kinds.def"
#undef HL_KIND
  default:
    return "--ERRROR--";
  }
}

static const char *s_type_word(int32_t kind) {
  switch (kind) {
#define HL_TYPE(id, code, word) \
  case code:                    \
    return word;
#include "front/hl_types.def"
#undef HL_TYPE
  default:
    return "???";
  }
}

void hl_print_ast(const pcodehl *root) {
  std::vector<std::pair<const pcodehl *, int>> work;
  if (root)
    work.emplace_back(root, 0);
  while (!work.empty()) {
    auto [node, depth] = work.back();
    work.pop_back();
    int indent = depth * 4;
    printf("%10s:%4ld: %*.*s%s\n", node->file ? node->file : "", node->line, indent, indent, "",
           s_get_opcode_name(node->kind));
    if (node->right)
      work.emplace_back(node->right, depth + 1);
    if (node->left)
      work.emplace_back(node->left, depth + 1);
  }
}

void hl_print_type(const typehl *type) {
  for (const typenodehl *n = type ? type->head : nullptr; n; n = n->next)
    printf("%s ", s_type_word(n->kind));
  printf("\n");
}

// ---- detailed dump ----------------------------------------------------------

static void s_dump(FILE *out, const pcodehl *root, int depth);

static void s_indent(FILE *out, int depth) {
  fprintf(out, "%*s", depth * 2, "");
}

static void s_dump_bytes(FILE *out, const char *bytes, int count) {
  fputc('"', out);
  for (int i = 0; i < count; i++) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '"' || c == '\\')
      fprintf(out, "\\%c", c);
    else if (c >= 0x20 && c < 0x7F)
      fputc(c, out);
    else
      fprintf(out, "\\x%02X", c);
  }
  fprintf(out, "\" (%d)", count);
}

// One type chain, with the bodies of its parts on the following lines.
static void s_dump_type(FILE *out, const typehl *type, int depth) {
  fputs("type:", out);
  for (const typenodehl *n = type ? type->head : nullptr; n; n = n->next) {
    fprintf(out, " %s", s_type_word(n->kind));
    if (n->kind == TH_STRUCT || n->kind == TH_UNION || n->kind == TH_ENUM)
      fprintf(out, "(%s%s)", n->u.sue.tag ? n->u.sue.tag : "", n->u.sue.defined ? " defined" : "");
    if (n->kind == TH_FUNCTION)
      fprintf(out, "(%s%s)", n->u.func.prototype ? "proto" : "noproto", n->u.func.ellipsis ? " ..." : "");
  }
  fputc('\n', out);
  for (const typenodehl *n = type ? type->head : nullptr; n; n = n->next) {
    if (n->kind == TH_ARRAY && n->u.array.size) {
      s_indent(out, depth + 1);
      fputs("array size:\n", out);
      s_dump(out, n->u.array.size, depth + 2);
    } else if (n->kind == TH_FUNCTION && n->u.func.params) {
      s_indent(out, depth + 1);
      fputs("parameters:\n", out);
      s_dump(out, n->u.func.params, depth + 2);
    } else if ((n->kind == TH_STRUCT || n->kind == TH_UNION || n->kind == TH_ENUM) && n->u.sue.members) {
      for (const typenodehl *m = n->u.sue.members->head; m; m = m->next) {
        s_indent(out, depth + 1);
        fprintf(out, "member %s ", m->u.member.name ? m->u.member.name : "(unnamed)");
        if (m->u.member.type)
          s_dump_type(out, m->u.member.type, depth + 1);
        else
          fputc('\n', out);
        if (m->u.member.expr)
          s_dump(out, m->u.member.expr, depth + 2);
      }
    }
  }
}

static void s_dump_asm(FILE *out, const asm_entry *entries, int depth) {
  fputc('\n', out);
  for (const asm_entry *e = entries; e; e = e->next) {
    s_indent(out, depth + 1);
    if (e->type == LABEL_HINST) {
      fprintf(out, "label %s\n", e->text);
      continue;
    }
    fprintf(out, "inst %s @%ld", e->text, e->line);
    for (const asm_operand *op = e->operands; op; op = op->next) {
      if (op->symbol)
        fprintf(out, " [%s%+d]", op->symbol, op->value);
      else
        fprintf(out, " [%d]", op->value);
    }
    fputc('\n', out);
  }
}

// The payload part of a node's line (after kind and line number).
static void s_dump_payload(FILE *out, const pcodehl *node, int depth) {
  switch (node->kind) {
  case H_IDENT:
    fprintf(out, " %s%s\n", node->u.ident.name, node->u.ident.called ? " called" : "");
    break;
  case H_MEMBER:
    fprintf(out, " %s%s\n", node->u.member.dot ? "." : "->", node->u.member.name);
    break;
  case H_LABEL: fprintf(out, " %s\n", node->u.label.name); break;
  case H_CNST:
    if (node->u.cnst.type == CT_FLOAT)
      fprintf(out, " type %d value %g\n", node->u.cnst.type, static_cast<double>(node->u.cnst.value.f));
    else
      fprintf(out, " type %d value %d\n", node->u.cnst.type, node->u.cnst.value.i);
    break;
  case H_STRING:
    fputc(' ', out);
    s_dump_bytes(out, node->u.string.bytes, node->u.string.count);
    fputc('\n', out);
    break;
  case H_DECL:
  case H_CAST:
  case H_SIZEOFTYPE:
    fputc(' ', out);
    s_dump_type(out, node->u.decl.type, depth);
    break;
  case H_FUNCT:
    fprintf(out, " %s ", node->u.funct.name ? node->u.funct.name : "");
    s_dump_type(out, node->u.funct.type, depth);
    break;
  case H_CSTMT: fprintf(out, " closes @%ld\n", node->u.close.line); break;
  case H_ASM: s_dump_asm(out, node->u.asmblock.entries, depth); break;
  case H_PRAGMA: {
    char buffer[512];
    fprintf(out, " %s\n", pragma_record_format(&node->u.pragma, buffer, sizeof buffer));
    break;
  }
  default: fputc('\n', out); break;
  }
}

static void s_dump(FILE *out, const pcodehl *root, int depth) {
  std::vector<std::pair<const pcodehl *, int>> work;
  work.emplace_back(root, depth);
  while (!work.empty()) {
    auto [node, d] = work.back();
    work.pop_back();
    s_indent(out, d);
    if (!node) {
      fputs("(null)\n", out);
      continue;
    }
    fprintf(out, "%s @%ld", s_get_opcode_name(node->kind), node->line);
    s_dump_payload(out, node, d);
    // A typedef declarator's missing initialiser slot shows as "(null)".
    if (node->right || node->kind == H_DECL)
      work.emplace_back(node->right, d + 1);
    if (node->left)
      work.emplace_back(node->left, d + 1);
  }
}

void hl_dump_tree(FILE *out, const pcodehl *root) {
  if (root)
    s_dump(out, root, 0);
}
