// Writes the fund centre's download files of one unit, for trying out the receptions.
//
//   make_centre_download --out DIR [--unit 000123] [--name 单位名称] [--jbjgbh 0101]
//       [--communities 3] [--buildings 2] [--households 4] [--unit-accounts 1]
//       [--community-accounts 0] [--building-accounts 1] [--household-accounts 1] [--journal 20]
//       [--no-plain] [--buttons] [--all]
#include <QCoreApplication>

#include <clocale>
#include <iostream>
#include <map>
#include <string>

#include "centre_download.h"

namespace {

void usage() {
    std::cerr << "用法: make_centre_download --out 目录 [--unit 000123] [--name 单位名称] [--jbjgbh 0101]\n"
                 "    [--communities 3] [--buildings 2] [--households 4] [--unit-accounts 1]\n"
                 "    [--community-accounts 0] [--building-accounts 1] [--household-accounts 1] [--journal 20]\n"
                 "    [--no-plain] [--buttons] [--all]\n"
                 "  --no-plain  不保留 zfzj_dwjk_xz_*.dbf\n"
                 "  --buttons   另写 单位号_类别.dbf 与 单位号_类别.arj（各接收按钮用）\n"
                 "  --all       另写 单位号_all.arj（接收所有下载信息用）\n";
}

int number(const std::string& option, const std::string& text) {
    std::size_t used = 0;
    int n = -1;
    try {
        n = std::stoi(text, &used);
    } catch (...) {
    }
    if (used != text.size() || n < 0) throw std::invalid_argument(option + " 需要非负整数：" + text);
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    QCoreApplication app(argc, argv);  // the archiver runs arj through QProcess
    tools::CentreUnit unit;
    tools::CentreSize size;
    tools::DownloadOptions options;
    std::string out;
    const std::map<std::string, int*> counts = {
        {"--communities", &size.communities},          {"--buildings", &size.buildings_per_community},
        {"--households", &size.households_per_building}, {"--unit-accounts", &size.unit_accounts},
        {"--community-accounts", &size.accounts_per_community}, {"--building-accounts", &size.accounts_per_building},
        {"--household-accounts", &size.accounts_per_household}, {"--journal", &size.journal_rows}};
    const std::map<std::string, std::string*> texts = {
        {"--out", &out}, {"--unit", &unit.dwdjh}, {"--name", &unit.dwmc}, {"--jbjgbh", &unit.jbjgbh}};
    try {
        for (int i = 1; i < argc; ++i) {
            std::string a = argv[i];
            if (a == "--help" || a == "-h") {
                usage();
                return 0;
            } else if (a == "--no-plain") {
                options.plain_files = false;
            } else if (a == "--buttons") {
                options.button_files = true;
            } else if (a == "--all") {
                options.all_archive = true;
            } else if ((counts.count(a) || texts.count(a)) && i + 1 < argc) {
                std::string value = argv[++i];
                if (counts.count(a))
                    *counts.at(a) = number(a, value);
                else
                    *texts.at(a) = value;
            } else {
                throw std::invalid_argument("无法识别的参数：" + a);
            }
        }
        if (out.empty()) throw std::invalid_argument("缺少 --out 目录");
    } catch (const std::invalid_argument& e) {
        std::cerr << "make_centre_download: " << e.what() << "\n";
        usage();
        return 2;
    }
    try {
        tools::CentreDownload download(unit, size);
        for (const auto& path : download.write_set(out, options)) std::cout << path.string() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "错误信息: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
