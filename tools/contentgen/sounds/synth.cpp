// Small synthesis kit for the game's sounds: oscillators, noise, envelopes, filters, voices and reverb.
#include "sounds/synth.h"
#include "formats/file_out.h"
#include "formats/wav_writer.h"
#include <algorithm>

void Sound::mix_in(const std::vector<float>& mono, float at, float gain, float pan, bool wrap)
{
    long start = long(std::lround(at * float(rate)));
    for (size_t i = 0; i < mono.size(); i++) {
        long j = start + long(i);
        if (wrap) j = ((j % long(size())) + long(size())) % long(size());
        if (j < 0 || j >= long(size())) continue;
        add(size_t(j), mono[i] * gain, pan);
    }
}

void Sound::mix_in(const Sound& o, float at, float gain, bool wrap)
{
    long start = long(std::lround(at * float(rate)));
    for (size_t i = 0; i < o.size(); i++) {
        long j = start + long(i);
        if (wrap) j = ((j % long(size())) + long(size())) % long(size());
        if (j < 0 || j >= long(size())) continue;
        l[size_t(j)] += o.l[i] * gain;
        r[size_t(j)] += o.r[i] * gain;
    }
}

static float poly_blep(float t, float dt)
{
    if (dt <= 0) return 0;
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0;
}

float Osc::saw(float freq)
{
    float p = step(freq);
    return 2.0f * p - 1.0f - poly_blep(p, inc_);
}

float Osc::square(float freq, float width)
{
    float p = step(freq);
    float v = p < width ? 1.0f : -1.0f;
    v += poly_blep(p, inc_);
    float q = p - width;
    q -= std::floor(q);
    v -= poly_blep(q, inc_);
    return v;
}

float Noise::pink()
{
    float w = white();
    b0_ = 0.99886f * b0_ + w * 0.0555179f;
    b1_ = 0.99332f * b1_ + w * 0.0750759f;
    b2_ = 0.96900f * b2_ + w * 0.1538520f;
    b3_ = 0.86650f * b3_ + w * 0.3104856f;
    b4_ = 0.55000f * b4_ + w * 0.5329522f;
    b5_ = -0.7616f * b5_ - w * 0.0168980f;
    float out = b0_ + b1_ + b2_ + b3_ + b4_ + b5_ + b6_ + w * 0.5362f;
    b6_ = w * 0.115926f;
    return out * 0.11f;
}

float Noise::brown()
{
    br_ = (br_ + 0.02f * white()) / 1.02f;
    return br_ * 3.5f;
}

void Svf::set(float cutoff, float q)
{
    cutoff = std::clamp(cutoff, 10.0f, rate_ * 0.45f);
    g_ = std::tan(3.14159265f * cutoff / rate_);
    k_ = 1.0f / std::max(0.05f, q);
}

void Svf::run(float x)
{
    float a1 = 1.0f / (1.0f + g_ * (g_ + k_));
    float a2 = g_ * a1, a3 = g_ * a2;
    float v3 = x - ic2_;
    float v1 = a1 * ic1_ + a2 * v3;
    float v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    lp_ = v2;
    bp_ = v1;
    hp_ = x - k_ * v1 - v2;
}

float env_adsr(float t, float len, float a, float d, float s, float r)
{
    if (t < 0) return 0;
    float level;
    if (t < a) level = t / a;
    else if (t < a + d) level = 1.0f - (1.0f - s) * (t - a) / d;
    else level = s;
    if (t > len) {
        float held = (len < a) ? len / a : (len < a + d ? 1.0f - (1.0f - s) * (len - a) / d : s);
        level = held * std::exp(-(t - len) / std::max(0.001f, r * 0.3f));
    }
    return level;
}

std::vector<float> voice(int rate, float seconds, const VoiceShape& v, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Svf f1(rate), f2(rate), f3(rate), tilt(rate), breath_hp(rate);
    float phase = 0, wob = 0, sub_phase = 0;
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float u = std::clamp(t / seconds, 0.0f, 1.0f);
        float glide = std::pow(u, v.f0_curve);
        float f0 = v.f0_start * std::pow(v.f0_end / v.f0_start, glide);
        f0 *= 1.0f + v.vibrato * std::sin(TAU * v.vibrato_rate * t);
        wob += (noise.white() * v.jitter - wob) * 0.002f;
        f0 *= 1.0f + wob * 8.0f;
        phase += f0 / float(rate);
        phase -= std::floor(phase);
        // Glottal pulse: a rounded saw with a closed phase, softened by a tilt filter.
        float pulse = phase < 0.6f ? std::sin(3.14159265f * phase / 0.6f) : 0.0f;
        float src = pulse * pulse - 0.33f;
        if (v.growl > 0) {
            sub_phase += f0 * 0.5f / float(rate);
            sub_phase -= std::floor(sub_phase);
            src *= 1.0f + v.growl * std::sin(TAU * sub_phase) + v.growl * 0.6f * noise.white();
        }
        src = tilt.lowpass(src, 3500.0f, 0.6f);
        float br = breath_hp.highpass(noise.white(), 1200.0f) * v.breath;
        float x = src + br;
        float y = 0;
        const float gains[3] = {1.0f, 0.6f, 0.3f};
        Svf* fs[3] = {&f1, &f2, &f3};
        for (int k = 0; k < 3; k++) {
            float f = lerpf(v.formant_start[k], v.formant_end[k], u) * v.formant_scale;
            y += fs[k]->bandpass(x, f, 5.0f + float(k) * 2.0f) * gains[k];
        }
        float env = std::min(1.0f, t / std::max(0.001f, v.attack)) * std::clamp((seconds - t) / std::max(0.001f, v.release), 0.0f, 1.0f);
        out[i] = drive(y * 2.2f, v.drive) * env;
    }
    return out;
}

std::vector<float> pluck(int rate, float freq, float seconds, float brightness, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    // Loop delay = line + half a sample (the averaging filter) + a tuning allpass.
    float d = float(rate) / freq;
    size_t len = std::max<size_t>(2, size_t(d - 0.6f));
    float frac = d - 0.5f - float(len);
    float c = (1.0f - frac) / (1.0f + frac);
    std::vector<float> line(len);
    Noise noise(seed);
    Svf soft(rate);
    for (size_t i = 0; i < len; i++) line[i] = soft.lowpass(noise.white(), 600.0f + 9000.0f * brightness);
    float mean = 0;
    for (float v : line) mean += v;
    mean /= float(len);
    for (float& v : line) v -= mean;
    // Losses per period chosen so that the note rings for about the given length.
    float decay = std::pow(0.001f, 1.0f / (freq * std::max(0.2f, seconds)));
    size_t idx = 0;
    float prev = 0, ap_x = 0, ap_y = 0;
    for (size_t i = 0; i < n; i++) {
        float x = line[idx];
        float a = 0.5f * (x + prev);
        prev = x;
        float b = c * a + ap_x - c * ap_y;
        ap_x = a;
        ap_y = b;
        line[idx] = b * decay;
        idx = (idx + 1) % len;
        out[i] = x;
    }
    return out;
}

std::vector<float> bell(int rate, float freq, float seconds, float brightness)
{
    static const float ratios[] = {0.5f, 1.0f, 1.19f, 1.56f, 2.0f, 2.51f, 3.0f, 4.07f};
    static const float amps[] = {0.35f, 1.0f, 0.55f, 0.4f, 0.5f, 0.25f, 0.2f, 0.12f};
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    for (int k = 0; k < 8; k++) {
        float f = freq * ratios[k];
        if (f > float(rate) * 0.45f) continue;
        float amp = amps[k] * (k >= 4 ? brightness : 1.0f);
        float dec = seconds * 0.6f / (1.0f + float(k) * 0.6f);
        for (size_t i = 0; i < n; i++) {
            float t = float(i) / float(rate);
            out[i] += amp * std::sin(TAU * f * t) * std::exp(-t / dec) * std::min(1.0f, t * 2000.0f);
        }
    }
    return out;
}

namespace {
struct Comb {
    std::vector<float> buf;
    size_t idx = 0;
    float store = 0;
    float run(float x, float fb, float damp)
    {
        float y = buf[idx];
        store = y * (1 - damp) + store * damp;
        buf[idx] = x + store * fb;
        idx = (idx + 1) % buf.size();
        return y;
    }
};
struct Allpass {
    std::vector<float> buf;
    size_t idx = 0;
    float run(float x)
    {
        float b = buf[idx];
        float y = -x + b;
        buf[idx] = x + b * 0.5f;
        idx = (idx + 1) % buf.size();
        return y;
    }
};
}  // namespace

void reverb(Sound& s, float room, float damp, float wet, bool loop)
{
    static const int combs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int alls[4] = {556, 441, 341, 225};
    float k = float(s.rate) / 44100.0f;
    Comb cl[8], cr[8];
    Allpass al[4], ar[4];
    for (int i = 0; i < 8; i++) {
        cl[i].buf.assign(size_t(float(combs[i]) * k), 0.0f);
        cr[i].buf.assign(size_t(float(combs[i] + 23) * k), 0.0f);
    }
    for (int i = 0; i < 4; i++) {
        al[i].buf.assign(size_t(float(alls[i]) * k), 0.0f);
        ar[i].buf.assign(size_t(float(alls[i] + 23) * k), 0.0f);
    }
    float fb = room * 0.28f + 0.7f;
    size_t n = s.size();
    std::vector<float> ol(n), orr(n);
    // For a loop, run it twice and keep the second pass: its tail has wrapped into its start.
    int passes = loop ? 2 : 1;
    for (int pass = 0; pass < passes; pass++)
        for (size_t i = 0; i < n; i++) {
            float in = (s.l[i] + s.r[i]) * 0.015f;
            float yl = 0, yr = 0;
            for (int c = 0; c < 8; c++) {
                yl += cl[c].run(in, fb, damp);
                yr += cr[c].run(in, fb, damp);
            }
            for (int a = 0; a < 4; a++) {
                yl = al[a].run(yl);
                yr = ar[a].run(yr);
            }
            ol[i] = yl;
            orr[i] = yr;
        }
    for (size_t i = 0; i < n; i++) {
        s.l[i] = s.l[i] * (1.0f - wet * 0.5f) + ol[i] * wet * 3.0f;
        s.r[i] = s.r[i] * (1.0f - wet * 0.5f) + orr[i] * wet * 3.0f;
    }
}

void echo(Sound& s, float delay_s, float feedback, float wet)
{
    size_t d = size_t(delay_s * float(s.rate));
    if (d == 0) return;
    for (size_t i = d; i < s.size(); i++) {
        s.l[i] += s.r[i - d] * feedback * wet;
        s.r[i] += s.l[i - d] * feedback * wet;
    }
}

void normalise(Sound& s, float peak)
{
    float m = 1e-6f;
    for (size_t i = 0; i < s.size(); i++) m = std::max({m, std::fabs(s.l[i]), std::fabs(s.r[i])});
    float g = peak / m;
    for (size_t i = 0; i < s.size(); i++) {
        s.l[i] *= g;
        s.r[i] *= g;
    }
}

void fade_edges(Sound& s, float in_s, float out_s)
{
    size_t n = s.size();
    size_t a = size_t(in_s * float(s.rate)), b = size_t(out_s * float(s.rate));
    for (size_t i = 0; i < n; i++) {
        float g = 1.0f;
        if (i < a) g = float(i) / float(a);
        if (n - i < b) g = std::min(g, float(n - i) / float(b));
        s.l[i] *= g;
        s.r[i] *= g;
    }
}

static std::vector<float> resample(const std::vector<float>& in, int from, int to)
{
    if (from == to) return in;
    size_t n = size_t(double(in.size()) * double(to) / double(from));
    std::vector<float> out(n);
    for (size_t i = 0; i < n; i++) {
        double src = double(i) * double(from) / double(to);
        size_t j = size_t(src);
        float f = float(src - double(j));
        float a = j < in.size() ? in[j] : 0.0f, b = j + 1 < in.size() ? in[j + 1] : 0.0f;
        out[i] = a + (b - a) * f;
    }
    return out;
}

bool save_sound(const std::string& out_root, const std::string& name, const Sound& s, Storage storage)
{
    WaveFormat fmt;
    switch (storage) {
    case Storage::Pcm8Mono22: fmt = {22050, 8, 1}; break;
    case Storage::Pcm8Stereo22: fmt = {22050, 8, 2}; break;
    case Storage::Pcm16Mono22: fmt = {22050, 16, 1}; break;
    case Storage::Pcm16Stereo44: fmt = {44100, 16, 2}; break;
    }
    std::vector<float> l = resample(s.l, s.rate, fmt.rate), r = resample(s.r, s.rate, fmt.rate);
    if (fmt.channels == 1)
        for (size_t i = 0; i < l.size(); i++) l[i] = (l[i] + r[i]) * 0.5f;
    return write_wav(data_path(out_root, name), fmt, l, fmt.channels == 2 ? r : std::vector<float>{});
}

void finish(Sound& s, const Finish& f)
{
    if (f.saturate > 0) saturate(s, f.saturate);
    if (f.wet > 0) reverb(s, f.room, f.damp, f.wet, f.loop);
    if (f.fade_in > 0 || f.fade_out > 0) fade_edges(s, f.fade_in, f.fade_out);
    normalise(s, f.peak);
}
