// two rooms of one floor that use each other
#pragma once
#include "two/b.h"
