#include "sources/jpeg_dct.h"

namespace veltora::jpeg {

namespace {

// One 8-point pass over d[0], d[step], ..., d[7 * step].
void Pass(float* d, int step) {
    float* p[8];
    for (int i = 0; i < 8; ++i) p[i] = d + i * step;
    const float tmp0 = *p[0] + *p[7], tmp7 = *p[0] - *p[7];
    const float tmp1 = *p[1] + *p[6], tmp6 = *p[1] - *p[6];
    const float tmp2 = *p[2] + *p[5], tmp5 = *p[2] - *p[5];
    const float tmp3 = *p[3] + *p[4], tmp4 = *p[3] - *p[4];

    // Even part.
    const float tmp10 = tmp0 + tmp3, tmp13 = tmp0 - tmp3;
    const float tmp11 = tmp1 + tmp2, tmp12 = tmp1 - tmp2;
    *p[0] = tmp10 + tmp11;
    *p[4] = tmp10 - tmp11;
    const float z1 = (tmp12 + tmp13) * 0.707106781186548f;
    *p[2] = tmp13 + z1;
    *p[6] = tmp13 - z1;

    // Odd part.
    const float o10 = tmp4 + tmp5, o11 = tmp5 + tmp6, o12 = tmp6 + tmp7;
    const float z5 = (o10 - o12) * 0.382683432365091f;
    const float z2 = 0.541196100146196f * o10 + z5;
    const float z4 = 1.30656296487638f * o12 + z5;
    const float z3 = o11 * 0.707106781186548f;
    const float z11 = tmp7 + z3, z13 = tmp7 - z3;
    *p[5] = z13 + z2;
    *p[3] = z13 - z2;
    *p[1] = z11 + z4;
    *p[7] = z11 - z4;
}

}  // namespace

void ForwardDct(std::array<float, 64>& block) {
    for (int row = 0; row < 8; ++row) Pass(block.data() + row * 8, 1);
    for (int column = 0; column < 8; ++column) Pass(block.data() + column, 8);
}

}  // namespace veltora::jpeg
