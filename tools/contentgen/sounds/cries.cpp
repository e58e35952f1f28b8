// Hurt, death and attack cries of the sorceress and the creatures.
#include "sounds/sound_list.h"

namespace {
struct Vowel {
    float f[3];
};
const Vowel A{{850, 1220, 2810}}, E{{550, 1900, 2700}}, I{{320, 2700, 3300}}, O{{520, 900, 2800}}, U{{380, 950, 2650}};

VoiceShape shape(float f0a, float f0b, Vowel from, Vowel to, float scale)
{
    VoiceShape v;
    v.f0_start = f0a;
    v.f0_end = f0b;
    for (int k = 0; k < 3; k++) {
        v.formant_start[k] = from.f[k];
        v.formant_end[k] = to.f[k];
    }
    v.formant_scale = scale;
    return v;
}

}  // namespace

static Sound hero_hurt()
{
    Sound s(22050, 0.4f);
    VoiceShape v = shape(430, 330, A, O, 1.05f);
    v.f0_curve = 0.7f;
    v.breath = 0.18f;
    v.attack = 0.012f;
    v.release = 0.14f;
    v.drive = 0.5f;
    s.mix_in(voice(s.rate, 0.36f, v, 201), 0.0f, 1.0f);
    normalise(s, 0.9f);
    return s;
}

static Sound hero_death()
{
    Sound s(44100, 2.2f);
    VoiceShape v = shape(470, 170, A, U, 1.05f);
    v.f0_curve = 1.8f;
    v.vibrato = 0.018f;
    v.vibrato_rate = 6.0f;
    v.breath = 0.22f;
    v.attack = 0.03f;
    v.release = 0.55f;
    v.jitter = 0.01f;
    s.mix_in(voice(s.rate, 1.4f, v, 211), 0.0f, 1.0f);
    reverb(s, 0.75f, 0.5f, 0.35f);
    fade_edges(s, 0.0f, 0.4f);
    normalise(s, 0.9f);
    return s;
}

static Sound screech()
{
    Sound s(22050, 0.5f);
    VoiceShape v = shape(720, 430, E, A, 0.95f);
    v.f0_curve = 0.6f;
    v.growl = 0.5f;
    v.drive = 3.0f;
    v.breath = 0.35f;
    v.jitter = 0.03f;
    v.attack = 0.01f;
    v.release = 0.15f;
    s.mix_in(voice(s.rate, 0.45f, v, 221), 0.0f, 1.0f);
    s.mix_in(whoosh(s.rate, 0.3f, 2500, 5000, 3000, 2.0f, 222), 0.0f, 0.3f);
    normalise(s, 0.9f);
    return s;
}

static Sound zombie_moan()
{
    Sound s(22050, 0.8f);
    VoiceShape v = shape(100, 72, O, A, 0.8f);
    v.growl = 0.8f;
    v.jitter = 0.06f;
    v.drive = 2.0f;
    v.breath = 0.3f;
    v.attack = 0.06f;
    v.release = 0.25f;
    s.mix_in(voice(s.rate, 0.75f, v, 231), 0.0f, 1.0f);
    normalise(s, 0.9f);
    return s;
}

static Sound wolf_snarl()
{
    Sound s(22050, 0.6f);
    VoiceShape g = shape(120, 140, A, A, 0.72f);
    g.growl = 1.0f;
    g.jitter = 0.08f;
    g.drive = 4.0f;
    g.breath = 0.4f;
    g.attack = 0.02f;
    g.release = 0.05f;
    s.mix_in(voice(s.rate, 0.3f, g, 241), 0.0f, 0.8f);
    VoiceShape b = shape(340, 210, O, U, 0.8f);
    b.drive = 3.0f;
    b.growl = 0.4f;
    b.attack = 0.005f;
    b.release = 0.08f;
    s.mix_in(voice(s.rate, 0.18f, b, 242), 0.3f, 1.0f);
    normalise(s, 0.9f);
    return s;
}

static Sound wolf_yelp()
{
    Sound s(22050, 1.1f);
    VoiceShape v = shape(1150, 480, I, U, 1.1f);
    v.f0_curve = 0.8f;
    v.drive = 1.0f;
    v.breath = 0.15f;
    v.attack = 0.01f;
    v.release = 0.3f;
    s.mix_in(voice(s.rate, 0.75f, v, 251), 0.0f, 1.0f);
    VoiceShape w = shape(620, 420, U, U, 1.0f);
    w.breath = 0.3f;
    w.release = 0.15f;
    s.mix_in(voice(s.rate, 0.25f, w, 252), 0.8f, 0.5f);
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

static Sound goblin_squeal()
{
    Sound s(22050, 0.8f);
    VoiceShape v = shape(680, 270, I, A, 1.25f);
    v.f0_curve = 1.3f;
    v.drive = 1.5f;
    v.growl = 0.2f;
    v.breath = 0.2f;
    v.attack = 0.01f;
    v.release = 0.25f;
    s.mix_in(voice(s.rate, 0.72f, v, 281), 0.0f, 1.0f);
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
    reverb(s, 0.7f, 0.4f, 0.3f);
    normalise(s, 0.9f);
    return s;
}

static Sound frog_croak()
{
    Sound s(22050, 0.8f);
    VoiceShape v = shape(78, 66, O, U, 0.6f);
    v.drive = 2.5f;
    v.growl = 0.4f;
    v.breath = 0.1f;
    v.attack = 0.02f;
    v.release = 0.1f;
    std::vector<float> croak = voice(s.rate, 0.55f, v, 291);
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
    list.push_back({"sounds\\god-p.wav", Storage::Pcm16Mono22, hero_hurt});
    list.push_back({"sounds\\god-d.wav", Storage::Pcm16Stereo44, hero_death});
    list.push_back({"sounds\\sq-h.wav", Storage::Pcm8Mono22, screech});
    list.push_back({"sounds\\zombie-a.wav", Storage::Pcm8Mono22, zombie_moan});
    list.push_back({"sounds\\wwolf-h.wav", Storage::Pcm8Mono22, wolf_snarl});
    list.push_back({"sounds\\wwolf-d.wav", Storage::Pcm8Mono22, wolf_yelp});
    list.push_back({"sounds\\ant-a.wav", Storage::Pcm8Mono22, insect_chitter});
    list.push_back({"sounds\\ant-d.wav", Storage::Pcm8Mono22, insect_death});
    list.push_back({"sounds\\ant-p.wav", Storage::Pcm8Mono22, goblin_squeal});
    list.push_back({"sounds\\alien-d.wav", Storage::Pcm8Stereo22, alien_warble});
    list.push_back({"sounds\\alien-h.wav", Storage::Pcm8Mono22, frog_croak});
}
