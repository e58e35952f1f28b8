// The content generator's entry: writes every data file of the game into the program folder.
#include "content.h"
#include "paint/text.h"
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

static void usage()
{
    std::fprintf(stderr, "usage: contentgen --out PROGRAM_FOLDER [--sheets CONTACT_SHEET_FOLDER] [--icons ICON_FOLDER] [--only STAGE,...]\n"
                         "stages: creatures interface backgrounds sounds levels archives manifest icons\n");
}

int main(int argc, char** argv)
{
    ContentContext ctx;
    std::string only;  // for quick looks at one part; the build always runs every stage
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) ctx.out = argv[++i];
        else if (std::strcmp(argv[i], "--sheets") == 0 && i + 1 < argc) ctx.sheets = argv[++i];
        else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) ctx.icons = argv[++i];
        else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) only = "," + std::string(argv[++i]) + ",";
        else {
            usage();
            return 2;
        }
    }
    if (ctx.out.empty()) {
        usage();
        return 2;
    }
    if (ctx.sheets.empty()) ctx.sheets = (std::filesystem::path(ctx.out).parent_path() / "contact_sheets").string();
    if (!text_init()) {
        std::fprintf(stderr, "contentgen: cannot open the Liberation fonts (fonts-liberation2)\n");
        return 1;
    }
    struct Stage {
        const char* name;
        bool (*run)(const ContentContext&);
    };
    // The archives take in files the other stages wrote, and the manifest lists what they all left.
    const Stage stages[] = {
        {"creatures", generate_creatures},   {"interface", generate_interface}, {"backgrounds", generate_backgrounds},
        {"sounds", generate_sounds},         {"levels", generate_level_scripts}, {"archives", pack_archives},
        {"manifest", write_manifest},        {"icons", generate_icons},
    };
    bool ok = true;
    auto start = std::chrono::steady_clock::now();
    for (const Stage& s : stages) {
        if (!only.empty() && only.find("," + std::string(s.name) + ",") == std::string::npos) continue;
        auto t0 = std::chrono::steady_clock::now();
        bool r = s.run(ctx);
        double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("contentgen: %-12s %s in %.2f s\n", s.name, r ? "done" : "FAILED", secs);
        ok = ok && r;
    }
    double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("contentgen: all content %s in %.2f s\n", ok ? "written" : "NOT complete", total);
    return ok ? 0 : 1;
}
