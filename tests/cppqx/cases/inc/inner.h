#ifndef INNER_H
#define INNER_H
int inner;
#endif
