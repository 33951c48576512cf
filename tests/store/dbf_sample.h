#pragma once
// A small dBase file with every field type, Chinese text, rounding, negatives, blank values and
// one deleted record, shared by the dBase tests.
#include <string>

#include "store/dbf_writer.h"
#include "support/temp_dir.h"

namespace dbf_sample {

inline std::vector<store::DbfField> layout() {
    using store::DbfField;
    return {DbfField::text("XQMC", 10),         DbfField::number("ye", 12, 2), DbfField::number("CS", 3),
            DbfField::date("jzrq"),             DbfField::logical("FLAG"),     DbfField::floating("LL", 10, 4),
            DbfField::text("zqmxfl", 1)};
}

// Record 3 is marked deleted afterwards, as another program would leave it.
inline void write(const std::string& path) {
    store::DbfWriter out(path, layout());
    out.set("xqmc", "阳光小区东区一号").set("ye", 2.675).set("cs", 18).set("jzrq", "2024-02-29");
    out.set("flag", true).set("ll", 0.0225).set("zqmxfl", "h");
    out.append();
    out.set("xqmc", "a阳光小区东").set("ye", -1234.5).set("cs", -7).set("jzrq", "").set("flag", false);
    out.set("zqmxfl", "h");
    out.append();
    out.set("xqmc", "已删除").set("ye", 99.0).set("zqmxfl", "z");
    out.append();
    out.set("xqmc", "Zone 3").set("ye", 100.125).set("jzrq", "19991231").set("zqmxfl", "z");
    out.append();
    out.close();
    std::string bytes = testing_support::read_file(path);
    std::size_t header = std::uint8_t(bytes[8]) | std::uint8_t(bytes[9]) << 8;
    std::size_t record = std::uint8_t(bytes[10]) | std::uint8_t(bytes[11]) << 8;
    bytes[header + 2 * record] = '*';
    testing_support::write_file(path, bytes);
}

}  // namespace dbf_sample
