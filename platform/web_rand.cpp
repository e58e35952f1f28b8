// The C runtime's rand and srand in a browser, drawing the desktop's sequence (glibc's additive generator),
// so a seed plays the same game in both: emscripten's own C library draws another sequence.
#include <cstdint>
#include <cstdlib>

namespace {

// glibc's TYPE_3 generator: x[i] = x[i-3] + x[i-31], the seed spread by 16807 * x mod (2^31 - 1).
struct AdditiveGenerator {
    int32_t table[31];
    uint32_t ring[31];
    int front = 0;  // x[i-31] lives at ring[front], x[i-3] at ring[(front + 28) % 31]

    void seed(unsigned value)
    {
        int32_t word = value == 0 ? 1 : int32_t(value);
        table[0] = word;
        for (int i = 1; i < 31; i++) {
            // 16807 * word mod 2147483647 without overflow (Schrage).
            const int32_t hi = word / 127773, lo = word % 127773;
            word = 16807 * lo - 2836 * hi;
            if (word < 0) word += 2147483647;
            table[i] = word;
        }
        for (int i = 0; i < 31; i++) ring[i] = uint32_t(table[i]);
        // x[31..33] are copies of x[0..2]: the ring stays as it is, only its front moves on.
        front = 3;
        // The first 310 results are thrown away, as glibc does.
        for (int i = 0; i < 310; i++) next_word();
    }

    uint32_t next_word()
    {
        const uint32_t value = ring[front] + ring[(front + 28) % 31];
        ring[front] = value;
        front = (front + 1) % 31;
        return value;
    }

    int next() { return int(next_word() >> 1); }
};

AdditiveGenerator& generator()
{
    static AdditiveGenerator g = [] {
        AdditiveGenerator made;
        made.seed(1);  // as if srand(1), the C standard's start
        return made;
    }();
    return g;
}

}  // namespace

extern "C" {
int rand(void) { return generator().next(); }
void srand(unsigned seed) { generator().seed(seed); }
}
