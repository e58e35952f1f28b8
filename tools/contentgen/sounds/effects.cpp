// Spell, impact, pickup, gate, menu and hazard sounds.
#include "sounds/sound_list.h"
#include <algorithm>

std::vector<float> whoosh(int rate, float seconds, float f0, float f1, float f2, float q, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Svf f(rate);
    for (size_t i = 0; i < n; i++) {
        float u = float(i) / float(n);
        float fc = u < 0.5f ? f0 * std::pow(f1 / f0, u * 2) : f1 * std::pow(f2 / f1, (u - 0.5f) * 2);
        out[i] = f.bandpass(noise.white(), fc, q) * std::pow(std::sin(3.14159265f * u), 1.5f);
    }
    return out;
}

std::vector<float> thump(int rate, float seconds, float f_start, float f_end, float decay)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    float phase = 0;
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float f = f_end + (f_start - f_end) * std::exp(-t / (decay * 0.35f));
        phase += f / float(rate);
        out[i] = std::sin(TAU * phase) * std::exp(-t / decay) * std::min(1.0f, t * 800.0f);
    }
    return out;
}

std::vector<float> rumble(int rate, float seconds, float cutoff, float decay, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Svf f(rate), g(rate);
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float c = cutoff * (0.4f + 0.6f * std::exp(-t / (decay * 0.5f)));
        float x = f.lowpass(noise.white(), c, 0.9f);
        x = g.lowpass(x, c * 1.5f, 0.7f);
        out[i] = x * 2.5f * std::exp(-t / decay) * std::min(1.0f, t * 300.0f);
    }
    return out;
}

std::vector<float> crackle(int rate, float seconds, float per_second, float decay, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Svf hp(rate);
    float env = 0;
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        if (noise.rng().unit() < per_second / float(rate)) env = 0.4f + 0.6f * noise.rng().unit();
        env *= 0.985f;
        out[i] = hp.highpass(noise.white(), 1500.0f) * env * std::exp(-t / decay);
    }
    return out;
}

std::vector<float> chirp(int rate, float seconds, float f_start, float f_end, float curve)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    float phase = 0;
    for (size_t i = 0; i < n; i++) {
        float u = float(i) / float(n);
        float f = f_start * std::pow(f_end / f_start, std::pow(u, curve));
        phase += f / float(rate);
        out[i] = std::sin(TAU * phase) * std::sin(3.14159265f * u);
    }
    return out;
}

static Sound click()
{
    Sound s(22050, 0.16f);
    Noise noise(11);
    Svf bp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float knock = std::sin(TAU * 1750.0f * t) * std::exp(-t / 0.012f);
        float tick = bp.bandpass(noise.white(), 3200.0f, 2.0f) * std::exp(-t / 0.004f) * 2.0f;
        float ring = (std::sin(TAU * 2637.0f * t) * 0.5f + std::sin(TAU * 3951.0f * t) * 0.25f) * std::exp(-t / 0.05f);
        s.add(i, knock * 0.7f + tick + ring * 0.35f);
    }
    normalise(s, 0.85f);
    return s;
}

static Sound staff_swing()
{
    Sound s(22050, 0.42f);
    s.mix_in(whoosh(s.rate, 0.34f, 500, 2600, 700, 1.3f, 21), 0.0f, 1.4f);
    for (int k = 0; k < 4; k++) {
        float f = 2200.0f * std::pow(1.26f, float(k));
        std::vector<float> sh(size_t(0.25f * float(s.rate)));
        for (size_t i = 0; i < sh.size(); i++) {
            float t = float(i) / float(s.rate);
            sh[i] = std::sin(TAU * f * t) * std::exp(-t / 0.06f) * 0.12f;
        }
        s.mix_in(sh, 0.12f + 0.02f * float(k));
    }
    normalise(s, 0.9f);
    return s;
}

static Sound game_jingle()
{
    // A harp run up a D minor chord, answered by two low bells and a soft pad.
    Sound s(44100, 3.6f);
    const float notes[] = {50, 53, 57, 62, 65, 69, 74};
    for (int i = 0; i < 7; i++) {
        float at = 0.09f * float(i);
        s.mix_in(pluck(s.rate, midi_hz(notes[i]), 2.6f, 0.6f, 100u + uint32_t(i)), at, 0.55f, -0.6f + 0.2f * float(i));
    }
    s.mix_in(bell(s.rate, midi_hz(74), 2.8f, 0.5f), 0.7f, 0.22f, 0.3f);
    s.mix_in(bell(s.rate, midi_hz(69), 2.8f, 0.5f), 1.05f, 0.2f, -0.3f);
    Osc o1(s.rate), o2(s.rate), o3(s.rate);
    Svf lp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float env = env_adsr(t, 2.2f, 0.5f, 0.4f, 0.7f, 1.0f);
        float x = o1.saw(midi_hz(38)) + o2.saw(midi_hz(45) * 1.003f) + o3.saw(midi_hz(50) * 0.997f);
        s.add(i, lp.lowpass(x, 700.0f, 0.8f) * env * 0.12f);
    }
    finish(s, {.room = 0.8f, .damp = 0.4f, .wet = 0.35f, .fade_out = 0.4f, .peak = 0.9f});
    return s;
}

static Sound spawn_swell()
{
    Sound s(22050, 1.3f);
    s.mix_in(rumble(s.rate, 1.2f, 220.0f, 0.6f, 31), 0.0f, 1.0f);
    std::vector<float> rise = whoosh(s.rate, 1.0f, 200, 900, 3000, 2.5f, 32);
    s.mix_in(rise, 0.1f, 0.8f, -0.3f);
    Noise rng(33);
    for (int k = 0; k < 9; k++) {
        float at = 0.35f + 0.09f * float(k);
        std::vector<float> ping = bell(s.rate, 1400.0f + 300.0f * float(k) + rng.rng().range(0, 200), 0.4f, 0.8f);
        s.mix_in(ping, at, 0.08f, rng.rng().range(-0.8f, 0.8f));
    }
    finish(s, {.room = 0.6f, .damp = 0.5f, .wet = 0.3f, .fade_in = 0.01f, .fade_out = 0.2f, .peak = 0.9f});
    return s;
}

static Sound powerup()
{
    Sound s(22050, 0.9f);
    const float notes[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; i++) {
        std::vector<float> b = bell(s.rate, midi_hz(notes[i]), 0.6f, 0.7f);
        s.mix_in(b, 0.055f * float(i), 0.5f);
        std::vector<float> sq(size_t(0.12f * float(s.rate)));
        Osc o(s.rate);
        for (size_t j = 0; j < sq.size(); j++) sq[j] = o.square(midi_hz(notes[i] - 12)) * env_perc(float(j) / float(s.rate), 0.003f, 0.04f);
        s.mix_in(sq, 0.055f * float(i), 0.12f);
    }
    s.mix_in(whoosh(s.rate, 0.6f, 2000, 6000, 8000, 2.0f, 41), 0.1f, 0.25f);
    normalise(s, 0.9f);
    return s;
}

static Sound spell_select()
{
    Sound s(22050, 0.5f);
    const float parts[] = {1850, 2930, 4470, 6100};
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float v = 0;
        for (int k = 0; k < 4; k++) v += std::sin(TAU * parts[k] * t * (1.0f + 0.002f * std::sin(TAU * 7 * t))) * std::exp(-t / (0.09f / float(k + 1))) / float(k + 1);
        s.add(i, v * std::min(1.0f, t * 3000.0f) * 0.6f);
    }
    s.mix_in(whoosh(s.rate, 0.12f, 3000, 7000, 5000, 1.5f, 51), 0.0f, 0.8f);
    normalise(s, 0.85f);
    return s;
}

static Sound death_splat()
{
    Sound s(22050, 0.7f);
    s.mix_in(thump(s.rate, 0.5f, 160, 45, 0.12f), 0.0f, 1.0f);
    Noise noise(61);
    Svf lp(s.rate);
    std::vector<float> wet(size_t(0.5f * float(s.rate)));
    for (size_t i = 0; i < wet.size(); i++) {
        float t = float(i) / float(s.rate);
        float cut = 2500.0f * std::exp(-t / 0.08f) + 300.0f;
        wet[i] = lp.lowpass(noise.white(), cut, 2.5f) * std::exp(-t / 0.1f);
    }
    s.mix_in(wet, 0.0f, 1.2f);
    s.mix_in(crackle(s.rate, 0.35f, 140.0f, 0.12f, 62), 0.01f, 0.6f);
    normalise(s, 0.9f);
    return s;
}

static Sound hit_thud()
{
    Sound s(22050, 0.26f);
    s.mix_in(thump(s.rate, 0.25f, 180, 70, 0.06f), 0.0f, 1.0f);
    Noise noise(71);
    Svf bp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        s.add(i, bp.bandpass(noise.white(), 900.0f, 1.2f) * std::exp(-t / 0.025f) * 1.5f);
    }
    normalise(s, 0.9f);
    return s;
}

static Sound big_impact()
{
    Sound s(44100, 2.6f);
    s.mix_in(thump(s.rate, 1.5f, 90, 32, 0.5f), 0.0f, 1.0f);
    s.mix_in(rumble(s.rate, 2.4f, 500.0f, 0.7f, 81), 0.0f, 1.1f, -0.2f);
    s.mix_in(rumble(s.rate, 2.4f, 450.0f, 0.7f, 82), 0.0f, 1.1f, 0.2f);
    s.mix_in(crackle(s.rate, 0.8f, 90.0f, 0.3f, 83), 0.02f, 0.4f);
    finish(s, {.saturate = 1.5f, .room = 0.85f, .damp = 0.5f, .wet = 0.3f, .fade_out = 0.5f, .peak = 0.95f});
    return s;
}

static Sound fire_explosion()
{
    Sound s(22050, 1.2f);
    s.mix_in(thump(s.rate, 0.6f, 120, 40, 0.18f), 0.0f, 0.9f);
    Noise noise(91);
    Svf lp(s.rate), lp2(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float cut = 5000.0f * std::exp(-t / 0.12f) + 250.0f;
        float a = lp.lowpass(noise.white(), cut, 0.8f), b = lp2.lowpass(noise.white(), cut * 0.8f, 0.8f);
        float env = std::exp(-t / 0.3f) * std::min(1.0f, t * 500.0f);
        s.l[i] += a * env * 1.3f;
        s.r[i] += b * env * 1.3f;
    }
    s.mix_in(crackle(s.rate, 1.0f, 60.0f, 0.35f, 92), 0.05f, 0.5f);
    finish(s, {.saturate = 1.0f, .fade_out = 0.2f, .peak = 0.92f});
    return s;
}

static Sound incinerate()
{
    Sound s(44100, 3.2f);
    // A roar that climbs, the blast, then the fire settling.
    s.mix_in(whoosh(s.rate, 0.9f, 150, 1800, 2500, 1.2f, 101), 0.0f, 1.0f, -0.3f);
    s.mix_in(whoosh(s.rate, 0.9f, 170, 1600, 2600, 1.2f, 102), 0.0f, 1.0f, 0.3f);
    s.mix_in(thump(s.rate, 1.6f, 110, 28, 0.6f), 0.75f, 1.2f);
    s.mix_in(rumble(s.rate, 2.4f, 700.0f, 0.9f, 103), 0.75f, 1.2f, -0.25f);
    s.mix_in(rumble(s.rate, 2.4f, 650.0f, 0.9f, 104), 0.75f, 1.2f, 0.25f);
    s.mix_in(crackle(s.rate, 2.2f, 110.0f, 0.9f, 105), 0.8f, 0.5f, -0.5f);
    s.mix_in(crackle(s.rate, 2.2f, 110.0f, 0.9f, 106), 0.8f, 0.5f, 0.5f);
    finish(s, {.saturate = 2.0f, .room = 0.85f, .damp = 0.4f, .wet = 0.3f, .fade_out = 0.6f, .peak = 0.95f});
    return s;
}

static std::vector<float> flame_roar(int rate, float seconds, float pitch, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Svf bp(rate), lp(rate);
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float u = t / seconds;
        float flutter = 1.0f + 0.35f * std::sin(TAU * 23.0f * t) * noise.rng().unit();
        float x = bp.bandpass(noise.white(), pitch * (0.8f + 0.6f * u), 0.9f) * flutter;
        x += lp.lowpass(noise.white(), 300.0f, 0.7f) * 1.5f;
        out[i] = x * env_adsr(t, seconds * 0.6f, 0.04f, 0.15f, 0.7f, seconds * 0.4f);
    }
    return out;
}

static Sound super_fireball()
{
    Sound s(22050, 1.0f);
    s.mix_in(flame_roar(s.rate, 0.95f, 900.0f, 111), 0.0f, 1.0f, -0.2f);
    s.mix_in(flame_roar(s.rate, 0.95f, 1100.0f, 112), 0.0f, 1.0f, 0.2f);
    s.mix_in(thump(s.rate, 0.4f, 140, 60, 0.15f), 0.0f, 0.6f);
    finish(s, {.saturate = 1.5f, .peak = 0.92f});
    return s;
}

static Sound fireball_launch()
{
    Sound s(22050, 0.55f);
    s.mix_in(whoosh(s.rate, 0.5f, 400, 2200, 900, 1.0f, 121), 0.0f, 1.2f);
    s.mix_in(flame_roar(s.rate, 0.45f, 700.0f, 122), 0.0f, 0.5f);
    s.mix_in(chirp(s.rate, 0.3f, 300.0f, 900.0f, 0.6f), 0.0f, 0.15f);
    normalise(s, 0.9f);
    return s;
}

static std::vector<float> zap(int rate, float seconds, float base, uint32_t seed)
{
    size_t n = size_t(float(rate) * seconds);
    std::vector<float> out(n);
    Noise noise(seed);
    Osc o(rate), o2(rate);
    Svf hp(rate), bp(rate);
    float f = base, hold = 0;
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        if (hold <= 0) {
            f = base * (0.5f + noise.rng().unit() * 1.5f);
            hold = 0.004f + noise.rng().unit() * 0.02f;
        }
        hold -= 1.0f / float(rate);
        float buzz = o.saw(f) * 0.5f + o2.square(f * 1.5f) * 0.3f;
        float crack = bp.bandpass(noise.white(), 4000.0f, 0.8f) * (noise.rng().unit() < 0.02f ? 3.0f : 0.6f);
        out[i] = hp.highpass(buzz + crack, 300.0f) * env_adsr(t, seconds * 0.7f, 0.005f, 0.05f, 0.6f, seconds * 0.3f);
    }
    return out;
}

static Sound lightning_cast()
{
    Sound s(22050, 0.75f);
    s.mix_in(zap(s.rate, 0.7f, 110.0f, 131), 0.0f, 0.8f, -0.4f);
    s.mix_in(zap(s.rate, 0.7f, 160.0f, 132), 0.0f, 0.8f, 0.4f);
    s.mix_in(chirp(s.rate, 0.4f, 3000.0f, 600.0f, 0.5f), 0.0f, 0.25f);
    normalise(s, 0.9f);
    return s;
}

static Sound lightning_hit()
{
    Sound s(22050, 0.7f);
    s.mix_in(zap(s.rate, 0.5f, 80.0f, 141), 0.05f, 0.7f);
    Noise noise(142);
    Svf hp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        s.add(i, hp.highpass(noise.white(), 2000.0f) * std::exp(-t / 0.03f) * 1.8f);
    }
    s.mix_in(thump(s.rate, 0.4f, 200, 60, 0.1f), 0.0f, 0.6f);
    normalise(s, 0.9f);
    return s;
}

static Sound time_gate()
{
    Sound s(44100, 3.0f);
    // Rising pad chord, a shimmering arpeggio and a soft rush as the gate opens.
    Osc a(s.rate), b(s.rate), c(s.rate), d(s.rate);
    Svf lp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float bend = std::pow(2.0f, (std::min(t, 1.2f) / 1.2f - 1.0f) * 5.0f / 12.0f);
        float x = a.saw(midi_hz(62) * bend) + b.saw(midi_hz(66) * bend * 1.004f) + c.saw(midi_hz(69) * bend * 0.996f) + d.saw(midi_hz(74) * bend);
        float env = env_adsr(t, 2.0f, 1.0f, 0.3f, 0.8f, 0.9f);
        s.add(i, lp.lowpass(x, 600.0f + 2500.0f * std::min(1.0f, t / 1.4f), 1.2f) * env * 0.18f);
    }
    const float arp[] = {74, 78, 81, 86, 90, 93, 98};
    for (int r = 0; r < 2; r++)
        for (int k = 0; k < 7; k++)
            s.mix_in(bell(s.rate, midi_hz(arp[k]), 1.2f, 0.6f), 0.3f + 0.12f * float(k) + 0.84f * float(r), 0.12f, k % 2 ? 0.6f : -0.6f);
    s.mix_in(whoosh(s.rate, 1.6f, 300, 2500, 5000, 1.0f, 151), 0.2f, 0.45f);
    finish(s, {.room = 0.9f, .damp = 0.3f, .wet = 0.4f, .fade_in = 0.01f, .fade_out = 0.5f, .peak = 0.9f});
    return s;
}

static Sound cannon_boom()
{
    Sound s(22050, 1.8f);
    s.mix_in(thump(s.rate, 0.9f, 130, 38, 0.3f), 0.0f, 1.2f);
    Noise noise(161);
    Svf lp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float cut = 3500.0f * std::exp(-t / 0.05f) + 200.0f;
        s.add(i, lp.lowpass(noise.white(), cut, 0.7f) * std::exp(-t / 0.35f) * 1.6f * std::min(1.0f, t * 2000.0f));
    }
    for (size_t i = 0; i < s.size(); i++) s.l[i] = s.r[i] = drive(s.l[i], 1.8f);
    echo(s, 0.23f, 0.35f, 0.6f);
    finish(s, {.fade_out = 0.4f, .peak = 0.92f});
    return s;
}

static Sound shell_whistle()
{
    Sound s(22050, 1.5f);
    Osc o(s.rate);
    Noise noise(171);
    Svf bp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float u = t / s.seconds();
        float f = 2300.0f * std::pow(650.0f / 2300.0f, u) * (1.0f + 0.01f * std::sin(TAU * 6.0f * t));
        float air = bp.bandpass(noise.white(), f, 8.0f) * 0.6f;
        float env = std::min(1.0f, u * 4.0f) * (0.4f + 0.6f * u) * std::min(1.0f, (1.0f - u) * 8.0f);
        s.add(i, (o.sine(f) * 0.6f + air) * env);
    }
    normalise(s, 0.85f);
    return s;
}

void add_effect_sounds(std::vector<SoundRecipe>& list)
{
    list.push_back({"sounds\\sel1.wav", Storage::Pcm8Mono22, click});
    list.push_back({"sounds\\god-h.wav", Storage::Pcm8Mono22, staff_swing});
    list.push_back({"sounds\\mbank2.wav", Storage::Pcm16Stereo44, game_jingle});
    list.push_back({"sounds\\spawn.wav", Storage::Pcm8Stereo22, spawn_swell});
    list.push_back({"sounds\\powerup.wav", Storage::Pcm8Mono22, powerup});
    list.push_back({"sounds\\axe.wav", Storage::Pcm8Mono22, spell_select});
    list.push_back({"sounds\\frag.wav", Storage::Pcm8Mono22, death_splat});
    list.push_back({"sounds\\hit.wav", Storage::Pcm8Mono22, hit_thud});
    list.push_back({"sounds\\impact.wav", Storage::Pcm16Stereo44, big_impact});
    list.push_back({"sounds\\explosion.wav", Storage::Pcm8Stereo22, fire_explosion});
    list.push_back({"sounds\\abomb.wav", Storage::Pcm16Stereo44, incinerate});
    list.push_back({"sounds\\fireball.wav", Storage::Pcm8Stereo22, super_fireball});
    list.push_back({"sounds\\rocket-f.wav", Storage::Pcm8Mono22, fireball_launch});
    list.push_back({"sounds\\lightning.wav", Storage::Pcm16Mono22, lightning_cast});
    list.push_back({"sounds\\lightning_hit.wav", Storage::Pcm8Mono22, lightning_hit});
    list.push_back({"sounds\\timegate.wav", Storage::Pcm16Stereo44, time_gate});
    list.push_back({"sounds\\cannon.wav", Storage::Pcm8Mono22, cannon_boom});
    list.push_back({"sounds\\whistle.wav", Storage::Pcm8Mono22, shell_whistle});
}
