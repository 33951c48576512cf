// Writing the centre's download files: a 20,000-row community file alone, and the seven files of
// a large unit (100,000 households and accounts, 300,000 journal rows) without the archives.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "centre_download.h"

namespace fs = std::filesystem;

namespace {

template <class F>
double millis(F&& f) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / "palvor-centre-download-bench";
    fs::remove_all(dir);
    fs::create_directories(dir);

    tools::CentreDownload communities({}, {.communities = 20000, .buildings_per_community = 0, .unit_accounts = 0,
                                           .accounts_per_building = 0, .accounts_per_household = 0, .journal_rows = 0});
    std::vector<double> t;
    for (int i = 0; i < 9; ++i)
        t.push_back(millis([&] { communities.write_file(tools::DownloadKind::Xqxx, dir / "000123_xqxx.dbf"); }));
    std::sort(t.begin(), t.end());
    std::printf("xqxx, 20000 rows:   min %8.2f  median %8.2f  max %8.2f ms\n", t.front(), t[t.size() / 2], t.back());

    std::unique_ptr<tools::CentreDownload> large;
    double build = millis([&] {
        large = std::make_unique<tools::CentreDownload>(tools::CentreUnit{}, tools::CentreSize{.communities = 100, .buildings_per_community = 20,
                                               .households_per_building = 50, .journal_rows = 300000});
    });
    std::printf("model, 100000 households, 300000 journal rows: %8.1f ms\n", build);
    for (tools::DownloadKind kind : tools::download_kinds()) {
        double ms = millis([&] { large->write_file(kind, dir / tools::download_file_name(kind)); });
        std::printf("  %-8s %8d rows %10.1f ms\n", tools::kind_code(kind).c_str(), large->row_count(kind), ms);
    }
    fs::remove_all(dir);
    return 0;
}
