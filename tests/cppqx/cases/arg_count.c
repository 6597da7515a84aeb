/* Too few (1024) and too many (1032) arguments. */
#define two(a, b) a+b
#define none() 0
#define one(a) [a]
two(1) two(1,[2,3]) two(1,2,3) none(1) none() one() one(1,2) two((1,2),3)
#define va(a, ...) a
va() va(1) va(1,2,3)
after
