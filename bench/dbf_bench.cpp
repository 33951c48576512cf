// Writes a 100,000-row account file as dBase, reads it back, loads it for SQL, and times Debian's
// python3-dbfread reading the same file as the reference.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/format.h"
#include "store/dbf_reader.h"
#include "store/dbf_table.h"
#include "store/dbf_writer.h"
#include "store/sqlite.h"

namespace {

using Clock = std::chrono::steady_clock;
double seconds_since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

std::vector<store::DbfField> account_layout() {
    using F = store::DbfField;
    return {F::number("dwbh", 6),       F::text("ckbh", 10),       F::text("zh", 30),
            F::text("xqmc", 60),        F::text("zmc", 60),        F::text("fhmc", 60),
            F::text("zhlx", 1),         F::text("ckzt", 2),        F::text("cklb", 7),
            F::date("khrq"),            F::date("qxrq"),           F::date("dqrq"),
            F::number("ll", 8, 4),      F::number("wdzbj", 16, 2), F::number("ye", 16, 2),
            F::number("dwbl", 10, 4),   F::number("dwbje", 16, 2), F::number("grbl", 10, 4),
            F::number("grbje", 16, 2),  F::text("xm", 30),         F::text("sfzh", 18),
            F::number("jzmj", 10, 2),   F::logical("yff")};
}

const char* const kCommunities[] = {"阳光小区", "幸福里", "安居苑", "博雅园", "张家花园", "滨江新村", "翠湖天地"};
const char* const kNames[] = {"王建国", "李秀英", "张伟", "刘洋", "陈静", "杨帆", "赵敏", "黄磊"};

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::string tmpl = (std::filesystem::temp_directory_path() / "palvor-dbf-bench-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return 1;
    std::filesystem::path dir = tmpl;
    std::string path = (dir / "zfzj_dwjk_xz_ckzhxx.dbf").string();

    auto t = Clock::now();
    {
        store::DbfWriter out(path, account_layout());
        for (int i = 0; i < rows; ++i) {
            const char* xq = kCommunities[i % 7];
            out.set(0, 123).set(1, std::to_string(i + 1)).set(2, "6222" + std::to_string(100000000 + i));
            out.set(3, xq).set(4, std::to_string(i / 120 % 40 + 1) + "号楼");
            out.set(5, std::to_string(i / 4 % 30 + 1) + "单元" + std::to_string(i % 400 + 101) + "室");
            out.set(6, "H").set(7, "hq").set(8, "wxjj_hq");
            out.set(9, palvor::date_text(2000 + i % 24, i % 12 + 1, i % 28 + 1));
            if (i % 3 == 0) out.set(10, "2024-06-30");
            out.set(12, 0.35).set(13, 0.0).set(14, 1000.0 + i * 0.125).set(15, 0.02);
            out.set(16, 10.5 * (i % 100)).set(17, 0.02).set(18, 2.675 * (i % 50));
            out.set(19, kNames[i % 8]).set(20, "11010519800101" + std::to_string(1000 + i % 9000));
            out.set(21, 60.0 + (i % 90) * 0.37).set(22, i % 2 == 0);
            out.append();
        }
        out.close();
    }
    double write_s = seconds_since(t);
    auto size = std::filesystem::file_size(path);

    t = Clock::now();
    double sum = 0;
    std::size_t text_bytes = 0;
    int n = 0;
    {
        store::DbfReader in(path);
        const auto& fields = in.fields();
        for (const auto& row : in) {
            for (int f = 0; f < int(fields.size()); ++f) {
                switch (fields[std::size_t(f)].type) {
                    case store::DbfType::Numeric:
                    case store::DbfType::Float: sum += row.real(f); break;
                    case store::DbfType::Date: text_bytes += row.date(f).size(); break;
                    case store::DbfType::Logical: sum += row.boolean(f); break;
                    default: text_bytes += row.text(f).size();
                }
            }
            ++n;
        }
    }
    double read_s = seconds_since(t);

    t = Clock::now();
    store::Database db(":memory:");
    double sql_sum = 0;
    {
        store::DbfTable table(db, path);
        sql_sum = db.scalar_double("SELECT sum(ye) FROM " + table.table());
    }
    double load_s = seconds_since(t);

    std::string script = (dir / "read.py").string();
    std::string out_txt = (dir / "py.txt").string();
    {
        std::FILE* f = std::fopen(script.c_str(), "w");
        std::fputs("import sys, time, dbfread\n"
                   "t = time.perf_counter()\n"
                   "n = 0\n"
                   "for r in dbfread.DBF(sys.argv[1], encoding='cp936'):\n"
                   "    n += 1\n"
                   "print(n, time.perf_counter() - t)\n",
                   f);
        std::fclose(f);
    }
    const char* python = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    t = Clock::now();
    int rc = std::system((std::string(python) + " '" + script + "' '" + path + "' > '" + out_txt + "'").c_str());
    double py_total_s = seconds_since(t);
    int py_rows = 0;
    double py_s = 0;
    if (std::FILE* f = std::fopen(out_txt.c_str(), "r")) {
        if (std::fscanf(f, "%d %lf", &py_rows, &py_s) != 2) py_rows = 0;
        std::fclose(f);
    }

    std::printf("dBase file: %d rows, %d fields, %.1f MB\n", rows, int(account_layout().size()), size / 1e6);
    std::printf("write          %8.3f s  (%.0f rows/s)\n", write_s, rows / write_s);
    std::printf("read all       %8.3f s  (%.0f rows/s; checksum %.2f, %zu text bytes)\n", read_s, n / read_s, sum,
                text_bytes);
    std::printf("load for SQL   %8.3f s  (sum(ye) = %s)\n", load_s, palvor::format_money(sql_sum).c_str());
    if (rc == 0 && py_rows == rows) {
        std::printf("python3-dbfread read all %8.3f s (%.3f s with interpreter start)\n", py_s, py_total_s);
        std::printf("ratio dbfread / ours (read): %.1fx\n", py_s / read_s);
    } else {
        std::printf("python3-dbfread not available or failed (rc %d, rows %d)\n", rc, py_rows);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
