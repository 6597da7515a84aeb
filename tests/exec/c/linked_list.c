// A singly linked list of nodes taken from a static pool: structures that
// point to structures, insertion in order, traversal and removal.
#include "check.h"

struct node { int value; struct node *next; };

struct node pool[8];
struct node *head;

static void insert(struct node *n)
{
  struct node **link;
  link = &head;
  while (*link && (*link)->value < n->value) link = &(*link)->next;
  n->next = *link;
  *link = n;
}

static int total(void)
{
  struct node *p;
  int t;
  t = 0;
  for (p = head; p; p = p->next) t = t * 3 + p->value;
  return t;
}

int main(void)
{
  unsigned char i;
  head = 0;
  for (i = 0; i < 8; i++) { pool[i].value = (int)((i * 5) & 7) - 3; insert(&pool[i]); }
  CHECK(head->value == -3);
  CHECK(head->next->value == -2);
  CHECK(total() == -8204);
  head = head->next->next;
  CHECK(head->value == -1);
  return CHECK_RESULT();
}
