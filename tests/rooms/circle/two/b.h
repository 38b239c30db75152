#pragma once
#include "one/a.h"
