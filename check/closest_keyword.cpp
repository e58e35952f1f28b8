// closest_keyword: edit distance from a word to every keyword of the three scanners.
#include "check/closest_keyword.h"

#include <algorithm>
#include <vector>

#include "level/script_keywords.h"
#include "util/strings.h"

namespace {

// Insertions, deletions, substitutions and swaps of neighbours.
int edit_distance(const std::string& a, const std::string& b)
{
    const size_t n = a.size(), m = b.size();
    std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1));
    for (size_t i = 0; i <= n; i++) d[i][0] = int(i);
    for (size_t j = 0; j <= m; j++) d[0][j] = int(j);
    for (size_t i = 1; i <= n; i++)
        for (size_t j = 1; j <= m; j++) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[n][m];
}

}  // namespace

std::string closest_keyword(const std::string& word)
{
    // Words longer than any keyword by far are not typing slips; skip the work.
    if (word.empty() || word.size() > 64) return {};
    const std::string w = lower_case(word);
    std::string best;
    int bestDistance = 0;
    for (int i = 0; i < script_keyword_count(); i++) {
        const std::string name = script_keyword(i).name;
        const int d = edit_distance(w, name);
        if (best.empty() || d < bestDistance) {
            best = name;
            bestDistance = d;
        }
    }
    // A third of the keyword may be wrong, and at least two characters.
    const int allowed = std::max(2, int(best.size()) / 3);
    return bestDistance <= allowed ? best : std::string();
}
