// The verbs of palvorctl. Each one is a thin shell over a service of the program.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/palvorctl.h"
#include "core/installation.h"
#include "store/catalogue.h"
#include "store/csv_export.h"
#include "store/dbf_export.h"
#include "store/errors.h"
#include "exchange/download_reception.h"
#include "registry/community_report.h"
#include "ui/terminal_progress.h"

namespace fs = std::filesystem;

namespace ctl {
namespace {

void no_more(const std::vector<std::string>& args) {
    if (!args.empty()) throw UsageError("多余的参数：" + args.front());
}

int init(Context&, std::vector<std::string>& args) {
    if (args.size() != 1) throw UsageError("init 需要一个目录");
    core::install_data_root(args[0]);
    std::cout << "数据目录已就绪：" << fs::absolute(args[0]).lexically_normal().string() << "\n";
    return kOk;
}

int upgrade(Context& ctx, std::vector<std::string>& args) {
    no_more(args);
    ctx.open_ready();
    return kOk;
}

int export_table(Context& ctx, std::vector<std::string>& args) {
    std::string out = take_option(args, "--out");
    std::string format = take_option(args, "--format");
    if (format.empty()) format = "csv";
    if (args.size() != 1) throw UsageError("export 需要一个表名");
    if (format != "csv" && format != "dbf") throw UsageError("未知的格式：" + format + "（可用 csv 或 dbf）");
    const store::TableDef* found = store::find_table(args[0]);
    if (!found) throw UsageError("未知的数据表：" + args[0]);
    const store::TableDef& def = *found;
    ctx.open_existing();
    if (format == "dbf") {
        if (out.empty()) throw UsageError("dbf 格式需要 --out 文件");
        store::export_table_dbf(ctx.db, def.name, out);
        return kOk;
    }
    if (out.empty()) {
        store::export_table_csv(ctx.db, def.name, std::cout);
        return kOk;
    }
    // Written next to the target and renamed, so a failed export leaves no half file.
    std::string tmp = out + ".part";
    {
        std::ofstream file(tmp, std::ios::binary | std::ios::trunc);
        if (!file) throw palvor::Error("无法创建文件：" + out);
        try {
            store::export_table_csv(ctx.db, def.name, file);
        } catch (...) {
            file.close();
            fs::remove(tmp);
            throw;
        }
    }
    fs::rename(tmp, out);
    return kOk;
}

int receive(Context& ctx, std::vector<std::string>& args) {
    if (args.size() != 2) throw UsageError("receive 需要类别和文件");
    if (args[0] != "xqxx") throw UsageError("未知或尚不支持的接收类别：" + args[0] + "（可用 xqxx）");
    ctx.open_ready();
    ui::TerminalProgress progress;
    exchange::DownloadReception reception(ctx.state, ctx.db, *ctx.prompter, progress);
    return reception.receive(exchange::DownloadKind::Xqxx, args[1]) ? kOk : kRefused;
}

int print(Context& ctx, std::vector<std::string>& args) {
    std::string pdf = take_option(args, "--pdf");
    if (args.size() != 1 || args[0] != "communities") throw UsageError("print 目前支持 communities");
    if (pdf.empty()) throw UsageError("print 需要 --pdf 文件");
    ctx.open_existing();
    core::load_unit_identity(ctx.state, ctx.db);
    auto report = registry::make_community_report(ctx.db, ctx.state, registry::CommunitySort::ByNumber);
    if (report->record_count() == 0) throw palvor::Error("没有小区信息，无需打印。");
    report->write_pdf(QString::fromStdString(pdf));
    return kOk;
}

}  // namespace

const std::vector<Verb>& verbs() {
    static const std::vector<Verb> list = {
        {"init", "init 目录                          创建数据目录（已有数据不受影响）", init},
        {"upgrade", "upgrade                            运行启动检查与数据表升级", upgrade},
        {"export", "export 表名 [--format csv|dbf] [--out 文件]  导出数据表", export_table},
        {"receive", "receive xqxx 文件 [--yes]            接收中心下载的小区信息（.arj 或 .dbf）", receive},
        {"print", "print communities --pdf 文件         小区信息表输出为PDF", print},
    };
    return list;
}

}  // namespace ctl
