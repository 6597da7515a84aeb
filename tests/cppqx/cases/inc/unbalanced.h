#if 1
int unbalanced;
