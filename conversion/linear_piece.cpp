#include "conversion/linear_piece.h"

namespace conversion {

float linear_piece(float x, float x0, float a, float x1, float b)
{
    float const t = (x - x0) / (x1 - x0);
    return t * (b - a) + a;
}

}
