#pragma once

// The colour helpers live with the painting in render/; the window tests know them by this
// name.
#include "render/bgrcolour.h"
