#include "core/table_upgrade.h"

#include <algorithm>

#include "store/messages.h"
#include "store/sqlite.h"

namespace core {

using store::quote_identifier;

void create_table_like(store::Database& db, const std::string& src_schema, const std::string& src,
                       const std::string& dst_schema, const std::string& dst) {
    auto cols = db.columns(src, src_schema);
    if (cols.empty()) throw store::DbError(store::msg::no_table(src));
    std::string sql = "CREATE TABLE " + quote_identifier(dst_schema) + "." + quote_identifier(dst) + " (";
    std::vector<std::pair<int, std::string>> key;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const auto& c = cols[i];
        if (i) sql += ", ";
        sql += quote_identifier(c.name) + " " + c.type;
        if (!c.default_value.empty()) sql += " DEFAULT " + c.default_value;
        if (c.pk_order > 0) key.emplace_back(c.pk_order, c.name);
    }
    if (!key.empty()) {
        std::sort(key.begin(), key.end());
        sql += ", PRIMARY KEY (";
        for (std::size_t i = 0; i < key.size(); ++i) sql += (i ? ", " : "") + quote_identifier(key[i].second);
        sql += ")";
    }
    db.exec(sql + ")");
}

UpgradeResult upgrade_table(store::Database& db, const std::string& live, const std::string& tmpl,
                            const std::function<void()>& before_compare) {
    const std::string tpl = kTemplateSchema;
    const std::string tpl_table = quote_identifier(tpl) + "." + quote_identifier(tmpl);

    // A template keeps no rows between starts.
    auto tmpl_cols = db.columns(tmpl, tpl);
    if (db.scalar_int("SELECT EXISTS (SELECT 1 FROM " + tpl_table + ")")) db.exec("DELETE FROM " + tpl_table);

    if (before_compare) before_compare();

    auto live_cols = db.columns(live);
    if (live_cols.size() == tmpl_cols.size()) return UpgradeResult::Unchanged;
    if (live_cols.size() > tmpl_cols.size()) return UpgradeResult::Downgrade;

    store::Transaction tx(db);
    // The blank copy under the live name gets the new layout.
    if (db.table_exists(live, tpl)) db.exec("DROP TABLE " + quote_identifier(tpl) + "." + quote_identifier(live));
    create_table_like(db, tpl, tmpl, tpl, live);

    // Rows move by position: the n-th live column fills the n-th template column.
    const std::string staging = live + "__upgrade";
    if (db.table_exists(staging)) db.exec("DROP TABLE " + quote_identifier(staging));
    create_table_like(db, tpl, tmpl, "main", staging);
    std::string into, from;
    for (std::size_t i = 0; i < live_cols.size(); ++i) {
        if (i) into += ", ", from += ", ";
        into += quote_identifier(tmpl_cols[i].name);
        from += quote_identifier(live_cols[i].name);
    }
    db.exec("INSERT INTO " + quote_identifier(staging) + " (" + into + ") SELECT " + from + " FROM " +
            quote_identifier(live) + " ORDER BY rowid");
    db.exec("DROP TABLE " + quote_identifier(live));
    db.exec("ALTER TABLE " + quote_identifier(staging) + " RENAME TO " + quote_identifier(live));
    tx.commit();
    return UpgradeResult::Upgraded;
}

}  // namespace core
