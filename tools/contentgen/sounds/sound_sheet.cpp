// A review picture of a sound: its waveform and a spectrogram, with its name and layout.
#include "sounds/sound_sheet.h"
#include "paint/text.h"
#include <complex>

static void fft(std::vector<std::complex<float>>& a)
{
    size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; i++) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        float ang = -TAU / float(len);
        std::complex<float> wl(std::cos(ang), std::sin(ang));
        for (size_t i = 0; i < n; i += len) {
            std::complex<float> w(1);
            for (size_t j = 0; j < len / 2; j++) {
                std::complex<float> u = a[i + j], v = a[i + j + len / 2] * w;
                a[i + j] = u + v;
                a[i + j + len / 2] = u - v;
                w *= wl;
            }
        }
    }
}

Image sound_panel(const Sound& s, const std::string& label)
{
    const int W = 480, wave_h = 40, spec_h = 64, top = 16;
    Image img(W, top + wave_h + spec_h + 4, hex(0x101014));
    size_t n = s.size();
    // Waveform: the extent of each column, left above right.
    for (int x = 0; x < W; x++) {
        size_t a = n * size_t(x) / W, b = std::max(a + 1, n * size_t(x + 1) / W);
        for (int ch = 0; ch < 2; ch++) {
            const std::vector<float>& v = ch ? s.r : s.l;
            float lo = 0, hi = 0;
            for (size_t i = a; i < b && i < n; i++) lo = std::min(lo, v[i]), hi = std::max(hi, v[i]);
            int mid = top + wave_h / 4 + ch * wave_h / 2;
            int y0 = mid - int(hi * float(wave_h) / 4.2f), y1 = mid - int(lo * float(wave_h) / 4.2f);
            for (int y = y0; y <= y1; y++) img.blend(x, y, ch ? hex(0x70B0FF) : hex(0x70FFB0), 0.9f);
        }
    }
    // Spectrogram on a logarithmic frequency axis, 50 Hz to the Nyquist rate.
    const size_t N = 1024;
    std::vector<std::complex<float>> buf(N);
    for (int x = 0; x < W; x++) {
        size_t centre = n * size_t(x) / W;
        for (size_t k = 0; k < N; k++) {
            size_t i = centre + k;
            float win = 0.5f - 0.5f * std::cos(TAU * float(k) / float(N));
            buf[k] = i < n ? (s.l[i] + s.r[i]) * 0.5f * win : 0.0f;
        }
        fft(buf);
        for (int y = 0; y < spec_h; y++) {
            float f = 50.0f * std::pow(float(s.rate) * 0.5f / 50.0f, float(spec_h - 1 - y) / float(spec_h - 1));
            size_t bin = std::min(N / 2 - 1, size_t(f / float(s.rate) * float(N)));
            float db = 20.0f * std::log10(std::abs(buf[bin]) + 1e-6f);
            float t = clamp01((db + 30.0f) / 60.0f);
            Rgba c = t < 0.5f ? mix(hex(0x000010), hex(0xC02060), t * 2) : mix(hex(0xC02060), hex(0xFFF0A0), (t - 0.5f) * 2);
            img.at(x, top + wave_h + 2 + y) = c;
        }
    }
    TextStyle t;
    t.face = Face::Sans, t.size = 11, t.top = hex(0xE0E0E0), t.bottom = hex(0xE0E0E0);
    draw_text(img, 3, 1, label, t);
    return img;
}
