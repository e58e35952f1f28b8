// Hurt, death and attack cries of the sorceress and the creatures.
#include "sounds/sound_list.h"
#include <initializer_list>

namespace {
struct Vowel {
    float f[3];
};
const Vowel A{{850, 1220, 2810}}, E{{550, 1900, 2700}}, I{{320, 2700, 3300}}, O{{520, 900, 2800}}, U{{380, 950, 2650}};

// How a voice sounds apart from its pitch and vowels; the defaults are a plain voice.
struct Colour {
    float f0_curve = 1.0f, vibrato = 0, vibrato_rate = 5.5f, jitter = 0;
    float breath = 0.08f, growl = 0, drive = 0, attack = 0.02f, release = 0.15f;
};

// One voiced part of a cry: a pitch glide from one vowel to another, its colour, and where it sits in the sound.
struct CryVoice {
    float f0_start, f0_end;
    Vowel from, to;
    float formant_scale;
    Colour colour;
    float seconds;
    uint32_t seed;
    float at = 0.0f, gain = 1.0f;
};

VoiceShape shape(const CryVoice& c)
{
    VoiceShape v;
    v.f0_start = c.f0_start;
    v.f0_end = c.f0_end;
    for (int k = 0; k < 3; k++) {
        v.formant_start[k] = c.from.f[k];
        v.formant_end[k] = c.to.f[k];
    }
    v.formant_scale = c.formant_scale;
    v.f0_curve = c.colour.f0_curve;
    v.vibrato = c.colour.vibrato;
    v.vibrato_rate = c.colour.vibrato_rate;
    v.jitter = c.colour.jitter;
    v.breath = c.colour.breath;
    v.growl = c.colour.growl;
    v.drive = c.colour.drive;
    v.attack = c.colour.attack;
    v.release = c.colour.release;
    return v;
}

// A sound of the voiced parts, not yet normalised.
Sound sung(int rate, float seconds, std::initializer_list<CryVoice> parts)
{
    Sound s(rate, seconds);
    for (const CryVoice& c : parts) s.mix_in(voice(s.rate, c.seconds, shape(c), c.seed), c.at, c.gain);
    return s;
}

// A cry made of voices alone.
Sound voiced_cry(int rate, float seconds, std::initializer_list<CryVoice> parts)
{
    Sound s = sung(rate, seconds, parts);
    normalise(s, 0.9f);
    return s;
}

const CryVoice kHeroHurt{430, 330, A, O, 1.05f, {.f0_curve = 0.7f, .breath = 0.18f, .drive = 0.5f, .attack = 0.012f, .release = 0.14f},
                         0.36f, 201};
const CryVoice kHeroDeath{470, 170, A, U, 1.05f,
                          {.f0_curve = 1.8f, .vibrato = 0.018f, .vibrato_rate = 6.0f, .jitter = 0.01f, .breath = 0.22f, .attack = 0.03f,
                           .release = 0.55f},
                          1.4f, 211};
const CryVoice kScreech{720, 430, E, A, 0.95f,
                        {.f0_curve = 0.6f, .jitter = 0.03f, .breath = 0.35f, .growl = 0.5f, .drive = 3.0f, .attack = 0.01f, .release = 0.15f},
                        0.45f, 221};
const CryVoice kZombieMoan{100, 72, O, A, 0.8f,
                           {.jitter = 0.06f, .breath = 0.3f, .growl = 0.8f, .drive = 2.0f, .attack = 0.06f, .release = 0.25f}, 0.75f, 231};
const CryVoice kWolfGrowl{120, 140, A, A, 0.72f,
                          {.jitter = 0.08f, .breath = 0.4f, .growl = 1.0f, .drive = 4.0f, .attack = 0.02f, .release = 0.05f}, 0.3f, 241, 0.0f, 0.8f};
const CryVoice kWolfBark{340, 210, O, U, 0.8f, {.growl = 0.4f, .drive = 3.0f, .attack = 0.005f, .release = 0.08f}, 0.18f, 242, 0.3f};
const CryVoice kWolfYelp{1150, 480, I, U, 1.1f, {.f0_curve = 0.8f, .breath = 0.15f, .drive = 1.0f, .attack = 0.01f, .release = 0.3f}, 0.75f, 251};
const CryVoice kWolfWhimper{620, 420, U, U, 1.0f, {.breath = 0.3f, .release = 0.15f}, 0.25f, 252, 0.8f, 0.5f};
const CryVoice kGoblinSqueal{680, 270, I, A, 1.25f,
                             {.f0_curve = 1.3f, .breath = 0.2f, .growl = 0.2f, .drive = 1.5f, .attack = 0.01f, .release = 0.25f}, 0.72f, 281};
const CryVoice kFrogCroak{78, 66, O, U, 0.6f, {.breath = 0.1f, .growl = 0.4f, .drive = 2.5f, .attack = 0.02f, .release = 0.1f}, 0.55f, 291};

}  // namespace

static Sound hero_death()
{
    Sound s = sung(44100, 2.2f, {kHeroDeath});
    finish(s, {.room = 0.75f, .damp = 0.5f, .wet = 0.35f, .fade_out = 0.4f, .peak = 0.9f});
    return s;
}

static Sound screech()
{
    Sound s = sung(22050, 0.5f, {kScreech});
    s.mix_in(whoosh(s.rate, 0.3f, 2500, 5000, 3000, 2.0f, 222), 0.0f, 0.3f);
    normalise(s, 0.9f);
    return s;
}

static Sound insect_chitter()
{
    Sound s(22050, 0.45f);
    Noise noise(261);
    Svf bp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float gate = std::pow(0.5f + 0.5f * std::sin(TAU * 38.0f * t), 8.0f);
        s.add(i, bp.bandpass(noise.white(), 3200.0f + 800.0f * std::sin(TAU * 3.0f * t), 3.0f) * gate * 2.0f * env_adsr(t, 0.3f, 0.01f, 0.05f, 0.8f, 0.1f));
    }
    for (int k = 0; k < 2; k++) {
        std::vector<float> clack = thump(s.rate, 0.06f, 2200.0f, 900.0f, 0.012f);
        s.mix_in(clack, 0.12f + 0.16f * float(k), 0.9f);
    }
    normalise(s, 0.9f);
    return s;
}

static Sound insect_death()
{
    Sound s(22050, 0.9f);
    Osc o(s.rate);
    Svf bp(s.rate);
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float u = t / s.seconds();
        float f = 1300.0f * std::pow(260.0f / 1300.0f, u);
        float am = 0.6f + 0.4f * std::sin(TAU * 55.0f * t);
        float x = o.saw(f) * am;
        s.add(i, drive(bp.bandpass(x, f * 2.2f, 1.5f) * 2.0f, 1.5f) * env_adsr(t, 0.7f, 0.01f, 0.1f, 0.8f, 0.2f));
    }
    s.mix_in(crackle(s.rate, 0.5f, 80.0f, 0.2f, 271), 0.0f, 0.4f);
    normalise(s, 0.9f);
    return s;
}

static Sound alien_warble()
{
    Sound s(22050, 1.5f);
    float pc = 0, pm = 0;
    for (size_t i = 0; i < s.size(); i++) {
        float t = float(i) / float(s.rate);
        float u = t / 1.3f;
        float fc = 650.0f * std::pow(80.0f / 650.0f, std::min(1.0f, u)) * (1.0f + 0.15f * std::sin(TAU * 8.0f * t));
        pm += fc * 1.5f / float(s.rate);
        pc += (fc + 3.0f * fc * std::sin(TAU * pm)) / float(s.rate);
        float x = std::sin(TAU * pc) * std::sin(TAU * 31.0f * t);
        s.add(i, x * env_adsr(t, 1.1f, 0.02f, 0.2f, 0.8f, 0.3f), 0.3f * std::sin(TAU * 0.8f * t));
    }
    finish(s, {.room = 0.7f, .damp = 0.4f, .wet = 0.3f, .peak = 0.9f});
    return s;
}

static Sound frog_croak()
{
    Sound s(22050, 0.8f);
    std::vector<float> croak = voice(s.rate, kFrogCroak.seconds, shape(kFrogCroak), kFrogCroak.seed);
    for (size_t i = 0; i < croak.size(); i++) {
        float t = float(i) / float(s.rate);
        croak[i] *= 0.3f + 0.7f * std::pow(0.5f + 0.5f * std::sin(TAU * 9.0f * t), 2.0f);
    }
    s.mix_in(croak, 0.0f, 1.0f);
    s.mix_in(thump(s.rate, 0.12f, 400.0f, 120.0f, 0.03f), 0.58f, 0.8f);
    s.mix_in(whoosh(s.rate, 0.15f, 800, 3000, 1500, 1.5f, 292), 0.55f, 0.7f);
    normalise(s, 0.9f);
    return s;
}

void add_creature_sounds(std::vector<SoundRecipe>& list)
{
    list.push_back({"sounds\\god-p.wav", Storage::Pcm16Mono22, [] { return voiced_cry(22050, 0.4f, {kHeroHurt}); }});
    list.push_back({"sounds\\god-d.wav", Storage::Pcm16Stereo44, hero_death});
    list.push_back({"sounds\\sq-h.wav", Storage::Pcm8Mono22, screech});
    list.push_back({"sounds\\zombie-a.wav", Storage::Pcm8Mono22, [] { return voiced_cry(22050, 0.8f, {kZombieMoan}); }});
    list.push_back({"sounds\\wwolf-h.wav", Storage::Pcm8Mono22, [] { return voiced_cry(22050, 0.6f, {kWolfGrowl, kWolfBark}); }});
    list.push_back({"sounds\\wwolf-d.wav", Storage::Pcm8Mono22, [] { return voiced_cry(22050, 1.1f, {kWolfYelp, kWolfWhimper}); }});
    list.push_back({"sounds\\ant-a.wav", Storage::Pcm8Mono22, insect_chitter});
    list.push_back({"sounds\\ant-d.wav", Storage::Pcm8Mono22, insect_death});
    list.push_back({"sounds\\ant-p.wav", Storage::Pcm8Mono22, [] { return voiced_cry(22050, 0.8f, {kGoblinSqueal}); }});
    list.push_back({"sounds\\alien-d.wav", Storage::Pcm8Stereo22, alien_warble});
    list.push_back({"sounds\\alien-h.wav", Storage::Pcm8Mono22, frog_croak});
}
