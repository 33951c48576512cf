#pragma once
// The rows of each download kind, drawn from the model in the centre's layout.
#include <vector>

#include "centre_download.h"

namespace tools::centre_rows {

int row_count(const CentreModel& model, DownloadKind kind);
// The values of row `index` in the order of download_layout(kind).
void fill(const CentreModel& model, DownloadKind kind, int index, std::vector<DownloadValue>& out);

}  // namespace tools::centre_rows
