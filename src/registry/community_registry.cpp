#include "registry/community_registry.h"

#include <cerrno>
#include <cstdlib>

#include "core/app_state.h"
#include "core/text_helpers.h"
#include "registry/messages.h"
#include "store/sqlite.h"

namespace registry {

std::optional<long long> parse_integer(const std::string& text) {
    std::string t = core::trim(text);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(t.c_str(), &end, 10);
    if (errno || *end || v > 2147483647LL || v < -2147483648LL) return std::nullopt;
    return v;
}

namespace {

const char* order_by(CommunitySort sort) {
    switch (sort) {
        case CommunitySort::BySequence:
            return " ORDER BY xqxh, xqbh";
        case CommunitySort::ByName:
            return " ORDER BY xqmc COLLATE GBK, xqbh";
        default:
            return " ORDER BY xqbh";
    }
}

}  // namespace

std::string community_list_sql(CommunitySort sort) { return std::string("SELECT * FROM jbxx_xqxxk") + order_by(sort); }

const char* community_sort_caption(CommunitySort sort) {
    switch (sort) {
        case CommunitySort::BySequence:
            return "小区序号";
        case CommunitySort::ByName:
            return "小区名称";
        default:
            return "小区编号";
    }
}

long long CommunityRegistry::next_number() { return db_.scalar_int("SELECT max(xqbh) FROM jbxx_xqxxk") + 1; }

std::optional<Community> CommunityRegistry::find(long long xqbh) {
    auto st = db_.prepare("SELECT xqbh, xqmc, xqdz FROM jbxx_xqxxk WHERE xqbh = ?1");
    st.bind(1, std::int64_t(xqbh));
    if (!st.step()) return std::nullopt;
    return Community{st.integer(0), st.text(1), st.text(2)};
}

bool CommunityRegistry::name_taken(const std::string& name) {
    auto st = db_.prepare("SELECT 1 FROM jbxx_xqxxk WHERE dwdjh = ?1 AND xqmc = ?2");
    st.bind(1, state_.unit_dwdjh).bind(2, name);
    return st.step();
}

std::optional<Refusal> CommunityRegistry::add(const std::string& number_text, std::string& name,
                                              const std::string& address) {
    name = core::trim(name);
    if (core::trim(number_text).empty()) return Refusal{Refusal::Number, msg::kXqbhEmpty};
    auto number = parse_integer(number_text);
    if (!number) return Refusal{Refusal::Number, msg::kXqbhInvalid};
    if (find(*number)) return Refusal{Refusal::Number, msg::kXqbhDuplicate};
    if (name.empty()) return Refusal{Refusal::Name, msg::kXqmcEmpty};
    if (name_taken(name)) return Refusal{Refusal::Name, msg::kXqmcDuplicate};
    db_.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqxh, xqmc, xqdz, dwdjh) VALUES (?1, 0, ?2, ?3, ?4)")
        .bind(1, std::int64_t(*number))
        .bind(2, name)
        .bind(3, address)
        .bind(4, state_.unit_dwdjh)
        .run();
    return std::nullopt;
}

std::optional<Refusal> CommunityRegistry::modify(long long xqbh, const std::string& old_name, std::string& name,
                                                 const std::string& address) {
    name = core::trim(name);
    if (name.empty()) return Refusal{Refusal::Name, msg::kXqmcEmpty};
    if (name != old_name && name_taken(name)) return Refusal{Refusal::Name, msg::kXqmcDuplicate};
    auto st = db_.prepare("UPDATE jbxx_xqxxk SET xqmc = ?1, xqdz = ?2 WHERE xqbh = ?3");
    st.bind(1, name).bind(2, address).bind(3, std::int64_t(xqbh)).run();
    if (db_.changes() == 0)
        return Refusal{Refusal::Name, "小区信息库中无编号为“" + std::to_string(xqbh) + "”的信息，不能修改保存！"};
    return std::nullopt;
}

bool CommunityRegistry::has_buildings(long long xqbh) {
    auto st = db_.prepare("SELECT 1 FROM jbxx_zxxk WHERE xqbh = ?1 LIMIT 1");
    st.bind(1, std::int64_t(xqbh));
    return st.step();
}

void CommunityRegistry::remove(long long xqbh) {
    db_.prepare("DELETE FROM jbxx_xqxxk WHERE xqbh = ?1").bind(1, std::int64_t(xqbh)).run();
}

CommunityRegistry::SearchResult CommunityRegistry::search(CommunitySort sort, const std::string& text) {
    // The first matching row in list order.
    auto run = [&](const std::string& where, auto value, const char* not_found) -> SearchResult {
        auto st = db_.prepare("SELECT xqbh FROM jbxx_xqxxk WHERE " + where + order_by(sort) + " LIMIT 1");
        st.bind(1, value);
        if (st.step()) return {st.integer(0), ""};
        return {std::nullopt, not_found};
    };
    switch (sort) {
        case CommunitySort::ByName:
            return run("xqmc = ?1", text, msg::kNoSuchName);
        case CommunitySort::BySequence: {
            auto n = parse_integer(text);
            if (!n) return {std::nullopt, msg::kXqSearchSequenceInvalid};
            return run("xqxh = ?1", std::int64_t(*n), msg::kNoSuchSequence);
        }
        default: {
            auto n = parse_integer(text);
            if (!n) return {std::nullopt, msg::kXqSearchNumberInvalid};
            return run("xqbh = ?1", std::int64_t(*n), msg::kNoSuchNumber);
        }
    }
}

}  // namespace registry
