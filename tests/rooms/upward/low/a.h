// a lower room that reaches up
#pragma once
#include "high/b.h"
