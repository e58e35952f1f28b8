// Reading a player's text file line by line: bad lines are logged with their number, absurd ones dropped whole.
#include "util/text_lines.h"
#include <cstdio>
#include "util/log.h"

TextRead read_text_lines(const std::string& path, const char* what, const TakeLine& take, bool stopAtBad,
                         int* badLine, std::string* badReason)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return TextRead::NotOpened;
    TextRead result = TextRead::Done;
    TextLine line;
    bool too_long = false;
    for (bool more = true; more;) {
        const int c = std::fgetc(f);
        more = c != EOF;
        if (more && c != '\n') {
            // Keep reading an over-long line to its end, but not into memory.
            if (line.text.size() < kMaxTextLine + 1) line.text.push_back(char(c));
            else too_long = true;
            continue;
        }
        if (!more && line.text.empty() && !too_long) break;  // nothing after the last line end
        line.number++;
        line.ended = more;
        if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
        std::string reason;
        bool good;
        if (too_long || line.text.size() > kMaxTextLine) {
            good = false;
            reason = "longer than " + std::to_string(kMaxTextLine) + " characters";
        } else {
            good = take(line, &reason);
        }
        if (!good) {
            if (stopAtBad) {
                if (badLine) *badLine = line.number;
                if (badReason) *badReason = reason;
                result = TextRead::Stopped;
                break;
            }
            log_msg("%s %s line %d skipped: %s.", what, path.c_str(), line.number, reason.c_str());
        }
        line.text.clear();
        too_long = false;
    }
    std::fclose(f);
    return result;
}
