#pragma once

namespace conversion {

// The value at x of the straight line from a at x0 to b at x1, in single
// precision and in one fixed order of operations, since the written sixth
// decimal depends on that order.
float linear_piece(float x, float x0, float a, float x1, float b);

}
