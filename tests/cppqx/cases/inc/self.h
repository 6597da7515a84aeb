int self;
#include "self.h"
