#include <gtest/gtest.h>

#include <functional>

#include "store/dbf_reader.h"
#include "store/dbf_sample.h"
#include "store/errors.h"
#include "support/temp_dir.h"

using store::DbfReader;

namespace {

std::string sample_bytes() {
    testing_support::TempDir dir;
    std::string path = (dir / "sample.dbf").string();
    dbf_sample::write(path);
    return testing_support::read_file(path);
}

void put_u16(std::string& b, std::size_t at, unsigned v) {
    b[at] = char(v & 0xff);
    b[at + 1] = char(v >> 8);
}

// Opens the bytes and reads every value of every record as every kind.
void read_everything(const std::string& bytes) {
    DbfReader in = DbfReader::from_bytes(bytes, "bad.dbf");
    for (int r = 0; r < in.record_count(); ++r) {
        auto row = in.record(r);
        for (int f = 0; f < in.field_count(); ++f) {
            row.text(f);
            if (in.field(f).type == store::DbfType::Date) row.date(f);
            if (in.field(f).is_numeric()) row.real(f);
            if (in.field(f).type == store::DbfType::Logical) row.boolean(f);
        }
    }
}

struct Case {
    const char* what;
    std::function<void(std::string&)> damage;
    const char* message;  // part of the error text
};

}  // namespace

TEST(DbfDamaged, EachDamageGivesAClearError) {
    const std::string good = sample_bytes();
    const std::size_t header = 32 + 32 * 7 + 1;
    const std::size_t record = 1 + 10 + 12 + 3 + 8 + 1 + 10 + 1;
    const std::size_t first = header;  // first record
    std::vector<Case> cases = {
        {"header cut short", [](std::string& b) { b.resize(20); }, "文件头不完整"},
        {"empty file", [](std::string& b) { b.clear(); }, "文件头不完整"},
        {"header length beyond the file", [](std::string& b) { put_u16(b, 8, 0xFFFF); }, "文件头长度超出文件大小"},
        {"record length too small", [](std::string& b) { put_u16(b, 10, 5); }, "记录长度与字段宽度不符"},
        {"record length 0", [](std::string& b) { put_u16(b, 10, 0); }, "记录长度与字段宽度不符"},
        {"terminator missing", [&](std::string& b) { b[header - 1] = 'X'; }, "结束标记"},
        {"header length cuts the descriptors", [](std::string& b) { put_u16(b, 8, 100); }, "结束标记"},
        {"no fields", [](std::string& b) { b[32] = '\x0D'; }, "没有字段"},
        {"unknown field type", [](std::string& b) { b[32 + 11] = 'M'; }, "类型“M”"},
        {"unknown binary type", [](std::string& b) { b[32 + 11] = '\x01'; }, "0x01"},
        {"date field of width 7", [](std::string& b) { b[32 + 3 * 32 + 16] = 7; }, "宽度7"},
        {"field width 0", [](std::string& b) { b[32 + 16] = 0; }, "宽度0"},
        {"empty field name", [](std::string& b) { b[32] = '\0'; }, "第1个字段的名称无效"},
        {"duplicate field name", [](std::string& b) { b[32 + 32] = 'X', b[33 + 32] = 'Q', b[34 + 32] = 'M', b[35 + 32] = 'C', b[36 + 32] = 0; }, "重复"},
        {"records missing", [&](std::string& b) { b.resize(first + 2 * record + 5); }, "文件头记载4条记录，文件中只有2条"},
        {"record count huge", [](std::string& b) { b[4] = b[5] = b[6] = b[7] = '\xFF'; }, "文件头记载4294967295条记录"},
        {"text that is not GBK", [&](std::string& b) { b[first + 1] = '\xFF', b[first + 2] = '\xFF'; }, "第1条记录的字段xqmc不是有效的GBK文本"},
        {"half a character at the end", [&](std::string& b) { b[first + record + 10] = '\xB0'; }, "第2条记录的字段xqmc不是有效的GBK文本"},
        {"impossible date", [&](std::string& b) { b.replace(first + 1 + 10 + 12 + 3, 8, "20230229"); }, "第1条记录的字段jzrq“20230229”不是日期"},
        {"letters in a date", [&](std::string& b) { b.replace(first + 1 + 10 + 12 + 3, 8, "2024ab01"); }, "不是日期"},
        {"letters in a number", [&](std::string& b) { b.replace(first + 1 + 10, 12, "     12x.50 "); }, "字段ye“12x.50”不是数字"},
        {"overflow stars in a number", [&](std::string& b) { b.replace(first + 1 + 10, 12, "************"); }, "不是数字"},
        {"bad logical", [&](std::string& b) { b[first + 1 + 10 + 12 + 3 + 8] = 'X'; }, "不是逻辑值"},
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        try {
            read_everything(bytes);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const palvor::Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find("bad.dbf"), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(DbfDamaged, MoreThan255FieldsAreRefused) {
    std::string b(32 + 300 * 32 + 1, '\0');
    put_u16(b, 8, unsigned(b.size()));
    put_u16(b, 10, 301);
    b[0] = 3;
    for (int i = 0; i < 300; ++i) {
        std::string name = "F" + std::to_string(i);
        b.replace(32 + 32 * std::size_t(i), name.size(), name);
        b[32 + 32 * std::size_t(i) + 11] = 'C';
        b[32 + 32 * std::size_t(i) + 16] = 1;
    }
    b.back() = '\x0D';
    EXPECT_THROW(DbfReader::from_bytes(b, "wide.dbf"), palvor::Error);
}

TEST(DbfDamaged, EveryTruncationIsRefused) {
    const std::string good = sample_bytes();
    // Without the end marker the file is still whole; any shorter cut loses data.
    EXPECT_NO_THROW(read_everything(good.substr(0, good.size() - 1)));
    for (std::size_t n = 0; n + 1 < good.size(); ++n)
        EXPECT_THROW(DbfReader::from_bytes(good.substr(0, n), "cut.dbf"), palvor::Error) << n;
}

TEST(DbfDamaged, MissingFileNamesThePath) {
    try {
        DbfReader in("/nonexistent/zfzj_dwjk_xz_xqxx.dbf");
        ADD_FAILURE();
    } catch (const palvor::Error& e) {
        EXPECT_NE(std::string(e.what()).find("zfzj_dwjk_xz_xqxx.dbf"), std::string::npos);
    }
}
