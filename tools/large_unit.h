#pragma once
// Fills a data root's live tables with a large, consistent unit: communities, buildings,
// households, accounts and deposit vouchers. Used by benchmarks and volume tests.
namespace store {
class Database;
}

namespace tools {

struct LargeUnitSize {
    int households = 100000;
    int households_per_building = 50;
    int buildings_per_community = 20;
    int lines_per_household = 2;  // deposit voucher lines
    int lines_per_batch = 500;
};

void fill_large_unit(store::Database& db, const LargeUnitSize& size);

}  // namespace tools
