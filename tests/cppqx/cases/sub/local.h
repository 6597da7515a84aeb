int local_from_sub; /* found beside the including file */
#include "sibling.h"
