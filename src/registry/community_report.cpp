#include "registry/community_report.h"

#include "core/app_state.h"
#include "core/format.h"
#include "store/sqlite.h"

namespace registry {

using ui::report::Align;
using ui::report::ListColumn;

std::unique_ptr<ui::report::PagedListReport> make_community_report(store::Database& db, const core::AppState& state,
                                                                   CommunitySort sort) {
    auto r = std::make_unique<ui::report::PagedListReport>();
    const long long n = db.scalar_int("SELECT count(*) FROM jbxx_xqxxk");
    r->set_title(QString::fromUtf8("小  区  信  息  表"));
    r->set_orientation(ui::report::Orientation::Portrait);
    r->set_margins(QMarginsF(10, 10, 10, 10));
    r->set_header_lines({QString::fromUtf8("单位登记号：") + QString::fromStdString(state.unit_dwdjh),
                         QString::fromUtf8("单位名称：") + QString::fromStdString(state.unit_dwmc)});
    r->set_columns({ListColumn::text_of(QString::fromUtf8("小区编号"), 22, "xqbh", Align::Right),
                    ListColumn::text_of(QString::fromUtf8("小区名称"), 60, "xqmc"),
                    ListColumn::text_of(QString::fromUtf8("小区地址"), 90, "xqdz")});
    r->set_rows_per_page(32);
    r->set_record_count(n);
    r->set_footer(QStringList{QString::fromUtf8("打印日期：") + QString::fromStdString(palvor::today_text()),
                              QString::fromUtf8("总记录数：") + QString::number(n)});
    r->set_query(db, community_list_sql(sort));
    return r;
}

}  // namespace registry
