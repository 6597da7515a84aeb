/* '#' on an operand that ends in a stray backslash: the backslash would
   escape the closing quote, so it is dropped with a warning. An even run of
   backslashes, or one inside the operand, stays as written. */
#define str(x) #x
str(\) str(a \) str(\\) str(\ n) str("\\") str(a\b) str('\\')
