/* C grammar of the compiler (LALR(1)): reads the scanner's tokens and builds
   the syntax tree (front/hl.h) of the whole translation unit. */
%code requires {
#include "front/hl.h"
}
%code {
#include "driver/diag.h"
int yylex();
}
%union {
  char *ident;             /* identifier, assembler label: owned name */
  hl_typedef_name tname;   /* typedef name: owned name, scope-owned type */
  hl_constant cnst;        /* integer, character and floating constants */
  hl_bytes string;         /* string literal: owned bytes and count */
  int chr;                 /* one-character punctuator */
  hl_mnemonic mnemonic;    /* assembler mnemonic with its position */
  pragma_record pragma;    /* pragma that takes part in the tree */
  pcodehl *node;
  typehl *type;
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
%%
translation_unit
  : %empty
  ;
%%
