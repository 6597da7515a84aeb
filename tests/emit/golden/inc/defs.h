/* A header with declarations of its own. */
extern int shared_counter;
struct header_type { int a; char b; };
int from_header = 3;
