// a folder that stands on no floor
#pragma once
#include "low/a.h"
