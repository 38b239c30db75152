// an include of a folder that is no room
#pragma once
#include "nowhere/x.h"
