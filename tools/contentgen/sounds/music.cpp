// The two looping pieces: the story music (D minor, harp, flute, pad) and the ending (D major, strings and bells).
#include "sounds/sound_list.h"

namespace {
struct Note {
    float beat, len, midi;
};

struct Piece {
    float bpm;
    std::vector<std::vector<float>> chords;  // one chord a bar, lowest note first
    std::vector<Note> melody;
    float beat_s() const { return 60.0f / bpm; }
    float seconds() const { return float(chords.size()) * 4.0f * beat_s(); }
};

// Melody written bar by bar as (beats, note) pairs; note 0 is a rest.
std::vector<Note> melody_from(const std::vector<std::vector<std::pair<float, float>>>& bars)
{
    std::vector<Note> out;
    float beat = 0;
    for (const auto& bar : bars) {
        float b = beat;
        for (const auto& [len, note] : bar) {
            if (note > 0) out.push_back({b, len, note});
            b += len;
        }
        beat += 4.0f;
    }
    return out;
}

std::vector<float> pad_voice(int rate, float freq, float hold, float release, float cutoff, uint32_t seed)
{
    float total = hold + release;
    size_t n = size_t(total * float(rate));
    std::vector<float> out(n);
    Osc a(rate), b(rate);
    Rng rng(seed);
    a.set_phase(rng.unit());
    b.set_phase(rng.unit());
    Svf lp(rate);
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float x = a.saw(freq * 0.996f) + b.saw(freq * 1.004f);
        float env = env_adsr(t, hold, 0.6f, 0.4f, 0.75f, release);
        out[i] = lp.lowpass(x, cutoff * (0.7f + 0.3f * env), 0.7f) * env;
    }
    return out;
}

std::vector<float> flute(int rate, float freq, float seconds, uint32_t seed)
{
    float total = seconds + 0.25f;
    size_t n = size_t(total * float(rate));
    std::vector<float> out(n);
    Noise noise(seed);
    Svf bp(rate);
    float ph = 0;
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float vib = 1.0f + 0.006f * std::sin(TAU * 5.2f * t) * std::min(1.0f, t / 0.35f);
        ph += freq * vib / float(rate);
        float x = std::sin(TAU * ph) + 0.22f * std::sin(TAU * 2 * ph) + 0.06f * std::sin(TAU * 3 * ph);
        x += bp.bandpass(noise.white(), freq * 2.0f, 3.0f) * 0.25f;
        out[i] = x * env_adsr(t, seconds, 0.07f, 0.2f, 0.85f, 0.2f);
    }
    return out;
}

std::vector<float> strings(int rate, float freq, float seconds, uint32_t seed)
{
    float total = seconds + 0.5f;
    size_t n = size_t(total * float(rate));
    std::vector<float> out(n);
    Osc a(rate), b(rate), c(rate);
    Rng rng(seed);
    a.set_phase(rng.unit());
    b.set_phase(rng.unit());
    c.set_phase(rng.unit());
    Svf lp(rate);
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        float vib = 1.0f + 0.005f * std::sin(TAU * 5.5f * t) * std::min(1.0f, t / 0.4f);
        float x = a.saw(freq * vib) + b.saw(freq * vib * 1.005f) + c.saw(freq * vib * 0.995f);
        float env = env_adsr(t, seconds, 0.15f, 0.3f, 0.8f, 0.45f);
        out[i] = lp.lowpass(x, 1400.0f + 1600.0f * env, 0.8f) * env * 0.5f;
    }
    return out;
}

std::vector<float> bass(int rate, float freq, float seconds)
{
    size_t n = size_t((seconds + 0.3f) * float(rate));
    std::vector<float> out(n);
    Osc o(rate), s(rate);
    for (size_t i = 0; i < n; i++) {
        float t = float(i) / float(rate);
        out[i] = (o.tri(freq) * 0.6f + s.sine(freq) * 0.6f) * env_adsr(t, seconds, 0.02f, 0.3f, 0.7f, 0.3f);
    }
    return out;
}

// Pads sustaining each bar's chord, alternating sides, wrapped round the loop.
void lay_pads(Sound& s, const Piece& p, float gain, float cutoff, float release, uint32_t seed)
{
    float bs = p.beat_s();
    for (size_t bar = 0; bar < p.chords.size(); bar++) {
        const std::vector<float>& ch = p.chords[bar];
        for (size_t k = 0; k < ch.size(); k++) {
            std::vector<float> v = pad_voice(s.rate, midi_hz(ch[k]), 4.0f * bs, release, cutoff, seed + uint32_t(bar * 10 + k));
            s.mix_in(v, float(bar) * 4.0f * bs, gain, k % 2 ? 0.35f : -0.35f, true);
        }
    }
}

Sound render_story()
{
    Piece p;
    p.bpm = 84;
    // Dm Bb F C | Dm Gm Bb A | Dm Bb Gm A
    p.chords = {{50, 53, 57, 62}, {46, 50, 53, 58}, {45, 48, 53, 57}, {43, 48, 52, 55}, {50, 53, 57, 62}, {43, 46, 50, 55},
                {46, 50, 53, 58}, {45, 49, 52, 57}, {50, 53, 57, 62}, {46, 50, 53, 58}, {43, 46, 50, 55}, {45, 49, 52, 57}};
    p.melody = melody_from({{{2, 69}, {1, 65}, {1, 67}},
                            {{1.5f, 69}, {0.5f, 67}, {1, 65}, {1, 62}},
                            {{2, 72}, {1, 69}, {1, 65}},
                            {{3, 67}, {1, 64}},
                            {{1.5f, 74}, {0.5f, 72}, {2, 69}},
                            {{1.5f, 70}, {0.5f, 69}, {2, 67}},
                            {{1, 65}, {1, 67}, {1, 69}, {1, 70}},
                            {{3, 69}, {1, 0}},
                            {{2, 74}, {1, 77}, {1, 76}},
                            {{1.5f, 74}, {0.5f, 72}, {2, 70}},
                            {{1, 67}, {1, 70}, {1, 74}, {1, 72}},
                            {{2, 69}, {1, 73}, {1, 0}}});
    const int rate = 44100;
    Sound s(rate, p.seconds());
    float bs = p.beat_s();
    lay_pads(s, p, 0.05f, 1100.0f, 1.2f, 0);
    for (size_t bar = 0; bar < p.chords.size(); bar++) {
        const std::vector<float>& ch = p.chords[bar];
        float at = float(bar) * 4.0f * bs;
        s.mix_in(bass(rate, midi_hz(ch[0] - 12), 2.0f * bs), at, 0.28f, 0.0f, true);
        s.mix_in(bass(rate, midi_hz(ch[0] - 12 + 7), 2.0f * bs), at + 2.0f * bs, 0.22f, 0.0f, true);
        // Harp: eighth notes up and down the chord over two octaves.
        const int pattern[8] = {0, 1, 2, 3, 4, 3, 2, 1};
        for (int e = 0; e < 8; e++) {
            int idx = pattern[e];
            float note = idx < 4 ? ch[size_t(idx)] + 12 : ch[1] + 24;
            float pan = -0.5f + float(idx) * 0.25f;
            s.mix_in(pluck(rate, midi_hz(note), 1.6f, 0.45f, uint32_t(bar * 100 + e)), at + float(e) * 0.5f * bs, 0.22f, pan, true);
        }
    }
    for (size_t i = 0; i < p.melody.size(); i++) {
        const Note& n = p.melody[i];
        s.mix_in(flute(rate, midi_hz(n.midi), n.len * bs * 0.95f, uint32_t(900 + i)), n.beat * bs, 0.3f, 0.1f, true);
    }
    finish(s, {.room = 0.85f, .damp = 0.45f, .wet = 0.4f, .loop = true, .peak = 0.85f});
    return s;
}

Sound render_ending()
{
    Piece p;
    p.bpm = 90;
    // D A Bm G | D G Em A | D Bm G A
    p.chords = {{50, 54, 57, 62}, {45, 49, 52, 57}, {47, 50, 54, 59}, {43, 47, 50, 55}, {50, 54, 57, 62}, {43, 47, 50, 55},
                {40, 43, 47, 52}, {45, 49, 52, 57}, {50, 54, 57, 62}, {47, 50, 54, 59}, {43, 47, 50, 55}, {45, 49, 52, 57}};
    p.melody = melody_from({{{2, 78}, {1, 76}, {1, 74}},
                            {{2, 76}, {1, 73}, {1, 69}},
                            {{1.5f, 74}, {0.5f, 73}, {2, 71}},
                            {{1, 71}, {1, 74}, {2, 79}},
                            {{1, 78}, {1, 81}, {1, 78}, {1, 76}},
                            {{2, 74}, {2, 71}},
                            {{1, 76}, {1, 79}, {1, 78}, {1, 76}},
                            {{4, 76}},
                            {{2, 81}, {1, 78}, {1, 74}},
                            {{2, 78}, {1, 74}, {1, 71}},
                            {{1.5f, 79}, {0.5f, 78}, {1, 76}, {1, 74}},
                            {{2, 73}, {2, 76}}});
    const int rate = 44100;
    Sound s(rate, p.seconds());
    float bs = p.beat_s();
    lay_pads(s, p, 0.045f, 1600.0f, 1.0f, 500);
    for (size_t bar = 0; bar < p.chords.size(); bar++) {
        const std::vector<float>& ch = p.chords[bar];
        float at = float(bar) * 4.0f * bs;
        s.mix_in(bass(rate, midi_hz(ch[0] - 12), 1.5f * bs), at, 0.3f, 0.0f, true);
        s.mix_in(bass(rate, midi_hz(ch[0] - 12), 0.5f * bs), at + 1.5f * bs, 0.2f, 0.0f, true);
        s.mix_in(bass(rate, midi_hz(ch[2] - 12), 2.0f * bs), at + 2.0f * bs, 0.24f, 0.0f, true);
        s.mix_in(thump(rate, 0.8f, 110.0f, 70.0f, 0.3f), at, 0.25f, 0.0f, true);
        // Harp triplets rising through the chord on every beat.
        for (int beat = 0; beat < 4; beat++)
            for (int k = 0; k < 3; k++) {
                float note = ch[size_t(1 + k)] + 12;
                s.mix_in(pluck(rate, midi_hz(note), 1.2f, 0.5f, uint32_t(2000 + bar * 20 + size_t(beat) * 3 + size_t(k))),
                         at + (float(beat) + float(k) / 3.0f) * bs, 0.14f, -0.4f + 0.4f * float(k), true);
            }
    }
    for (size_t i = 0; i < p.melody.size(); i++) {
        const Note& n = p.melody[i];
        s.mix_in(strings(rate, midi_hz(n.midi), n.len * bs * 0.97f, uint32_t(3000 + i)), n.beat * bs, 0.2f, -0.1f, true);
        s.mix_in(bell(rate, midi_hz(n.midi + 12), 1.5f, 0.5f), n.beat * bs, 0.06f, 0.3f, true);
    }
    finish(s, {.room = 0.88f, .damp = 0.4f, .wet = 0.42f, .loop = true, .peak = 0.85f});
    return s;
}
}  // namespace

void add_music(std::vector<SoundRecipe>& list)
{
    list.push_back({"sounds\\story.wav", Storage::Pcm16Stereo44, render_story});
    list.push_back({"sounds\\ending.wav", Storage::Pcm16Stereo44, render_ending});
}
