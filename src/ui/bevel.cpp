#include "ui/bevel.h"
