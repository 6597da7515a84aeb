/* Boolean type and values; a bool is one byte. */
#ifndef _STDBOOL_H
#define _STDBOOL_H

#define bool unsigned char
#define true 1
#define false 0
#define __bool_true_false_are_defined 1

#endif
