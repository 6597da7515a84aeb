// The preprocessor's shared records: tokens, identifiers, macros, source
// files, conditional groups and the run state that every pass reads. The
// records live for the whole run; Pp owns them all and frees them at exit.
#ifndef VELC_CPPQX_PP_H
#define VELC_CPPQX_PP_H

#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Token kinds of translation phase 3 plus the preprocessor's own markers.
enum TokKind : uint8_t {
  TK_EOF,         // end of the current source
  TK_EOL,         // end of a directive line
  TK_IDENT,       // identifier; Token::ident is set
  TK_NUMBER,      // pp-number
  TK_CHAR,        // character constant, possibly wide
  TK_STRING,      // string literal, possibly wide
  TK_PUNCT,       // punctuator; Token::code is its PunctCode
  TK_OTHER,       // any other single character
  TK_HEADER,      // <name> in an #include line
  TK_PARAM,       // macro parameter in a replacement list; Token::code is its index
  TK_PLACEMARKER  // empty argument operand of ##, removed after replacement
};

enum PunctCode : uint16_t {
#define PUNCT(code, spelling) code,
#include "cppqx/punct.def"
#undef PUNCT
  P_COUNT
};

enum DirectiveCode : uint8_t {
#define DIRECTIVE(code, name, handler) code,
#include "cppqx/directives.def"
#undef DIRECTIVE
  D_COUNT
};

// Token flags.
enum : uint8_t {
  TF_SPACE = 1,         // white space (or a line start) precedes the token
  TF_BOL = 2,           // first token of a source line
  TF_NOEXPAND = 4,      // identifier met inside its own expansion: never replaced
  TF_MACRO = 8,         // produced by macro replacement
  TF_UNTERMINATED = 16  // quote without its closing quote on the line
};

struct Macro;
struct HideSet;

struct Ident {
  const char *name;  // NUL-terminated, interned
  uint32_t len;
  uint32_t hash;
  Macro *macro;      // current definition, or null
  uint8_t builtin;   // BI_* for __FILE__, __LINE__ and defined
  const HideSet *single;  // the hide set {this name}, made on first use
};

// Identifiers the program reserves: replaced by the program itself
// (__FILE__, __LINE__), an #if operator (defined), or fixed at start-up
// (__DATE__, __TIME__, __STDC__), or the _Pragma operator; none may be
// defined or undefined.
enum : uint8_t { BI_NONE, BI_FILE, BI_LINE, BI_DEFINED, BI_PROTECTED, BI_PRAGMA };

struct Token {
  const char *text;    // spelling (not NUL-terminated)
  uint32_t len;
  uint32_t line;       // presumed line number
  uint8_t kind;        // TokKind
  uint8_t flags;       // TF_*
  uint16_t code;       // PunctCode, or parameter index
  Ident *ident;        // identifiers only
  const HideSet *hs;   // names whose replacement produced this token; null when empty
};

struct Macro {
  Ident *name;
  bool function_like;
  bool variadic;             // last parameter is ...
  std::vector<Ident *> params;
  std::vector<Token> body;   // parameters appear as TK_PARAM
};

// A sorted set of macro names.
struct HideSet {
  std::vector<const Ident *> names;
  // Unions already formed with this set on the left: (right, result).
  mutable std::vector<std::pair<const HideSet *, const HideSet *>> unions;
};

// One loaded file after phases 1 and 2 (trigraphs, new lines, splices).
struct FileBuf {
  std::string data;                // cleaned text, ends in '\n' then NUL
  std::vector<uint32_t> splices;   // offsets in data where a line was spliced away
  long first_nul_line = 0;         // line of the first NUL byte, 0 when none
};

// One open source file on the include stack.
struct SrcFile {
  FileBuf *buf;
  std::string path;        // as opened: the base of "..." searches
  const char *name;        // presumed name (interned) for __FILE__ and line markers
  const char *p;           // scan position
  const char *end;
  uint32_t line = 1;       // physical line at p
  int32_t line_delta = 0;  // set by #line: presumed = physical + delta
  size_t next_splice = 0;
  bool bol = true;         // p is at the start of a line
  bool directive = false;  // return TK_EOL at the end of the line
  bool header_ok = false;  // lex <...> as a header name
  bool has_ahead = false;  // one token pushed back
  Token ahead;
  size_t cond_base = 0;    // conditional stack size when the file was entered
  int guard_state = 0;     // include-guard detection, see directive.cpp
  Ident *guard = nullptr;
  size_t guard_depth = 0;
};

// One open conditional group.
struct Cond {
  long line;          // line of its #if
  const char *file;   // presumed name at its #if
  uint8_t directive;  // D_IF, D_IFDEF or D_IFNDEF
  bool taken;         // some group of this conditional was selected
  bool else_seen;
};

// Tokens that rescanning must read before the file (or instead of it).
struct TokenSource {
  std::vector<Token> pending;  // a stack: back() comes next
  SrcFile *file = nullptr;     // null: the source ends with pending
  bool in_if = false;          // an #if line: `defined` is an operator
};

struct Output {
  FILE *file = nullptr;
  std::string buf;
  const SrcFile *cur_file = nullptr;
  unsigned cur_gen = 0;        // file generation of the last line marker
  long cur_line = 0;           // presumed line of the output line being written
  bool at_bol = true;
  bool check_paste = false;    // a replacement happened since the last token
  bool failed = false;
  const char *prev_text = nullptr;  // the previous token on the line
  uint32_t prev_len = 0;
  bool prev_macro = false;
  bool hash_first = false;      // the line so far is a lone '#' token
};

struct PairHash {
  size_t operator()(const std::pair<const void *, const void *> &p) const {
    return std::hash<const void *>()(p.first) * 31 + std::hash<const void *>()(p.second);
  }
};

struct Pp {
  // options
  std::vector<std::string> include_dirs;  // --include, in order
  std::vector<std::string> system_dirs;   // -i, in order
  bool verbose = false;
  // identifiers and macros
  std::deque<Ident> ident_store;
  std::vector<Ident *> id_slots;          // open-addressing table over ident_store
  size_t id_count = 0;
  std::vector<std::unique_ptr<Macro>> macros;
  // hide sets
  std::deque<HideSet> hide_sets;
  std::unordered_map<std::pair<const void *, const void *>, const HideSet *, PairHash> hs_inter_cache;
  const HideSet *hs_last_union[3] = {};  // the latest union: a, b and a | b
  // text that no file holds: pasted, stringized and generated spellings
  std::vector<std::unique_ptr<char[]>> arena;
  size_t arena_left = 0;
  char *arena_next = nullptr;
  std::unordered_set<std::string> names;  // interned presumed file names
  // sources
  std::unordered_map<std::string, std::unique_ptr<FileBuf>> files;
  std::vector<std::unique_ptr<SrcFile>> stack;
  unsigned file_gen = 0;                  // bumped on every file change and #line
  std::unordered_map<std::string, Ident *> guards;  // path -> include-guard macro
  std::unordered_set<std::string> once;   // paths marked #pragma once
  std::vector<Cond> conds;
  TokenSource main;
  int arg_depth = 0;                      // nesting of argument pre-expansion
  bool in_args = false;                   // collecting macro arguments from the file
  bool if_failed = false;                 // an #if line already reported its error
  char date[16] = "\"Jan  1 1970\"";
  char time[16] = "\"00:00:00\"";
  Output out;
};

constexpr int PP_MAX_INCLUDE_DEPTH = 200;
constexpr int PP_MAX_ARG_DEPTH = 200;
constexpr int PP_MAX_EXPR_DEPTH = 256;

// ---- support.cpp: identifiers, text arena, hide sets, diagnostics ----------

// Interns an identifier spelling.
Ident *pp_ident(Pp &pp, const char *text, size_t len);
// Copies text into the arena, NUL-terminated.
const char *pp_save(Pp &pp, const char *text, size_t len);
// Interns a presumed file name.
const char *pp_name(Pp &pp, const std::string &name);
// Posts a catalogue diagnostic at a line of the current file.
void pp_error(Pp &pp, long line, long number, ...);
// Same, for an explicit presumed file name.
void pp_error_in(const char *file, long line, long number, ...);
// Posts an uncatalogued warning at a line of the current file.
void pp_warning(Pp &pp, long line, const char *format, ...);
// Whether the set holds the name.
bool hs_has(const HideSet *hs, const Ident *id);
// Union of two sets.
const HideSet *hs_union(Pp &pp, const HideSet *a, const HideSet *b);
// Intersection of two sets.
const HideSet *hs_inter(Pp &pp, const HideSet *a, const HideSet *b);
// The set {id}.
const HideSet *hs_single(Pp &pp, Ident *id);
// Spelling of a punctuator.
const char *punct_spelling(unsigned code);

// ---- lex.cpp: phases 1 to 3 -------------------------------------------------

// Loads and cleans a file (cached by path); null when it cannot be read.
FileBuf *lex_load(Pp &pp, const std::string &path, bool *is_dir);
// Cleans raw bytes into a FileBuf (trigraphs, new lines, splices, NULs).
void lex_clean(const char *raw, size_t size, FileBuf &out);
// Next token of the file; TK_EOL ends a directive line, TK_EOF the file.
void lex_next(Pp &pp, SrcFile &f, Token &t);
// Pushes one token back into the file.
void lex_unget(SrcFile &f, const Token &t);
// Scans one token at p (no white space before it); returns its end.
const char *lex_scan(Pp &pp, const char *p, Token &t);
// Skips the rest of a line in a skipped group; false at the end of the file.
bool lex_skip_line(Pp &pp, SrcFile &f);
// At a line start in a skipped group: true when the line is a directive
// (the '#' is consumed).
bool lex_skip_to_hash(Pp &pp, SrcFile &f);

// ---- macro.cpp: definitions and replacement ---------------------------------

// Handles #define with the rest of its line.
void mac_define(Pp &pp, const std::vector<Token> &line, long lineno);
// Handles #undef with the rest of its line.
void mac_undef(Pp &pp, const std::vector<Token> &line, long lineno);
// Defines NAME or NAME=TEXT from the command line.
void mac_define_option(Pp &pp, const std::string &def);
// Defines the predefined macros.
void mac_predefine(Pp &pp);
// Whether the token names a macro that may be replaced here.
bool mac_expandable(Token &t);
// Replaces the macro named by t, pushing the result onto src; false when
// t is a function-like name without arguments (it stays as it is).
bool mac_expand(Pp &pp, TokenSource &src, const Token &t);
// Fully replaces a token list (argument pre-expansion, #if, #include, #line).
std::vector<Token> mac_expand_list(Pp &pp, const std::vector<Token> &in, bool in_if);
// Reads the next raw token of a source: 0 at its end, 1 from pending, 2 from the file.
int src_read(Pp &pp, TokenSource &src, Token &t);
// Spells tokens with single blanks where white space was.
std::string tokens_spell(const std::vector<Token> &toks, size_t from = 0);

// ---- expr.cpp: #if arithmetic -------------------------------------------------

// Evaluates a fully replaced #if line; reports 1029 and yields false when malformed.
bool expr_eval(Pp &pp, const std::vector<Token> &toks, const char *directive, long line);

// ---- directive.cpp: directives, conditionals, includes, the main loop -------

// Runs the whole translation unit from the main source file.
void pp_run(Pp &pp, const std::string &source);
// Reads the rest of a directive line into toks (the TK_EOL consumed).
void pp_read_line(Pp &pp, SrcFile &f, std::vector<Token> &toks);
// Handles one directive; the '#' has been read.
void pp_directive(Pp &pp);

// ---- output.cpp: text and line markers --------------------------------------

// Opens the output file; false when it cannot be created.
bool out_open(Pp &pp, const char *path);
// Writes the line marker for line 1 of a file just entered.
void out_file_start(Pp &pp);
// Writes one token on its presumed line.
void out_token(Pp &pp, const Token &t);
// Writes a #pragma line (text after "#pragma") on its line.
void out_pragma(Pp &pp, long line, const std::string &text);
// Flushes and closes the output.
void out_close(Pp &pp);

#endif
