// Recorded runs on disk: a versioned header, then every frame's clock reading and its messages.
#include "app/recording_file.h"
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <sstream>
#include "util/text_lines.h"

namespace {

const char kMagic[] = "vorlaine recording";

bool parse_hex(const std::string& text, std::vector<uint8_t>* out)
{
    if (text.size() % 2 != 0 || text.size() / 2 > kMaxRecordedCareer) return false;
    out->clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        auto digit = [](char c) {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        const int hi = digit(text[i]), lo = digit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out->push_back(uint8_t(hi * 16 + lo));
    }
    return true;
}

// A whole unsigned decimal number and nothing else.
bool parse_unsigned(const std::string& text, uint64_t max, uint64_t* out)
{
    if (text.empty() || text.size() > 20) return false;
    uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const uint64_t d = uint64_t(c - '0');
        if (v > (max - d) / 10) return false;
        v = v * 10 + d;
    }
    *out = v;
    return true;
}

std::vector<std::string> words_of(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

}  // namespace

bool parse_recording_line(const std::string& line, int number, Recording* rec, std::string* reason)
{
    const std::vector<std::string> w = words_of(line);
    if (number == 1) {
        uint64_t version = 0;
        if (w.size() != 3 || w[0] + " " + w[1] != kMagic || !parse_unsigned(w[2], 1000000, &version)) {
            *reason = "this is not a recorded run";
            return false;
        }
        if (version > uint64_t(kRecordingVersion)) {
            *reason = "it was made by a newer version of the game (recording format " + std::to_string(version) +
                      "; this game reads format " + std::to_string(kRecordingVersion) + ")";
            return false;
        }
        return true;
    }
    if (w.empty() || w[0][0] == '#') return true;
    uint64_t n = 0;
    if (rec->clocks.empty() && !std::isdigit(static_cast<unsigned char>(w[0][0]))) {
        if (w[0] == "seed" && w.size() == 2 && parse_unsigned(w[1], 0xFFFFFFFFull, &n)) {
            rec->seed = unsigned(n);
            rec->hasSeed = true;
            return true;
        }
        if (w[0] == "level" && w.size() == 2 && parse_unsigned(w[1], 12, &n) && n >= 1) {
            rec->level = int(n);
            return true;
        }
        if (w[0] == "career" && w.size() == 2) {
            // A later career line replaces an earlier one whole, so "none" leaves no bytes behind.
            if (w[1] == "none") {
                rec->hasCareer = false;
                rec->career.clear();
                return true;
            }
            if (parse_hex(w[1], &rec->career)) {
                rec->hasCareer = true;
                return true;
            }
        }
        *reason = "expected seed N, level N or career HEX|none";
        return false;
    }
    if (!parse_unsigned(w[0], 1000000000ull, &n) || n == 0) {
        *reason = "expected a frame number";
        return false;
    }
    const uint64_t frames = rec->clocks.size();
    if (w.size() >= 2 && w[1] == "clock") {
        uint64_t tick = 0, counter = 0;
        if (w.size() != 4 || !parse_unsigned(w[2], 0xFFFFFFFFull, &tick) ||
            !parse_unsigned(w[3], UINT64_MAX, &counter)) {
            *reason = "expected: FRAME clock TICK COUNTER";
            return false;
        }
        if (n != frames + 1) {
            *reason = "frame " + std::to_string(n) + "'s clock comes after frame " + std::to_string(frames) + "'s";
            return false;
        }
        if (frames > 0 && counter < rec->clocks.back().counter) {
            *reason = "the counter goes back";
            return false;
        }
        rec->clocks.push_back({uint32_t(tick), counter});
        return true;
    }
    if (w.size() >= 2 && w[1] == "answer") {
        const std::string word = w.size() == 3 ? w[2] : "";
        const int answer = word == "yes" ? ANSWER_YES : word == "no" ? ANSWER_NO : word == "ok" ? ANSWER_OK : 0;
        if (!answer) {
            *reason = "expected: FRAME answer yes|no|ok";
            return false;
        }
        if (n != frames) {
            *reason = "an answer of frame " + std::to_string(n) + " in frame " + std::to_string(frames);
            return false;
        }
        ScriptedEvent a;
        a.frame = long(n);
        a.message.wParam = uint32_t(answer);
        rec->answers.push_back(a);
        return true;
    }
    InputScript script;
    if (!script.parse_line(line, reason)) return false;
    // "tap" makes two messages on two frames: a recording holds each message as it came.
    if (script.events().size() != 1 || script.events()[0].frame != long(n)) {
        *reason = "expected one message";
        return false;
    }
    if (n != frames) {
        *reason = frames == 0 ? "a message before frame 1's clock"
                              : "a message of frame " + std::to_string(n) + " in frame " + std::to_string(frames);
        return false;
    }
    rec->events.push_back(script.events()[0]);
    return true;
}

bool read_recording(const std::string& path, Recording* out, std::string* error)
{
    Recording rec;
    bool header = false;
    int bad_line = 0;
    std::string reason;
    const TextRead read = read_text_lines(
        path, "Recording",
        [&](const TextLine& line, std::string* why) {
            // Every line is written whole with its line end: a last line without one was cut off when the
            // run ended without closing its file, and even what parses of it may be cut short.
            if (!line.ended && line.number > 1) {
                rec.cutOff = true;
                return true;
            }
            if (!parse_recording_line(line.text, line.number, &rec, why)) return false;
            header = header || line.number == 1;
            return true;
        },
        true, &bad_line, &reason);
    if (read == TextRead::NotOpened) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    if (read == TextRead::Stopped) {
        *error = bad_line == 1 ? path + ": " + reason : path + " line " + std::to_string(bad_line) + ": " + reason;
        return false;
    }
    if (!header) {
        *error = path + ": this is not a recorded run";
        return false;
    }
    if (!rec.hasSeed) {
        *error = path + ": the recording names no seed";
        return false;
    }
    if (rec.clocks.empty()) {
        *error = path + ": the recording holds no frames";
        return false;
    }
    *out = std::move(rec);
    return true;
}

RecordingWriter::~RecordingWriter() { close(); }

bool RecordingWriter::open(const std::string& path, unsigned seed, int level, const std::vector<uint8_t>* career)
{
    close();
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) return false;
    std::fprintf(file_, "%s %d\nseed %u\n", kMagic, kRecordingVersion, seed);
    if (level > 0) std::fprintf(file_, "level %d\n", level);
    std::fputs("career ", file_);
    if (!career) std::fputs("none", file_);
    else
        for (size_t i = 0; i < career->size() && i < kMaxRecordedCareer; i++) std::fprintf(file_, "%02x", (*career)[i]);
    std::fputs("\n", file_);
    return std::fflush(file_) == 0;
}

void RecordingWriter::frame(long number, const ClockReading& clock)
{
    if (!file_) return;
    // What came in the frame before is on disk before this one starts, so a crash loses at most one frame.
    std::fflush(file_);
    std::fprintf(file_, "%ld clock %" PRIu32 " %" PRIu64 "\n", number, clock.tick, clock.counter);
}

void RecordingWriter::message(long frame, const Message& msg)
{
    std::string text;
    if (file_ && format_event(msg, &text)) std::fprintf(file_, "%ld %s\n", frame, text.c_str());
}

void RecordingWriter::answer(long frame, int answer)
{
    const char* word = answer == ANSWER_YES ? "yes" : answer == ANSWER_NO ? "no" : "ok";
    if (file_) std::fprintf(file_, "%ld answer %s\n", frame, word);
}

void RecordingWriter::close()
{
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
}
