// A PID controller in fixed point as motor firmware writes it: gains in Q8,
// the error in int, the integral in a long clamped against wind-up, the output
// computed in long, shifted back and saturated to int, driving a simple plant
// through step changes of the set point. Outputs computed by the same
// arithmetic on a PC.
#include "check.h"

int setpoints[] = {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500, 32000, 32000, 32000, 32000, 32000};
int outputs[] = {1093, 941, 1000, 1046, 1082, 1109, 1126, 1135, 1135, 1128, -529, -322, -439, -543, -638, -725, -801, -867, -924, -972, 32767, 29659, 31514, 32767, 32767};
int plant[] = {68, 126, 188, 253, 320, 389, 459, 529, 599, 669, 635, 614, 586, 552, 512, 466, 415, 360, 302, 241, 2288, 4141, 6110, 8157, 10204};

typedef struct { int kp, ki, kd; long integral; int previous; } pid_t;

static int step(pid_t *c, int setpoint, int measured)
{
  long out;
  int err = setpoint - measured, deriv;
  c->integral += err;
  if (c->integral > 200000l)
    c->integral = 200000l;
  else if (c->integral < -200000l)
    c->integral = -200000l;
  deriv = err - c->previous;
  c->previous = err;
  out = ((long)c->kp * err + (long)c->ki * c->integral + (long)c->kd * deriv) >> 8;
  if (out > 32767)
    return 32767;
  if (out < -32768l)
    return -32768;
  return (int)out;
}

int main(void)
{
  pid_t pid = {200, 30, 50, 0, 0};
  int measured = 0, out;
  unsigned char i;
  for (i = 0; i < sizeof setpoints / sizeof setpoints[0]; i++) {
    out = step(&pid, setpoints[i], measured);
    CHECK(out == outputs[i]);
    measured += out >> 4;
    CHECK(measured == plant[i]);
  }
  return CHECK_RESULT();
}
