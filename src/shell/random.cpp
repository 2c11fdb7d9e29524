#include "shell/random.h"

uint32_t randState = 1;
