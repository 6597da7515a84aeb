// Sorting through a table of pointers to structures (the structures stay
// where they are): an insertion sort on a long key, swapping pointers via a
// pointer to pointer; then the structures themselves sorted by a signed
// char key with whole-structure swaps, and a lookup through the sorted
// pointer table by binary search.
#include "check.h"

typedef struct { long key; signed char rank; char name; } item_t;

item_t items[7] = {{70000l, 3, 'a'}, {-5, -1, 'b'}, {0x7FFFFFFFl, 100, 'c'}, {-70000l, -128, 'd'},
                   {65535l, 0, 'e'}, {65536l, 127, 'f'}, {0, 2, 'g'}};
item_t *order[7];

static void swap_ptr(item_t **a, item_t **b)
{
  item_t *t = *a;
  *a = *b;
  *b = t;
}

static item_t *find(long key)
{
  unsigned char lo = 0, hi = 7, mid;
  while (lo < hi) {
    mid = (lo + hi) / 2;
    if (order[mid]->key < key)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < 7 && order[lo]->key == key ? order[lo] : 0;
}

int main(void)
{
  unsigned char i, j;
  item_t t;
  for (i = 0; i < 7; i++)
    order[i] = &items[i];
  for (i = 1; i < 7; i++)
    for (j = i; j > 0 && order[j - 1]->key > order[j]->key; j--)
      swap_ptr(&order[j - 1], &order[j]);
  CHECK(order[0]->name == 'd' && order[1]->name == 'b' && order[2]->name == 'g' && order[3]->name == 'e');
  CHECK(order[4]->name == 'f' && order[5]->name == 'a' && order[6]->name == 'c');
  CHECK(find(65536l) == &items[5] && find(-5) == &items[1] && find(1) == 0 && find(0x7FFFFFFFl)->rank == 100);
  for (i = 0; i < 6; i++)
    for (j = 0; j < 6 - i; j++)
      if (items[j].rank > items[j + 1].rank) {
        t = items[j];
        items[j] = items[j + 1];
        items[j + 1] = t;
      }
  CHECK(items[0].name == 'd' && items[1].name == 'b' && items[2].name == 'e' && items[3].name == 'g');
  CHECK(items[4].name == 'a' && items[5].name == 'c' && items[6].name == 'f' && items[6].key == 65536l);
  return CHECK_RESULT();
}
