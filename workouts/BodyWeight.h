#pragma once

// The body weight the calorie calculations use lives in the common layer.
#include "common/BodyWeight.h"
