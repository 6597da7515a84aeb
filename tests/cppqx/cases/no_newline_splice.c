/* Also without a final new-line: a token at the very end. */
int a = \
1