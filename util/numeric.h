// Random numbers, range tests, clamps and the rectangle test.
#pragma once

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

void seed_random(unsigned seed);
int random_below(int n);
int random_range(int lo, int hi);
bool is_even(int v);

bool in_range(int x, int lo, int hi);
bool in_range_f(float x, float lo, float hi);
int clamp_int(int* v, int lo, int hi);
int clamp_float(float* v, float lo, float hi);
int clamp_double(double* v, int lo, int hi);
bool point_in_rect(int x, int y, const Rect& r);
