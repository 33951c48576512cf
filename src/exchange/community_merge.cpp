#include "exchange/community_merge.h"

#include <unordered_map>

#include "core/app_state.h"
#include "exchange/reception_messages.h"
#include "store/dbf_reader.h"
#include "store/sqlite.h"
#include "ui/progress.h"

namespace exchange {

MergeCounts merge_communities(store::Database& db, const core::AppState& state, const store::DbfReader& file,
                              ui::Progress& progress) {
    MergeCounts counts;
    store::Transaction tx(db);
    // One pass over the live names instead of a lookup query per row.
    std::unordered_map<std::string, long long> by_name;
    {
        auto st = db.prepare("SELECT xqbh, xqmc FROM jbxx_xqxxk ORDER BY xqbh");
        while (st.step()) by_name.emplace(st.text(1), st.integer(0));
    }
    long long next = db.scalar_int("SELECT max(xqbh) FROM jbxx_xqxxk") + 1;
    auto insert = db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqxh, xqmc, xqdz, dwdjh) VALUES (?1, 0, ?2, ?3, ?4)");
    auto update = db.prepare("UPDATE jbxx_xqxxk SET xqdz = ?1, dwdjh = ?2 WHERE xqbh = ?3");
    const int xqmc = file.require_field("xqmc");
    const int xqdz = file.require_field("xqdz");

    ui::ProgressScope shown(progress, file.row_count() + 1, msg::kUpdatingCommunities);
    for (const store::DbfRow& row : file) {
        std::string name = row.text(xqmc);
        std::string address = row.text(xqdz);
        auto found = by_name.find(name);
        if (found != by_name.end()) {
            update.reset();
            update.bind(1, address).bind(2, state.unit_dwdjh).bind(3, std::int64_t(found->second)).run();
            ++counts.corrected;
        } else {
            insert.reset();
            insert.bind(1, std::int64_t(next)).bind(2, name).bind(3, address).bind(4, state.unit_dwdjh).run();
            by_name.emplace(name, next++);
            ++counts.added;
        }
        ++counts.rows;
        progress.step(1);
    }
    db.exec("UPDATE jbxx_dwxxk SET sbxzbz_xqxx = '1'");
    tx.commit();
    return counts;
}

std::string community_success_text(const MergeCounts& c) {
    return "接收小区信息成功！共更新小区信息" + std::to_string(c.rows) + "条！\n\n(其中添加" + std::to_string(c.added) +
           "条，修正" + std::to_string(c.corrected) + "条)";
}

}  // namespace exchange
