/* C grammar of the compiler (LALR(1)): reads the scanner's tokens and builds
   the syntax tree (front/hl.h) of the whole translation unit. ANSI C plus
   the target's qualifiers rom, ram, near and far, the storage class
   overlay, _asm blocks as statements, and pragma tokens among the external
   definitions, declarations and statements.

   Typedef names: after a declaration's specifiers contain a type word, a
   typedef name can only be the name being declared (`int T;`), so the
   specifier lists come in two forms, "typed" and "untyped", and a
   declarator after typed specifiers accepts a typedef name as its name. */
%define api.pure full
%code requires {
#include "front/hl.h"
#include "front/parse_private.h"

/* The scanner's token value (yylval): the full values as the scanner makes
   them, a pragma's whole 88-byte record included. The parser's own value
   stack (%union below) holds the same shapes except that a pragma is held
   through a pointer, so that every shift and reduction copies a few words
   instead of the record; s_next_token moves each value across. */
union hl_token_value {
  char *ident;             /* identifier, assembler label: owned name */
  hl_typedef_name tname;   /* typedef name: owned name, scope-owned type */
  hl_constant cnst;        /* integer, character and floating constants */
  hl_bytes string;         /* string literal: owned bytes and count */
  int chr;                 /* one-character punctuator */
  hl_mnemonic mnemonic;    /* assembler mnemonic with its position */
  pragma_record pragma;    /* pragma that takes part in the tree */
};
extern hl_token_value yylval;
}
%code {
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "front/typedefs.h"

int yylex();
extern pcodehl *ast;

hl_token_value yylval;

/* The value stack holds at most this many entries; beyond it the parse
   ends with "yacc stack overflow". */
#define YYMAXDEPTH 10000
#define YY_(message) s_parser_text(message)

static const char *s_parser_text(const char *message) {
  return strcmp(message, "memory exhausted") == 0 ? "yacc stack overflow" : message;
}

/* A fatal message recorded during the parse ends the token stream, so the
   parser unwinds its own stack before the driver's unwind runs. A fatal
   message from the scanner's directive handlers is caught the same way. */
static int s_read_token() {
  if (hl_fatal_pending())
    return 0;
  try {
    return yylex();
  } catch (const FatalUnwind &) {
    hl_set_fatal_pending(true);
    return 0;
  }
}

/* The next token, with its value moved from the scanner's yylval onto the
   parser's value; a pragma record moves to a block of its own. */
static int s_next_token(YYSTYPE *value) {
  int token = s_read_token();
  switch (token) {
  case TOK_CONSTANT:
  case TOK_FLOAT_CONSTANT: value->cnst = yylval.cnst; break;
  case TOK_IDENTIFIER:
  case TOK_ASM_LABEL: value->ident = yylval.ident; break;
  case TOK_STRING_LITERAL: value->string = yylval.string; break;
  case TOK_TYPEDEF_NAME: value->tname = yylval.tname; break;
  case TOK_ASM_MNEMONIC: value->mnemonic = yylval.mnemonic; break;
  case TOK_PRAGMA:
    value->pragma = static_cast<pragma_record *>(malloc(sizeof(pragma_record)));
    if (!value->pragma) {
      pragma_record_free(&yylval.pragma);
      hl_post(101);  /* fatal: recorded, and the token stream ends */
      return 0;
    }
    *value->pragma = yylval.pragma;
    break;
  default: break;
  }
  return token;
}

static void s_parser_error(const char *message) {
  if (!hl_fatal_pending())
    yyerror("%s", message);
}

/* Operand chains and asm entry lists are built newest first. */
static asm_operand *s_reverse_operands(asm_operand *op) {
  asm_operand *ordered = nullptr;
  while (op) {
    asm_operand *next = op->next;
    op->next = ordered;
    ordered = op;
    op = next;
  }
  return ordered;
}

static asm_entry *s_reverse_entries(asm_entry *e) {
  asm_entry *ordered = nullptr;
  while (e) {
    asm_entry *next = e->next;
    e->next = ordered;
    ordered = e;
    e = next;
  }
  return ordered;
}

/* Resolves the operand expressions of one instruction (an H_ARG chain in
   source order, freed here). Messages carry the mnemonic's line: the
   scanner has already read the next instruction's first token. */
static asm_operand *s_operands(pcodehl *args, long line) {
  long current = yylineno;
  yylineno = line;
  asm_operand *list = nullptr;
  for (pcodehl *a = args; a && a->kind == H_ARG; a = a->right) {
    asm_operand *op = static_cast<asm_operand *>(hl_alloc(sizeof(asm_operand)));
    resolve_asm_constant_expression(op, a->left);
    op->next = list;
    list = op;
  }
  yylineno = current;
  hl_free_ast(args);
  return s_reverse_operands(list);
}

#define yylex s_next_token
#define yyerror s_parser_error
}
%union {
  char *ident;             /* identifier, assembler label: owned name */
  hl_typedef_name tname;   /* typedef name: owned name, scope-owned type */
  hl_constant cnst;        /* integer, character and floating constants */
  hl_bytes string;         /* string literal: owned bytes and count */
  int chr;                 /* one-character punctuator */
  hl_mnemonic mnemonic;    /* assembler mnemonic with its position */
  pragma_record *pragma;   /* pragma that takes part in the tree: owned block */
  pcodehl *node;
  typehl *type;
  int ival;
  long lval;
  hl_open open;
  asm_entry *entries;
  asm_operand *operands;
}
/* Token codes: the scanner's contract. One-character punctuators use their
   own character code; 10 is the end of a directive line. */
%token TOK_EOL 10
%token <cnst> TOK_CONSTANT 257
%token <cnst> TOK_FLOAT_CONSTANT 258
%token <ident> TOK_IDENTIFIER 259
%token <string> TOK_STRING_LITERAL 260
%token TOK_SIZEOF 261
%token TOK_PTR_OP 262 TOK_INC_OP 263 TOK_DEC_OP 264 TOK_LEFT_OP 265 TOK_RIGHT_OP 266
%token TOK_LE_OP 267 TOK_GE_OP 268 TOK_EQ_OP 269 TOK_NE_OP 270 TOK_AND_OP 271 TOK_OR_OP 272
%token TOK_MUL_ASSIGN 273 TOK_DIV_ASSIGN 274 TOK_MOD_ASSIGN 275 TOK_ADD_ASSIGN 276
%token TOK_SUB_ASSIGN 277 TOK_LEFT_ASSIGN 278 TOK_RIGHT_ASSIGN 279 TOK_AND_ASSIGN 280
%token TOK_XOR_ASSIGN 281 TOK_OR_ASSIGN 282
%token TOK_TYPEDEF 284 TOK_EXTERN 285 TOK_STATIC 286 TOK_AUTO 287 TOK_REGISTER 288
%token TOK_CHAR 289 TOK_SHORT 290 TOK_INT 291 TOK_LONG 292 TOK_SIGNED 293 TOK_UNSIGNED 294
%token TOK_FLOAT 295 TOK_DOUBLE 296 TOK_CONST 297 TOK_VOLATILE 298 TOK_VOID 299
%token TOK_STRUCT 300 TOK_UNION 301 TOK_ENUM 302
%token TOK_ELLIPSIS 303
%token TOK_CASE 304 TOK_DEFAULT 305 TOK_IF 306 TOK_SWITCH 307 TOK_WHILE 308 TOK_DO 309
%token TOK_FOR 310 TOK_GOTO 311 TOK_CONTINUE 312 TOK_BREAK 313 TOK_RETURN 314 TOK_ELSE 315
%token TOK_OVERLAY 316
%token <tname> TOK_TYPEDEF_NAME 700
%token TOK_SCOPE 701
%token TOK_NEAR 806 TOK_FAR 807 TOK_RAM 808 TOK_ROM 809
%token TOK_ASM 900 TOK_ENDASM 901
%token <mnemonic> TOK_ASM_MNEMONIC 902
%token <ident> TOK_ASM_LABEL 903
%token <pragma> TOK_PRAGMA 1000

%destructor { free($$); } <ident>
%destructor { free($$.name); } <tname>
%destructor { free($$.bytes); } <string>
%destructor { free($$.text); free($$.file); } <mnemonic>
%destructor { pragma_record_free($$); free($$); } <pragma>
%destructor { hl_free_ast($$); } <node>
%destructor { typehl_free($$); } <type>
%destructor { hl_file_release($$.file); } <open>
%destructor { asm_entries_free($$); } <entries>

%precedence LOWER_THAN_ELSE
%precedence TOK_ELSE
/* Binary operators from "+" on, lowest precedence first (see binary_expression). */
%left TOK_OR_OP
%left TOK_AND_OP
%left '|'
%left '^'
%left '&'
%left TOK_EQ_OP TOK_NE_OP
%left '<' '>' TOK_LE_OP TOK_GE_OP
%left TOK_LEFT_OP TOK_RIGHT_OP
%left '+' '-'

%type <node> translation_unit external_definition function_definition declaration
%type <node> init_declarator_list init_declarator_list_td init_declarator init_declarator_td
%type <node> declarator declarator_td direct_declarator direct_declarator_td
%type <node> declarator_done declarator_td_done
%type <node> abstract_declarator direct_abstract_declarator
%type <node> parameter_list parameter_declaration kr_declaration_list
%type <node> initializer initializer_list
%type <node> statement labeled_statement compound_statement expression_statement
%type <node> selection_statement iteration_statement jump_statement asm_statement
%type <node> block_items else_mark
%type <node> primary_expression string_literal postfix_expression argument_list
%type <node> unary_expression cast_expression multiplicative_expression binary_expression
%type <node> conditional_expression assignment_expression
%type <node> expression expression_opt constant_expression
%type <node> struct_declarator_list struct_declarator_list_td struct_declarator struct_declarator_td
%type <type> decl_specifiers_typed decl_specifiers_untyped storage_or_qual storage_class type_qualifier
%type <type> type_word type_specifier_nontd typedef_specifier sq_typed sq_untyped
%type <type> type_qualifier_list pointer type_name declarator_suffix abstract_suffix
%type <type> struct_or_union_specifier enum_specifier struct_declaration_list struct_declaration
%type <type> enumerator_list enumerator
%type <ident> member_name tag_name enumerator_name
%type <ival> struct_or_union assignment_operator unary_operator
%type <open> block_open
%type <entries> asm_items asm_item
%type <lval> asm_open line_mark

%expect 0
%start unit

%%

/* ---- translation unit ---------------------------------------------------- */

unit
  : %empty                           { ast = hl_nop(); }
  | translation_unit                 { ast = $1; }
  ;

translation_unit
  : external_definition              { $$ = $1; }
  | translation_unit external_definition
      {
        if ($2->kind == H_NOP) {
          hl_free_ast($2);
          $$ = $1;
        } else {
          $$ = pcodehl_tail_list(H_DEFLST, $1, $2);
        }
      }
  ;

external_definition
  : function_definition              { $$ = $1; }
  | declaration                      { $$ = $1; }
  | TOK_PRAGMA                       { $$ = pragma_node($1); free($1); }
  | error ';'                        { yyerrok; typedef_scope_restore(1); $$ = hl_nop(); }
  | error '}'                        { yyerrok; typedef_scope_restore(1); $$ = hl_nop(); }
  ;

/* The function's parameter names hide typedefs of the same names in its
   body; the body's own block opens a further scope. */
function_definition
  : decl_specifiers_typed declarator_td_done
      { $<ival>$ = typedef_scope_depth(); enter_typedef_scope(); declarator_override_parameters($2); }
    compound_statement
      { typedef_scope_restore($<ival>3); $$ = function_definition($1, $2, $4); }
  | decl_specifiers_untyped declarator_done
      { $<ival>$ = typedef_scope_depth(); enter_typedef_scope(); declarator_override_parameters($2); }
    compound_statement
      { typedef_scope_restore($<ival>3); $$ = function_definition($1, $2, $4); }
  | declarator_done
      { $<ival>$ = typedef_scope_depth(); enter_typedef_scope(); declarator_override_parameters($1); }
    compound_statement
      { typedef_scope_restore($<ival>2); $$ = function_definition(nullptr, $1, $3); }
  | decl_specifiers_typed declarator_td_done kr_declaration_list compound_statement
      { typehl_free($1); hl_free_ast($2); hl_free_ast($3); hl_free_ast($4); $$ = hl_nop(); }
  | decl_specifiers_untyped declarator_done kr_declaration_list compound_statement
      { typehl_free($1); hl_free_ast($2); hl_free_ast($3); hl_free_ast($4); $$ = hl_nop(); }
  | declarator_done kr_declaration_list compound_statement
      { hl_free_ast($1); hl_free_ast($2); hl_free_ast($3); $$ = hl_nop(); }
  ;

/* Parameter declarations of an old-style definition; the identifier list
   has already reported that such definitions are not supported. */
kr_declaration_list
  : declaration                      { $$ = $1; }
  | kr_declaration_list declaration  { $$ = pcodehl_tail_list(H_DECLLST, $1, $2); }
  ;

/* ---- declarations -------------------------------------------------------- */

declaration
  : decl_specifiers_typed ';'                          { $$ = sue_specifier($1); }
  | decl_specifiers_untyped ';'                        { $$ = sue_specifier($1); }
  | decl_specifiers_typed init_declarator_list_td ';'  { $$ = declaration_complete($1, $2); }
  | decl_specifiers_untyped init_declarator_list ';'   { $$ = declaration_complete($1, $2); }
  ;

decl_specifiers_untyped
  : storage_or_qual                     { $$ = $1; }
  | decl_specifiers_untyped storage_or_qual  { $$ = typehl_append($1, $2); }
  ;

decl_specifiers_typed
  : type_specifier_nontd                     { $$ = $1; }
  | typedef_specifier                        { $$ = $1; }
  | decl_specifiers_untyped type_specifier_nontd  { $$ = typehl_append($1, $2); }
  | decl_specifiers_untyped typedef_specifier     { $$ = typehl_append($1, $2); }
  | decl_specifiers_typed storage_or_qual    { $$ = typehl_append($1, $2); }
  | decl_specifiers_typed type_specifier_nontd    { $$ = typehl_append($1, $2); }
  ;

storage_or_qual
  : storage_class                    { $$ = $1; }
  | type_qualifier                   { $$ = $1; }
  ;

storage_class
  : TOK_TYPEDEF                      { $$ = typehl_of(TH_TYPEDEF); }
  | TOK_EXTERN                       { $$ = typehl_of(TH_EXTERN); }
  | TOK_STATIC                       { $$ = typehl_of(TH_STATIC); }
  | TOK_AUTO                         { $$ = typehl_of(TH_AUTO); }
  | TOK_REGISTER                     { $$ = typehl_of(TH_REGISTER); }
  | TOK_OVERLAY                      { $$ = typehl_of(TH_OVERLAY); }
  ;

type_qualifier
  : TOK_CONST                        { $$ = typehl_of(TH_CONST); }
  | TOK_VOLATILE                     { $$ = typehl_of(TH_VOLATILE); }
  | TOK_ROM                          { $$ = typehl_of(TH_ROM); }
  | TOK_RAM                          { $$ = typehl_of(TH_RAM); }
  | TOK_NEAR                         { $$ = typehl_of(TH_NEAR); }
  | TOK_FAR                          { $$ = typehl_of(TH_FAR); }
  ;

type_word
  : TOK_CHAR                         { $$ = typehl_of(TH_CHAR); }
  | TOK_SHORT                        { $$ = typehl_of(TH_SHORT); }
  | TOK_INT                          { $$ = typehl_of(TH_INT); }
  | TOK_LONG                         { $$ = typehl_of(TH_LONG); }
  | TOK_SIGNED                       { $$ = typehl_of(TH_SIGNED); }
  | TOK_UNSIGNED                     { $$ = typehl_of(TH_UNSIGNED); }
  | TOK_FLOAT                        { $$ = typehl_of(TH_FLOAT); }
  | TOK_DOUBLE                       { $$ = typehl_of(TH_DOUBLE); }
  | TOK_VOID                         { $$ = typehl_of(TH_VOID); }
  ;

type_specifier_nontd
  : type_word                        { $$ = $1; }
  | struct_or_union_specifier        { $$ = $1; }
  | enum_specifier                   { $$ = $1; }
  ;

typedef_specifier
  : TOK_TYPEDEF_NAME                 { $$ = typehl_copy($1.type); if (!$$) $$ = new_typehl(); free($1.name); }
  ;

/* Specifier-qualifier lists of structure members and type names. */
sq_untyped
  : type_qualifier                   { $$ = $1; }
  | sq_untyped type_qualifier        { $$ = typehl_append($1, $2); }
  ;

sq_typed
  : type_specifier_nontd                  { $$ = $1; }
  | typedef_specifier                     { $$ = $1; }
  | sq_untyped type_specifier_nontd       { $$ = typehl_append($1, $2); }
  | sq_untyped typedef_specifier          { $$ = typehl_append($1, $2); }
  | sq_typed type_qualifier          { $$ = typehl_append($1, $2); }
  | sq_typed type_specifier_nontd         { $$ = typehl_append($1, $2); }
  ;

/* A typedef name is declared as soon as its declarator is complete, so the
   later declarators of the same declaration can use it; $<type>0 is the
   declaration's specifier list, which always precedes these lists. */
init_declarator_list
  : init_declarator                                  { $$ = $1; }
  | init_declarator_list ',' { declarator_early_typedef($<type>0, $1); } init_declarator_td
      { $$ = pcodehl_tail_list(H_DECLLST, $1, $4); }
  ;

init_declarator_list_td
  : init_declarator_td                               { $$ = $1; }
  | init_declarator_list_td ',' { declarator_early_typedef($<type>0, $1); } init_declarator_td
      { $$ = pcodehl_tail_list(H_DECLLST, $1, $4); }
  ;

/* The initialiser waits in the declarator's right child until the
   declaration's end completes the declarators with the specifiers. */
init_declarator
  : declarator_done                  { $$ = $1; }
  | declarator_done '=' initializer  { $$ = $1; $$->right = $3; }
  ;

init_declarator_td
  : declarator_td_done                  { $$ = $1; }
  | declarator_td_done '=' initializer  { $$ = $1; $$->right = $3; }
  ;

/* A declared name hides a typedef of the same name from here on. */
declarator_done
  : declarator                       { $$ = declarator_done($1); }
  ;

declarator_td_done
  : declarator_td                    { $$ = declarator_done($1); }
  ;

/* ---- structures, unions, enumerations ------------------------------------ */

struct_or_union_specifier
  : struct_or_union tag_name '{' struct_declaration_list '}'  { $$ = aggregate_name($1, $2, $4, 1); }
  | struct_or_union '{' struct_declaration_list '}'           { $$ = aggregate_name($1, nullptr, $3, 1); }
  | struct_or_union tag_name                                  { $$ = aggregate_name($1, $2, nullptr, 0); }
  ;

struct_or_union
  : TOK_STRUCT                       { $$ = 0; }
  | TOK_UNION                        { $$ = 1; }
  ;

tag_name
  : TOK_IDENTIFIER                   { $$ = $1; }
  | TOK_TYPEDEF_NAME                 { $$ = $1.name; }
  ;

struct_declaration_list
  : struct_declaration                          { $$ = $1; }
  | struct_declaration_list struct_declaration  { $$ = typehl_append($1, $2); }
  ;

struct_declaration
  : sq_typed struct_declarator_list_td ';'  { $$ = member_declaration_complete($1, $2); }
  | sq_untyped struct_declarator_list ';'   { $$ = member_declaration_complete($1, $2); }
  | sq_typed ';'                            { $$ = member_declaring_list($1, nullptr, nullptr); typehl_free($1); }
  ;

struct_declarator_list
  : struct_declarator                                   { $$ = $1; }
  | struct_declarator_list ',' struct_declarator_td     { $$ = pcodehl_tail_list(H_DECLLST, $1, $3); }
  ;

struct_declarator_list_td
  : struct_declarator_td                                { $$ = $1; }
  | struct_declarator_list_td ',' struct_declarator_td  { $$ = pcodehl_tail_list(H_DECLLST, $1, $3); }
  ;

/* The bit-field width waits in the declarator's right child. */
struct_declarator
  : declarator                             { $$ = $1; }
  | ':' constant_expression                { $$ = declarator_abstract(); $$->right = $2; }
  | declarator ':' constant_expression     { $$ = $1; $$->right = $3; }
  ;

struct_declarator_td
  : declarator_td                          { $$ = $1; }
  | ':' constant_expression                { $$ = declarator_abstract(); $$->right = $2; }
  | declarator_td ':' constant_expression  { $$ = $1; $$->right = $3; }
  ;

enum_specifier
  : TOK_ENUM '{' enumerator_list comma_opt '}'           { $$ = enum_name(nullptr, $3, 1); }
  | TOK_ENUM tag_name '{' enumerator_list comma_opt '}'  { $$ = enum_name($2, $4, 1); }
  | TOK_ENUM tag_name                                    { $$ = enum_name($2, nullptr, 0); }
  ;

comma_opt
  : %empty
  | ','
  ;

enumerator_list
  : enumerator                       { $$ = $1; }
  | enumerator_list ',' enumerator   { $$ = typehl_append($1, $3); }
  ;

/* An enumeration constant is an ordinary identifier: it hides a typedef
   of the same name from here on. */
enumerator
  : enumerator_name                          { override_typedef($1); $$ = enumerator($1, nullptr); }
  | enumerator_name '=' constant_expression  { override_typedef($1); $$ = enumerator($1, $3); }
  ;

enumerator_name
  : TOK_IDENTIFIER                   { $$ = $1; }
  | TOK_TYPEDEF_NAME                 { $$ = $1.name; }
  ;

/* ---- declarators --------------------------------------------------------- */

declarator
  : direct_declarator                { $$ = $1; }
  | pointer direct_declarator        { $$ = declarator_add($2, $1); }
  ;

declarator_td
  : direct_declarator_td             { $$ = $1; }
  | pointer direct_declarator_td     { $$ = declarator_add($2, $1); }
  ;

direct_declarator
  : TOK_IDENTIFIER                          { $$ = declarator_name($1); }
  | '(' declarator ')'                      { $$ = $2; }
  | direct_declarator declarator_suffix     { $$ = declarator_add($1, $2); }
  ;

direct_declarator_td
  : TOK_IDENTIFIER                          { $$ = declarator_name($1); }
  | TOK_TYPEDEF_NAME                        { $$ = declarator_name($1.name); }
  | '(' declarator ')'                      { $$ = $2; }
  | direct_declarator_td declarator_suffix  { $$ = declarator_add($1, $2); }
  ;

/* Qualifiers precede the pointer they qualify; the last "*" written is the
   outermost part. */
pointer
  : '*'                              { $$ = pointer_part(nullptr); }
  | '*' type_qualifier_list          { $$ = pointer_part($2); }
  | '*' pointer                      { $$ = typehl_append($2, pointer_part(nullptr)); }
  | '*' type_qualifier_list pointer  { $$ = typehl_append($3, pointer_part($2)); }
  ;

type_qualifier_list
  : type_qualifier                      { $$ = $1; }
  | type_qualifier_list type_qualifier  { $$ = typehl_append($1, $2); }
  ;

declarator_suffix
  : abstract_suffix                  { $$ = $1; }
  | '(' identifier_list ')'          { hl_post(1302); $$ = function_part(nullptr, 0, 0); }
  ;

abstract_suffix
  : '[' ']'                                            { $$ = array_part(nullptr); }
  | '[' constant_expression ']'                        { $$ = array_part($2); }
  | '(' ')'                                            { $$ = function_part(nullptr, 0, 0); }
  | '(' param_scope parameter_list ')'
      { exit_typedef_scope(); $$ = function_part($3, 1, 0); }
  | '(' param_scope parameter_list ',' TOK_ELLIPSIS ')'
      { exit_typedef_scope(); $$ = function_part($3, 1, 1); }
  ;

/* Parameter names live in a scope of their own. */
param_scope
  : %empty                           { enter_typedef_scope(); }
  ;

identifier_list
  : TOK_IDENTIFIER                       { free($1); }
  | identifier_list ',' TOK_IDENTIFIER   { free($3); }
  ;

parameter_list
  : parameter_declaration                     { $$ = $1; }
  | parameter_list ',' parameter_declaration  { $$ = pcodehl_tail_list(H_DECLLST, $1, $3); }
  ;

parameter_declaration
  : decl_specifiers_typed declarator_td_done       { $$ = parameter_declaration($1, $2); }
  | decl_specifiers_typed abstract_declarator      { $$ = parameter_declaration($1, $2); }
  | decl_specifiers_typed                          { $$ = parameter_declaration($1, declarator_abstract()); }
  | decl_specifiers_untyped declarator_done        { $$ = parameter_declaration($1, $2); }
  | decl_specifiers_untyped abstract_declarator    { $$ = parameter_declaration($1, $2); }
  | decl_specifiers_untyped                        { $$ = parameter_declaration($1, declarator_abstract()); }
  ;

type_name
  : sq_typed                         { $$ = $1; }
  | sq_typed abstract_declarator     { $$ = typehl_append(declarator_take_type($2), $1); }
  | sq_untyped                       { $$ = $1; }
  | sq_untyped abstract_declarator   { $$ = typehl_append(declarator_take_type($2), $1); }
  ;

abstract_declarator
  : pointer                             { $$ = declarator_add(declarator_abstract(), $1); }
  | direct_abstract_declarator          { $$ = $1; }
  | pointer direct_abstract_declarator  { $$ = declarator_add($2, $1); }
  ;

direct_abstract_declarator
  : '(' abstract_declarator ')'                 { $$ = $2; }
  | abstract_suffix                             { $$ = declarator_add(declarator_abstract(), $1); }
  | direct_abstract_declarator abstract_suffix  { $$ = declarator_add($1, $2); }
  ;

/* ---- initialisers -------------------------------------------------------- */

initializer
  : assignment_expression                { $$ = $1; }
  | '{' initializer_list '}'             { $$ = $2; }
  | '{' initializer_list ',' '}'         { $$ = $2; }
  | '{' '}'                              { hl_post(1221); $$ = hl_nop(); }
  ;

initializer_list
  : initializer                          { $$ = initializer_list(nullptr, $1); }
  | initializer_list ',' initializer     { $$ = initializer_list($1, $3); }
  ;

/* ---- statements ---------------------------------------------------------- */

statement
  : labeled_statement                { $$ = $1; }
  | compound_statement               { $$ = $1; }
  | expression_statement             { $$ = $1; }
  | selection_statement              { $$ = $1; }
  | iteration_statement              { $$ = $1; }
  | jump_statement                   { $$ = $1; }
  | asm_statement                    { $$ = $1; }
  | error ';'                        { yyerrok; $$ = hl_nop(); }
  ;

/* A label takes the line of its own ":" or keyword, not that of the token
   read after its statement. */
labeled_statement
  : TOK_IDENTIFIER ':' line_mark statement
      { $$ = label_statement($1, $4); $$->line = $3; }
  | TOK_CASE line_mark constant_expression ':' statement
      { $$ = case_label_statement($3, $5); $$->line = $2; }
  | TOK_DEFAULT line_mark ':' statement
      { $$ = default_label_statement($4); $$->line = $2; }
  ;

/* A block opens a typedef scope; its end pops back to the depth recorded
   at the brace, whatever error recovery left open inside. */
compound_statement
  : '{' block_open block_items '}'
      { typedef_scope_restore($2.depth); $$ = compound_statement($3, $2.line, $2.file); hl_file_release($2.file); }
  | '{' block_open block_items error '}'
      { yyerrok; typedef_scope_restore($2.depth); $$ = compound_statement($3, $2.line, $2.file); hl_file_release($2.file); }
  ;

block_open
  : %empty
      { $$.line = yylineno; $$.file = hl_file_ref(yyfilename); $$.depth = typedef_scope_depth(); enter_typedef_scope(); }
  ;

block_items
  : %empty                           { $$ = block_items_new(); }
  | block_items declaration          { $$ = block_items_add_declaration($1, $2); }
  | block_items statement            { $$ = block_items_add_statement($1, $2); }
  | block_items TOK_PRAGMA           { $$ = block_items_add_pragma($1, pragma_node($2)); free($2); }
  ;

expression_statement
  : ';'                              { $$ = hl_nop(); }
  | expression ';'                   { $$ = $1; }
  ;

selection_statement
  : TOK_IF line_mark '(' expression ')' statement %prec LOWER_THAN_ELSE
      { $$ = if_statement($4, $6); $$->line = $2; }
  | TOK_IF line_mark '(' expression ')' statement TOK_ELSE else_mark statement
      { $$ = if_else_statement($4, $6, $8, $9); $$->line = $2; }
  | TOK_SWITCH line_mark '(' expression ')' statement
      { $$ = switch_statement($4, $6); $$->line = $2; }
  ;

/* Statements that begin with a keyword take the keyword's line, so that
   they do not carry the line of whatever token ended them. */
line_mark
  : %empty                           { $$ = yylineno; }
  ;

/* The H_ELSE node takes the position of the "else". */
else_mark
  : %empty                           { $$ = new_pcodehl(H_ELSE, nullptr, nullptr, yylineno, yyfilename); }
  ;

iteration_statement
  : TOK_WHILE line_mark '(' expression ')' statement
      { $$ = while_statement($4, $6); $$->line = $2; }
  | TOK_DO line_mark statement TOK_WHILE '(' expression ')' ';'
      { $$ = do_statement($3, $6); $$->line = $2; }
  | TOK_FOR line_mark '(' expression_opt ';' expression_opt ';' expression_opt ')' statement
      { $$ = for_statement($4, $6, $8, $10); $$->line = $2; $$->right->line = $2; $$->right->right->line = $2; }
  ;

expression_opt
  : %empty                           { $$ = nullptr; }
  | expression                       { $$ = $1; }
  ;

jump_statement
  : TOK_GOTO line_mark TOK_IDENTIFIER ';'  { $$ = goto_statement($3); $$->line = $2; }
  | TOK_CONTINUE line_mark ';'             { $$ = continue_statement(); $$->line = $2; }
  | TOK_BREAK line_mark ';'                { $$ = break_statement(); $$->line = $2; }
  | TOK_RETURN line_mark ';'               { $$ = return_statement(nullptr); $$->line = $2; }
  | TOK_RETURN line_mark expression ';'    { $$ = return_statement($3); $$->line = $2; }
  ;

/* ---- in-line assembly ---------------------------------------------------- */

/* A syntax error inside the brackets resumes after "_endasm", so that the
   statements after the block are still parsed. */
asm_statement
  : TOK_ASM asm_open asm_items TOK_ENDASM  { $$ = asm_statement(s_reverse_entries($3), $2); }
  | TOK_ASM asm_open asm_items error TOK_ENDASM
      { yyerrok; $$ = asm_statement(s_reverse_entries($3), $2); }
  ;

asm_open
  : %empty                           { $$ = yylineno; }
  ;

asm_items
  : %empty                           { $$ = nullptr; }
  | asm_items asm_item               { $$ = $2; $$->next = $1; }
  ;

asm_item
  : TOK_ASM_LABEL                    { $$ = asmLabel($1, yylineno); }
  | TOK_ASM_MNEMONIC                 { $$ = asmInstruction($1.text, nullptr, $1.line, $1.file); }
  | TOK_ASM_MNEMONIC argument_list
      { $$ = asmInstruction($1.text, s_operands(argument_list_finish($2), $1.line), $1.line, $1.file); }
  ;

/* ---- expressions --------------------------------------------------------- */

primary_expression
  : TOK_IDENTIFIER                   { $$ = identifier($1); }
  | TOK_CONSTANT                     { $$ = constant_primary_expression($1); }
  | TOK_FLOAT_CONSTANT               { $$ = constant_primary_expression($1); }
  | string_literal                   { $$ = $1; }
  | '(' expression ')'               { $$ = $2; }
  ;

/* Adjacent string literals form one string. */
string_literal
  : TOK_STRING_LITERAL                 { $$ = string_literal_expression($1); }
  | string_literal TOK_STRING_LITERAL  { $$ = string_literal_concat($1, $2); }
  ;

postfix_expression
  : primary_expression                         { $$ = $1; }
  | postfix_expression '[' expression ']'      { $$ = index_expression($1, $3); }
  | postfix_expression '(' ')'                 { $$ = call_expression($1, nullptr); }
  | postfix_expression '(' argument_list ')'   { $$ = call_expression($1, argument_list_finish($3)); }
  | postfix_expression '.' member_name         { $$ = member_access_expression($1, $3, 1); }
  | postfix_expression TOK_PTR_OP member_name  { $$ = member_access_expression($1, $3, 0); }
  | postfix_expression TOK_INC_OP              { $$ = post_increment_expression($1); }
  | postfix_expression TOK_DEC_OP              { $$ = post_decrement_expression($1); }
  ;

member_name
  : TOK_IDENTIFIER                   { $$ = $1; }
  | TOK_TYPEDEF_NAME                 { $$ = $1.name; }
  ;

argument_list
  : assignment_expression                    { $$ = argument_expression(nullptr, $1); }
  | argument_list ',' assignment_expression  { $$ = argument_expression($1, $3); }
  ;

unary_expression
  : postfix_expression                  { $$ = $1; }
  | TOK_INC_OP unary_expression         { $$ = pre_increment_expression($2); }
  | TOK_DEC_OP unary_expression         { $$ = pre_decrement_expression($2); }
  | unary_operator cast_expression      { $$ = unary_expression($1, $2); }
  | TOK_SIZEOF unary_expression         { $$ = sizeof_expression_expression($2); }
  | TOK_SIZEOF '(' type_name ')'        { $$ = sizeof_type_expression($3); }
  ;

unary_operator
  : '&'                              { $$ = '&'; }
  | '*'                              { $$ = '*'; }
  | '+'                              { $$ = '+'; }
  | '-'                              { $$ = '-'; }
  | '~'                              { $$ = '~'; }
  | '!'                              { $$ = '!'; }
  ;

cast_expression
  : unary_expression                    { $$ = $1; }
  | '(' type_name ')' cast_expression   { $$ = explicit_cast_expression($2, $4); }
  ;

multiplicative_expression
  : cast_expression                                { $$ = $1; }
  | multiplicative_expression '*' cast_expression  { $$ = multiplicative_expression('*', $1, $3); }
  | multiplicative_expression '/' cast_expression  { $$ = multiplicative_expression('/', $1, $3); }
  | multiplicative_expression '%' cast_expression  { $$ = multiplicative_expression('%', $1, $3); }
  ;

/* The binary operators from "+" to "||" form one rule set whose precedence
   and left associativity come from the %left declarations: the trees are
   those of one rule level per precedence level, but an operand climbs to
   an operator in one reduction instead of one per level. The
   multiplicative level keeps its own rules, so that a product ending in
   "sizeof (type)" is still built before the next token is read. */
binary_expression
  : multiplicative_expression                              { $$ = $1; }
  | binary_expression '+' binary_expression                { $$ = additive_expression('+', $1, $3); }
  | binary_expression '-' binary_expression                { $$ = additive_expression('-', $1, $3); }
  | binary_expression TOK_LEFT_OP binary_expression        { $$ = shift_expression(TOK_LEFT_OP, $1, $3); }
  | binary_expression TOK_RIGHT_OP binary_expression       { $$ = shift_expression(TOK_RIGHT_OP, $1, $3); }
  | binary_expression '<' binary_expression                { $$ = comparison_expression('<', $1, $3); }
  | binary_expression '>' binary_expression                { $$ = comparison_expression('>', $1, $3); }
  | binary_expression TOK_LE_OP binary_expression          { $$ = comparison_expression(TOK_LE_OP, $1, $3); }
  | binary_expression TOK_GE_OP binary_expression          { $$ = comparison_expression(TOK_GE_OP, $1, $3); }
  | binary_expression TOK_EQ_OP binary_expression          { $$ = comparison_expression(TOK_EQ_OP, $1, $3); }
  | binary_expression TOK_NE_OP binary_expression          { $$ = comparison_expression(TOK_NE_OP, $1, $3); }
  | binary_expression '&' binary_expression                { $$ = binary_bitwise_expression('&', $1, $3); }
  | binary_expression '^' binary_expression                { $$ = binary_bitwise_expression('^', $1, $3); }
  | binary_expression '|' binary_expression                { $$ = binary_bitwise_expression('|', $1, $3); }
  | binary_expression TOK_AND_OP binary_expression         { $$ = logical_expression(TOK_AND_OP, $1, $3); }
  | binary_expression TOK_OR_OP binary_expression          { $$ = logical_expression(TOK_OR_OP, $1, $3); }
  ;

conditional_expression
  : binary_expression                                           { $$ = $1; }
  | binary_expression '?' expression ':' conditional_expression { $$ = conditional_expression($1, $3, $5); }
  ;

assignment_expression
  : conditional_expression                                     { $$ = $1; }
  | unary_expression assignment_operator assignment_expression { $$ = assignment_expression($2, $1, $3); }
  ;

assignment_operator
  : '='                              { $$ = '='; }
  | TOK_MUL_ASSIGN                   { $$ = TOK_MUL_ASSIGN; }
  | TOK_DIV_ASSIGN                   { $$ = TOK_DIV_ASSIGN; }
  | TOK_MOD_ASSIGN                   { $$ = TOK_MOD_ASSIGN; }
  | TOK_ADD_ASSIGN                   { $$ = TOK_ADD_ASSIGN; }
  | TOK_SUB_ASSIGN                   { $$ = TOK_SUB_ASSIGN; }
  | TOK_LEFT_ASSIGN                  { $$ = TOK_LEFT_ASSIGN; }
  | TOK_RIGHT_ASSIGN                 { $$ = TOK_RIGHT_ASSIGN; }
  | TOK_AND_ASSIGN                   { $$ = TOK_AND_ASSIGN; }
  | TOK_XOR_ASSIGN                   { $$ = TOK_XOR_ASSIGN; }
  | TOK_OR_ASSIGN                    { $$ = TOK_OR_ASSIGN; }
  ;

expression
  : assignment_expression                  { $$ = $1; }
  | expression ',' assignment_expression   { $$ = comma_expression($1, $3); }
  ;

constant_expression
  : conditional_expression           { $$ = $1; }
  ;

%%
