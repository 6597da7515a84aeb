int counter;

void main (void)
{
  counter++;
}
