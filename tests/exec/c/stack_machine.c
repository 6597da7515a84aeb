// A small stack machine interpreter as a bootloader or scripting firmware
// might hold: a switch over opcodes read from a byte program, an int stack
// indexed by a char, arithmetic through the run-time helpers and a conditional
// jump. Final stacks and step counts computed by the same machine written on a
// PC.
#include "check.h"

enum { PUSH, ADD, SUB, MUL, DIV, DUP, SWAP, JNZ, DEC, HALT, NEG, SHL, POPTO };
int expr[] = {PUSH, 1000, PUSH, -7, MUL, 0, PUSH, 3, DIV, 0, NEG, 0, PUSH, 5, SHL, 4, ADD, 0, PUSH, 30000, SUB, 0, PUSH, 3, MUL, 0, HALT, 0};
int countdown[] = {PUSH, 0, PUSH, 200, DUP, 0, JNZ, 10, HALT, 0, DUP, 1, DUP, 1, ADD, 0, POPTO, 0, DEC, 0, PUSH, 1, JNZ, 4};
int stack[8];
unsigned char sp;

static unsigned int run(const int *code)
{
  unsigned char pc = 0;
  unsigned int steps = 0;
  int a, b;
  sp = 0;
  for (;;) {
    int op = code[pc], arg = code[pc + 1];
    pc += 2;
    steps++;
    switch (op) {
    case PUSH: stack[sp++] = arg; break;
    case DUP: stack[sp] = stack[sp - 1 - arg]; sp++; break;
    case SWAP: a = stack[sp - 1]; stack[sp - 1] = stack[sp - 2]; stack[sp - 2] = a; break;
    case DEC: stack[sp - 1]--; break;
    case NEG: stack[sp - 1] = -stack[sp - 1]; break;
    case SHL: stack[sp - 1] <<= arg; break;
    case JNZ: if (stack[--sp]) pc = arg; break;
    case POPTO: stack[arg] = stack[--sp]; break;
    case HALT: return steps;
    default:
      b = stack[--sp];
      a = stack[sp - 1];
      switch (op) {
      case ADD: a += b; break;
      case SUB: a -= b; break;
      case MUL: a *= b; break;
      case DIV: a /= b; break;
      }
      stack[sp - 1] = a;
    }
  }
}

int main(void)
{
  CHECK(run(expr) == 14 && sp == 1 && stack[0] == -17225);
  CHECK(run(countdown) == 1805 && sp == 2 && stack[0] == 20100 && stack[1] == 0);
  return CHECK_RESULT();
}
