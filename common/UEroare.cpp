#include "UEroare.h"
