#include "app/palvorctl.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/startup.h"
#include "store/errors.h"
#include "ui/terminal_prompter.h"

namespace fs = std::filesystem;

namespace ctl {

std::string take_option(std::vector<std::string>& args, const std::string& name) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name) continue;
        if (i + 1 >= args.size()) throw UsageError(name + " 需要一个值");
        std::string v = args[i + 1];
        args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
        return v;
    }
    return "";
}

bool take_flag(std::vector<std::string>& args, const std::string& name) {
    for (std::size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) {
            args.erase(args.begin() + long(i));
            return true;
        }
    return false;
}

void Context::open_existing() {
    state.set_directories(fs::absolute(data_dir).lexically_normal().string());
    if (!fs::exists(state.tables_db_path()))
        throw palvor::Error("不是数据目录：" + data_dir + "（缺少 palvor_tables/palvor.sqlite3）");
    db = store::Database(state.tables_db_path(), false);
}

void Context::open_ready() {
    state.set_directories(fs::absolute(data_dir).lexically_normal().string());
    if (!fs::exists(state.emptydb_dir)) throw palvor::Error("不是数据目录：" + data_dir);
    if (!core::prepare_tables(state, db, *prompter) || !core::run_startup_sequence(state, db, *prompter))
        throw palvor::Error("");  // the sequence has shown its message
    core::load_unit_identity(state, db);
    state.received_all = true;
}

}  // namespace ctl

namespace {

void print_usage() {
    std::cerr << "用法: palvorctl [--data 数据目录] 命令 [参数]\n命令:\n";
    for (const auto& v : ctl::verbs()) std::cerr << "  " << v.usage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    // Reports and pictures need fonts but never a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!getenv("XDG_RUNTIME_DIR")) {
        std::string runtime = "/tmp/runtime-" + std::to_string(getuid());
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    QGuiApplication app(argc, argv);

    std::vector<std::string> args(argv + 1, argv + argc);
    ctl::Context ctx;
    try {
        std::string data = ctl::take_option(args, "--data");
        ctx.data_dir = data.empty() ? fs::current_path().string() : data;
        ctx.assume_yes = ctl::take_flag(args, "--yes");
        ctx.prompter = std::make_unique<ui::TerminalPrompter>(ctx.assume_yes);
        if (args.empty() || args[0] == "--help" || args[0] == "help") {
            print_usage();
            return args.empty() ? ctl::kUsage : ctl::kOk;
        }
        std::string name = args[0];
        args.erase(args.begin());
        for (const auto& v : ctl::verbs())
            if (name == v.name) return v.run(ctx, args);
        throw ctl::UsageError("未知命令：" + name);
    } catch (const ctl::UsageError& e) {
        std::cerr << "palvorctl: " << e.what() << "\n";
        print_usage();
        return ctl::kUsage;
    } catch (const std::exception& e) {
        if (*e.what()) std::cerr << "错误信息: " << e.what() << "\n";
        return ctl::kRefused;
    }
}
