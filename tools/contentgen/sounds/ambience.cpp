// Ambient sounds of the levels and the boss intro waves.
#include "sounds/sound_list.h"

static std::vector<float> bird_song(int rate, float seconds, float base, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Rng rng(seed);
    float t = 0.05f;
    while (t < seconds - 0.2f) {
        int notes = 2 + rng.below(4);
        for (int k = 0; k < notes && t < seconds - 0.15f; k++) {
            float len = rng.range(0.04f, 0.09f);
            float f0 = base * rng.range(0.85f, 1.2f), f1 = f0 * rng.range(1.2f, 1.8f);
            size_t start = size_t(t * float(rate)), m = size_t(len * float(rate));
            float ph = 0;
            for (size_t i = 0; i < m && start + i < n; i++) {
                float u = float(i) / float(m);
                float f = f0 + (f1 - f0) * u + 150.0f * std::sin(TAU * 35.0f * float(i) / float(rate));
                ph += f / float(rate);
                out[start + i] += std::sin(TAU * ph) * std::sin(3.14159265f * u);
            }
            t += len + rng.range(0.02f, 0.06f);
        }
        t += rng.range(0.3f, 0.7f);
    }
    return out;
}

static Sound birds()
{
    Sound s(22050, 2.6f);
    s.mix_in(bird_song(s.rate, 2.6f, 2900.0f, 301), 0.0f, 0.5f, -0.5f);
    s.mix_in(bird_song(s.rate, 2.2f, 3800.0f, 302), 0.3f, 0.35f, 0.6f);
    s.mix_in(bird_song(s.rate, 2.0f, 2300.0f, 303), 0.6f, 0.3f, 0.1f);
    finish(s, {.room = 0.5f, .damp = 0.5f, .wet = 0.2f, .fade_in = 0.05f, .fade_out = 0.3f, .peak = 0.75f});
    return s;
}

static std::vector<float> wind_noise(int rate, float seconds, float lo, float hi, float q, float gust_rate, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Svf bp(rate), bp2(rate);
    float ph = noise.rng().unit();
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float g = 0.5f + 0.5f * std::sin(TAU * (gust_rate * t + ph)) * std::sin(TAU * (gust_rate * 0.37f * t + 0.3f));
        float fc = lo + (hi - lo) * g;
        float x = bp.bandpass(noise.pink(), fc, q) + bp2.bandpass(noise.white(), fc * 2.1f, q * 1.5f) * 0.3f;
        out[i] = x * (0.3f + 0.7f * g) * env_bell(t, seconds);
    }
    return out;
}

static Sound breeze()
{
    Sound s(22050, 3.6f);
    s.mix_in(wind_noise(s.rate, 3.6f, 350, 900, 0.8f, 0.25f, 311), 0.0f, 1.0f, -0.3f);
    s.mix_in(wind_noise(s.rate, 3.6f, 400, 1000, 0.8f, 0.22f, 312), 0.0f, 1.0f, 0.3f);
    s.mix_in(crackle(s.rate, 2.5f, 60.0f, 3.0f, 313), 0.6f, 0.15f, 0.4f);
    normalise(s, 0.6f);
    return s;
}

static Sound wind()
{
    Sound s(44100, 4.2f);
    s.mix_in(wind_noise(s.rate, 4.2f, 250, 1300, 2.5f, 0.3f, 321), 0.0f, 1.0f, -0.5f);
    s.mix_in(wind_noise(s.rate, 4.2f, 300, 1500, 2.5f, 0.27f, 322), 0.0f, 1.0f, 0.5f);
    normalise(s, 0.7f);
    return s;
}

static Sound blizzard()
{
    Sound s(44100, 4.5f);
    s.mix_in(wind_noise(s.rate, 4.5f, 400, 2200, 5.0f, 0.45f, 331), 0.0f, 1.0f, -0.6f);
    s.mix_in(wind_noise(s.rate, 4.5f, 500, 2500, 5.0f, 0.4f, 332), 0.0f, 1.0f, 0.6f);
    s.mix_in(wind_noise(s.rate, 4.5f, 150, 500, 0.7f, 0.2f, 333), 0.0f, 1.2f);
    normalise(s, 0.75f);
    return s;
}

static Sound sand_wind()
{
    Sound s(22050, 4.0f);
    Noise noise(341);
    Svf hp(s.rate), hp2(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float g = env_bell(t, 4.0f) * (0.6f + 0.4f * std::sin(TAU * 0.9f * t));
        s.l[i] += hp.highpass(noise.white(), 3500.0f) * g * 0.5f;
        s.r[i] += hp2.highpass(noise.white(), 3800.0f) * g * 0.5f;
    }
    s.mix_in(wind_noise(s.rate, 4.0f, 200, 700, 0.9f, 0.25f, 342), 0.0f, 0.8f);
    normalise(s, 0.6f);
    return s;
}

static Sound owl()
{
    Sound s(22050, 2.8f);
    const float at[] = {0.1f, 0.75f, 1.05f};
    const float len[] = {0.45f, 0.22f, 0.5f};
    Noise noise(351);
    for (int k = 0; k < 3; k++) {
        std::vector<float> h(size_t(len[k] * float(s.rate)));
        Svf lp(s.rate);
        float ph = 0;
        for (size_t i = 0; i < h.size(); i++) {
            float t = float(i) / float(s.rate);
            float f = 390.0f * (1.0f - 0.06f * t / len[k]);
            ph += f / float(s.rate);
            float x = std::sin(TAU * ph) + 0.15f * std::sin(TAU * 2 * ph) + lp.lowpass(noise.white(), 800.0f) * 0.3f;
            h[i] = x * env_adsr(t, len[k] * 0.7f, 0.06f, 0.05f, 0.8f, len[k] * 0.3f);
        }
        s.mix_in(h, at[k], 0.6f, -0.3f);
    }
    finish(s, {.room = 0.85f, .damp = 0.6f, .wet = 0.45f, .peak = 0.7f});
    return s;
}

static Sound crow()
{
    Sound s(22050, 2.0f);
    for (int k = 0; k < 3; k++) {
        const VoiceShape v{.f0_start = 620, .f0_end = 480, .jitter = 0.05f, .formant_start = {900, 1300, 2600},
                           .formant_end = {700, 1100, 2500}, .breath = 0.4f, .growl = 0.7f, .drive = 3.0f, .attack = 0.01f,
                           .release = 0.08f};
        s.mix_in(voice(s.rate, 0.24f, v, 361u + uint32_t(k)), 0.1f + 0.38f * float(k), 0.7f, 0.4f);
    }
    finish(s, {.room = 0.7f, .damp = 0.5f, .wet = 0.35f, .peak = 0.7f});
    return s;
}

static Sound church_bell()
{
    Sound s(44100, 5.0f);
    for (int k = 0; k < 2; k++) s.mix_in(bell(s.rate, 196.0f, 4.0f, 0.4f), 0.05f + 2.0f * float(k), 0.5f, -0.2f);
    Svf lp(s.rate), lp2(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        s.l[i] = lp.lowpass(s.l[i], 2500.0f);
        s.r[i] = lp2.lowpass(s.r[i], 2500.0f);
    }
    finish(s, {.room = 0.9f, .damp = 0.5f, .wet = 0.5f, .fade_out = 0.8f, .peak = 0.7f});
    return s;
}

static std::vector<float> croaks(int rate, float seconds, float f0, float pulse, uint32_t seed)
{
    const VoiceShape v{.f0_start = f0, .f0_end = f0 * 0.9f, .formant_start = {450, 800, 2400},
                       .formant_end = {380, 700, 2300}, .drive = 2.0f, .attack = 0.02f, .release = 0.05f};
    std::vector<float> x = voice(rate, seconds, v, seed);
    for (size_t i = 0; i < x.size(); i++) x[i] *= std::pow(0.5f + 0.5f * std::sin(TAU * pulse * float(i) / float(rate)), 3.0f);
    return x;
}

static Sound frogs()
{
    Sound s(22050, 3.0f);
    s.mix_in(croaks(s.rate, 0.5f, 150.0f, 12.0f, 371), 0.2f, 0.6f, -0.6f);
    s.mix_in(croaks(s.rate, 0.4f, 210.0f, 15.0f, 372), 0.9f, 0.5f, 0.5f);
    s.mix_in(croaks(s.rate, 0.6f, 120.0f, 10.0f, 373), 1.6f, 0.6f, 0.0f);
    s.mix_in(croaks(s.rate, 0.4f, 190.0f, 14.0f, 374), 2.3f, 0.5f, -0.3f);
    for (int k = 0; k < 6; k++) s.mix_in(chirp(s.rate, 0.08f, 2600.0f, 3200.0f, 1.0f), 0.3f + 0.45f * float(k), 0.15f, k % 2 ? 0.7f : -0.7f);
    finish(s, {.room = 0.5f, .damp = 0.5f, .wet = 0.2f, .peak = 0.7f});
    return s;
}

static Sound drips()
{
    Sound s(22050, 2.6f);
    const float at[] = {0.1f, 0.7f, 1.15f, 1.9f};
    const float f[] = {900, 1250, 780, 1100};
    for (int k = 0; k < 4; k++) {
        std::vector<float> d(size_t(0.12f * float(s.rate)));
        float ph = 0;
        for (size_t i = 0; i < d.size(); i++) {
            float t = float(i) / float(s.rate);
            float fr = f[k] * (1.0f + 1.2f * std::min(1.0f, t / 0.03f));
            ph += fr / float(s.rate);
            d[i] = std::sin(TAU * ph) * std::exp(-t / 0.03f);
        }
        s.mix_in(d, at[k], 0.6f, k % 2 ? 0.4f : -0.4f);
    }
    finish(s, {.room = 0.9f, .damp = 0.3f, .wet = 0.5f, .peak = 0.7f});
    return s;
}

static Sound hawk()
{
    Sound s(22050, 2.0f);
    std::vector<float> cry(size_t(1.1f * float(s.rate)));
    Noise noise(381);
    Svf bp(s.rate);
    float ph = 0;
    for (size_t i = 0; i < cry.size(); i++) {
        float t = float(i) / float(s.rate);
        float u = t / 1.1f;
        float f = u < 0.15f ? 2400.0f + 1200.0f * u / 0.15f : 3600.0f * std::pow(0.55f, (u - 0.15f) / 0.85f);
        ph += f / float(s.rate);
        float x = std::sin(TAU * ph) + 0.3f * std::sin(TAU * 2 * ph) + bp.bandpass(noise.white(), f, 6.0f) * 0.8f;
        cry[i] = x * env_adsr(t, 0.8f, 0.03f, 0.1f, 0.7f, 0.3f);
    }
    s.mix_in(cry, 0.1f, 0.6f, 0.3f);
    echo(s, 0.31f, 0.4f, 0.5f);
    finish(s, {.room = 0.6f, .damp = 0.5f, .wet = 0.25f, .peak = 0.7f});
    return s;
}

static Sound howl()
{
    Sound s(44100, 3.6f);
    const VoiceShape v{.f0_start = 360, .f0_end = 520, .f0_curve = 0.5f, .vibrato = 0.015f, .vibrato_rate = 5.0f,
                       .formant_start = {380, 950, 2650}, .formant_end = {520, 900, 2800}, .breath = 0.12f, .attack = 0.35f,
                       .release = 0.9f};
    std::vector<float> h = voice(s.rate, 2.4f, v, 391);
    Svf lp(s.rate);
    for (float& x : h) x = lp.lowpass(x, 1800.0f);
    s.mix_in(h, 0.1f, 0.8f, -0.2f);
    finish(s, {.room = 0.95f, .damp = 0.5f, .wet = 0.55f, .peak = 0.7f});
    return s;
}

static Sound insects()
{
    Sound s(22050, 3.0f);
    Noise noise(401);
    Svf bp(s.rate), bp2(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float am = std::pow(0.5f + 0.5f * std::sin(TAU * 85.0f * t), 2.0f) * (0.6f + 0.4f * std::sin(TAU * 0.7f * t));
        float swell = env_bell(t, 3.0f);
        s.l[i] += bp.bandpass(noise.white(), 5200.0f, 6.0f) * am * swell;
        s.r[i] += bp2.bandpass(noise.white(), 4700.0f, 6.0f) * am * swell * 0.8f;
    }
    normalise(s, 0.55f);
    return s;
}

static Sound volcanic_rumble()
{
    Sound s(22050, 3.6f);
    Noise noise(411);
    Svf lp(s.rate), lp2(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float swell = 0.5f + 0.5f * std::sin(TAU * 0.4f * t);
        s.l[i] += lp.lowpass(noise.brown(), 140.0f, 1.0f) * (0.6f + 0.4f * swell) * env_bell(t, 3.6f) * 2.0f;
        s.r[i] += lp2.lowpass(noise.brown(), 120.0f, 1.0f) * (0.6f + 0.4f * swell) * env_bell(t, 3.6f) * 2.0f;
    }
    Rng rng(412);
    for (int k = 0; k < 7; k++) {
        std::vector<float> pop = thump(s.rate, 0.15f, rng.range(180, 320), 90.0f, 0.04f);
        s.mix_in(pop, 0.3f + 0.42f * float(k), 0.35f, rng.range(-0.6f, 0.6f));
    }
    normalise(s, 0.75f);
    return s;
}

static Sound crickets()
{
    Sound s(22050, 3.0f);
    const float pans[] = {-0.6f, 0.5f};
    const float freqs[] = {4400.0f, 4900.0f};
    for (int c = 0; c < 2; c++) {
        std::vector<float> v(s.size());
        for (size_t i = 0; i < v.size(); i++) {
            float t = float(i) / float(s.rate) + float(c) * 0.37f;
            float group = std::fmod(t, 0.9f);
            float gate = group < 0.3f ? std::pow(std::max(0.0f, std::sin(TAU * 10.0f * group)), 2.0f) : 0.0f;
            v[i] = std::sin(TAU * freqs[c] * t) * gate;
        }
        s.mix_in(v, 0.0f, 0.35f, pans[c]);
    }
    fade_edges(s, 0.2f, 0.4f);
    finish(s, {.room = 0.5f, .damp = 0.5f, .wet = 0.2f, .peak = 0.55f});
    return s;
}

static Sound thunder()
{
    Sound s(44100, 5.0f);
    Noise noise(421);
    Svf hp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        s.add(i, hp.highpass(noise.white(), 800.0f) * std::exp(-t / 0.06f) * std::min(1.0f, t * 400.0f), -0.3f);
    }
    s.mix_in(rumble(s.rate, 4.8f, 260.0f, 1.6f, 422), 0.05f, 1.3f, -0.4f);
    s.mix_in(rumble(s.rate, 4.8f, 220.0f, 1.8f, 423), 0.25f, 1.3f, 0.4f);
    s.mix_in(rumble(s.rate, 3.0f, 180.0f, 1.0f, 424), 1.4f, 1.0f, 0.1f);
    finish(s, {.room = 0.8f, .damp = 0.6f, .wet = 0.3f, .fade_out = 1.0f, .peak = 0.85f});
    return s;
}

// Boss intros: a drone swell under each boss's own signature.
static void drone(Sound& s, const float* notes, int count, float cutoff, float gain)
{
    std::vector<Osc> oscs(size_t(count) * 2, Osc(s.rate));
    Svf lp(s.rate), lp2(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float l = 0, r = 0;
        for (int k = 0; k < count; k++) {
            float f = midi_hz(notes[k]);
            l += oscs[size_t(k) * 2].saw(f * 0.997f);
            r += oscs[size_t(k) * 2 + 1].saw(f * 1.003f);
        }
        float env = env_adsr(t, s.seconds() - 1.0f, 1.2f, 0.5f, 0.8f, 1.0f);
        float c = cutoff * (0.4f + 0.6f * std::min(1.0f, t / 1.5f));
        s.l[i] += lp.lowpass(l, c, 1.5f) * env * gain;
        s.r[i] += lp2.lowpass(r, c, 1.5f) * env * gain;
    }
}

static Sound boss_frog()
{
    Sound s(44100, 4.0f);
    const float notes[] = {26, 33, 38};
    drone(s, notes, 3, 500.0f, 0.15f);
    Rng rng(431);
    for (int k = 0; k < 10; k++) s.mix_in(thump(s.rate, 0.2f, rng.range(120, 260), 60.0f, 0.05f), 0.2f + 0.13f * float(k), 0.25f, rng.range(-0.5f, 0.5f));
    const VoiceShape v{.f0_start = 52, .f0_end = 44, .formant_start = {450, 800, 2400}, .formant_end = {350, 700, 2200},
                       .formant_scale = 0.5f, .growl = 0.6f, .drive = 3.0f, .attack = 0.05f, .release = 0.3f};
    std::vector<float> c = voice(s.rate, 1.3f, v, 432);
    for (size_t i = 0; i < c.size(); i++) c[i] *= 0.35f + 0.65f * std::pow(0.5f + 0.5f * std::sin(TAU * 7.0f * float(i) / float(s.rate)), 2.0f);
    s.mix_in(c, 1.7f, 1.0f);
    finish(s, {.room = 0.8f, .damp = 0.5f, .wet = 0.35f, .peak = 0.9f});
    return s;
}

static Sound boss_wolf()
{
    Sound s(44100, 4.5f);
    const float notes[] = {31, 38, 43};
    drone(s, notes, 3, 600.0f, 0.12f);
    for (int k = 0; k < 3; k++) s.mix_in(thump(s.rate, 0.6f, 100, 45, 0.2f), 0.15f + 0.45f * float(k), 0.9f);
    const VoiceShape v{.f0_start = 200, .f0_end = 330, .f0_curve = 0.4f, .vibrato = 0.02f, .vibrato_rate = 4.5f,
                       .formant_start = {380, 950, 2650}, .formant_end = {560, 950, 2700}, .formant_scale = 0.75f,
                       .growl = 0.3f, .drive = 1.5f, .attack = 0.3f, .release = 1.0f};
    s.mix_in(voice(s.rate, 2.8f, v, 441), 1.4f, 1.0f, 0.1f);
    finish(s, {.room = 0.9f, .damp = 0.5f, .wet = 0.45f, .peak = 0.9f});
    return s;
}

static Sound boss_thorn()
{
    Sound s(44100, 4.5f);
    const float notes[] = {33, 40, 45, 48};
    drone(s, notes, 4, 700.0f, 0.1f);
    // Creaking wood: an irregular pulse train through a resonant band.
    Noise noise(451);
    Svf bp(s.rate), bp2(s.rate);
    float ph = 0;
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float rate = 25.0f + 20.0f * std::sin(TAU * 0.6f * t) + 10.0f * noise.white();
        ph += rate / float(s.rate);
        float pulse = 0;
        if (ph >= 1.0f) {
            ph -= 1.0f;
            pulse = 1.0f;
        }
        float creak = bp.bandpass(pulse * 8.0f, 700.0f + 200.0f * std::sin(TAU * 0.3f * t), 12.0f) * env_bell(t - 0.5f, 2.5f);
        float rustle = bp2.bandpass(noise.white(), 4000.0f, 0.8f) * 0.25f * env_bell(t, 4.5f) * noise.rng().unit();
        s.add(i, creak + rustle, 0.3f * std::sin(TAU * 0.2f * t));
    }
    finish(s, {.room = 0.8f, .damp = 0.5f, .wet = 0.35f, .peak = 0.9f});
    return s;
}

static Sound boss_star()
{
    Sound s(44100, 4.0f);
    float pc = 0, pm = 0;
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float u = std::min(1.0f, t / 2.0f);
        float fc = 2200.0f * std::pow(60.0f / 2200.0f, u);
        pm += fc * 0.5f / float(s.rate);
        pc += (fc + fc * 2.5f * std::sin(TAU * pm)) / float(s.rate);
        s.add(i, std::sin(TAU * pc) * env_adsr(t, 2.0f, 0.1f, 0.3f, 0.8f, 0.4f) * 0.5f, std::sin(TAU * 1.5f * t) * 0.7f);
    }
    s.mix_in(thump(s.rate, 1.5f, 90, 30, 0.5f), 2.0f, 1.0f);
    s.mix_in(rumble(s.rate, 1.8f, 400.0f, 0.6f, 461), 2.0f, 0.9f);
    for (int k = 0; k < 8; k++) s.mix_in(bell(s.rate, 1800.0f + 220.0f * float(k), 0.8f, 0.8f), 2.1f + 0.1f * float(k), 0.07f, k % 2 ? 0.6f : -0.6f);
    finish(s, {.room = 0.85f, .damp = 0.4f, .wet = 0.4f, .peak = 0.9f});
    return s;
}

static Sound boss_torvessa()
{
    Sound s(44100, 5.0f);
    // D, F, G#, C#: a chord with no home in it.
    const float notes[] = {38, 41, 44, 49, 50};
    drone(s, notes, 5, 900.0f, 0.09f);
    s.mix_in(thump(s.rate, 1.2f, 80, 30, 0.5f), 0.0f, 0.8f);
    s.mix_in(rumble(s.rate, 3.0f, 250.0f, 1.2f, 471), 0.0f, 0.9f);
    for (int k = 0; k < 4; k++) {
        const VoiceShape v{.f0_start = 300.0f - 15.0f * float(k), .f0_end = 250.0f - 15.0f * float(k),
                           .formant_start = {850, 1220, 2810}, .formant_end = {700, 1100, 2700}, .breath = 0.45f,
                           .drive = 0.8f, .attack = 0.01f, .release = 0.1f};
        s.mix_in(voice(s.rate, 0.17f, v, 472u + uint32_t(k)), 1.9f + 0.26f * float(k), 0.9f - 0.12f * float(k), -0.2f + 0.15f * float(k));
    }
    finish(s, {.room = 0.92f, .damp = 0.4f, .wet = 0.5f, .fade_out = 0.6f, .peak = 0.9f});
    return s;
}

void add_ambient_sounds(std::vector<SoundRecipe>& list)
{
    list.push_back({"sounds\\amb_birds.wav", Storage::Pcm8Stereo22, birds});
    list.push_back({"sounds\\amb_breeze.wav", Storage::Pcm8Stereo22, breeze});
    list.push_back({"sounds\\amb_owl.wav", Storage::Pcm8Mono22, owl});
    list.push_back({"sounds\\amb_wind.wav", Storage::Pcm16Stereo44, wind});
    list.push_back({"sounds\\amb_crow.wav", Storage::Pcm8Mono22, crow});
    list.push_back({"sounds\\amb_bell.wav", Storage::Pcm16Stereo44, church_bell});
    list.push_back({"sounds\\amb_frogs.wav", Storage::Pcm8Stereo22, frogs});
    list.push_back({"sounds\\amb_drip.wav", Storage::Pcm8Stereo22, drips});
    list.push_back({"sounds\\amb_sandwind.wav", Storage::Pcm8Stereo22, sand_wind});
    list.push_back({"sounds\\amb_hawk.wav", Storage::Pcm8Stereo22, hawk});
    list.push_back({"sounds\\amb_blizzard.wav", Storage::Pcm16Stereo44, blizzard});
    list.push_back({"sounds\\amb_howl.wav", Storage::Pcm16Stereo44, howl});
    list.push_back({"sounds\\amb_insects.wav", Storage::Pcm8Stereo22, insects});
    list.push_back({"sounds\\amb_rumble.wav", Storage::Pcm8Stereo22, volcanic_rumble});
    list.push_back({"sounds\\amb_crickets.wav", Storage::Pcm8Stereo22, crickets});
    list.push_back({"sounds\\amb_thunder.wav", Storage::Pcm16Stereo44, thunder});
    list.push_back({"sounds\\boss_frog.wav", Storage::Pcm16Stereo44, boss_frog});
    list.push_back({"sounds\\boss_wolf.wav", Storage::Pcm16Stereo44, boss_wolf});
    list.push_back({"sounds\\boss_thorn.wav", Storage::Pcm16Stereo44, boss_thorn});
    list.push_back({"sounds\\boss_star.wav", Storage::Pcm16Stereo44, boss_star});
    list.push_back({"sounds\\boss_torvessa.wav", Storage::Pcm16Stereo44, boss_torvessa});
}
