#pragma once
// The community list "小  区  信  息  表": A4 portrait, 32 rows a page, the list's own order.
#include <memory>

#include "registry/community_registry.h"
#include "ui/report/paged_list_report.h"

namespace registry {

std::unique_ptr<ui::report::PagedListReport> make_community_report(store::Database& db, const core::AppState& state,
                                                                   CommunitySort sort);

}  // namespace registry
