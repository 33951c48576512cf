#pragma once
// Merging the centre's community file into jbxx_xqxxk: communities are matched by exact name;
// new ones get the next numbers, known ones their address corrected. All in one transaction.
#include "exchange/download_reception.h"

namespace exchange {

MergeCounts merge_communities(store::Database& db, const core::AppState& state, const store::DbfReader& file,
                              ui::Progress& progress);

// "接收小区信息成功！共更新小区信息n条！…(其中添加a条，修正c条)"
std::string community_success_text(const MergeCounts& counts);

}  // namespace exchange
