#pragma interrupt
