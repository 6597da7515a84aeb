static void used_only(void);
static void defined_unused(void)
{
}
static void never(void);
static void fine(void)
{
}
void main(void)
{
  used_only();
  fine();
}
