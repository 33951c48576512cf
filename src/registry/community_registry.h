#pragma once
// The communities of the unit (jbxx_xqxxk): numbering, checks, add, modify, delete, search.
// UI-free; the list window wires its controls to these calls.
#include <optional>
#include <string>

namespace store {
class Database;
}
namespace core {
struct AppState;
}

namespace registry {

enum class CommunitySort { ByNumber, BySequence, ByName };

// The list query for a sort choice. Names sort in pinyin (GBK) order.
std::string community_list_sql(CommunitySort sort);
// The caption of a sort choice: "小区编号", "小区序号", "小区名称".
const char* community_sort_caption(CommunitySort sort);

// A refused save: the message and the field that gets the focus.
struct Refusal {
    enum Field { Number, Name } field;
    std::string message;
};

struct Community {
    long long xqbh = 0;
    std::string xqmc;
    std::string xqdz;
};

class CommunityRegistry {
public:
    CommunityRegistry(store::Database& db, const core::AppState& state) : db_(db), state_(state) {}

    // Largest number + 1, or 1 for an empty table.
    long long next_number();
    std::optional<Community> find(long long xqbh);

    // Adds a community. `name` is trimmed in place first (the window shows the trimmed text).
    std::optional<Refusal> add(const std::string& number_text, std::string& name, const std::string& address);
    // Renames/readdresses community `xqbh`; an unchanged name is not tested for duplicates.
    std::optional<Refusal> modify(long long xqbh, const std::string& old_name, std::string& name,
                                  const std::string& address);
    bool has_buildings(long long xqbh);
    // Deletes a community (the caller has asked and checked for buildings).
    void remove(long long xqbh);

    // Search by the sort key: the number of the first matching row in list order, or a message.
    struct SearchResult {
        std::optional<long long> xqbh;
        std::string message;  // set when refused or not found
    };
    SearchResult search(CommunitySort sort, const std::string& text);

private:
    bool name_taken(const std::string& name);
    store::Database& db_;
    const core::AppState& state_;
};

// The text as a whole integer (blanks around allowed); nullopt otherwise.
std::optional<long long> parse_integer(const std::string& text);

}  // namespace registry
