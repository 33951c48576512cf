#include "ui/report/record.h"

#include <strings.h>

#include <cmath>

#include "core/format.h"
#include "store/sqlite.h"

namespace ui::report {

const Record::Value* Record::find(std::string_view column) const {
    for (const auto& v : values_)
        if (v.name.size() == column.size() && strncasecmp(v.name.data(), column.data(), column.size()) == 0)
            return &v;
    return nullptr;
}

Record::Value& Record::slot(std::string_view column) {
    if (const Value* v = find(column)) return const_cast<Value&>(*v);
    values_.push_back({std::string(column), {}, 0, 0});
    return values_.back();
}

void Record::set(std::string_view column, std::string text) {
    Value& v = slot(column);
    double n = 0;
    v.number = palvor::parse_number(text, n) ? n : 0;
    v.integer = std::int64_t(v.number);
    v.text = std::move(text);
}

void Record::set(std::string_view column, double value) {
    Value& v = slot(column);
    v.text = palvor::format_general(value);
    v.number = value;
    v.integer = std::int64_t(value);
}

void Record::set(std::string_view column, std::int64_t value) {
    Value& v = slot(column);
    v.text = std::to_string(value);
    v.number = double(value);
    v.integer = value;
}

std::string Record::text(std::string_view column) const {
    const Value* v = find(column);
    return v ? v->text : std::string();
}

double Record::number(std::string_view column) const {
    const Value* v = find(column);
    return v ? v->number : 0.0;
}

std::int64_t Record::integer(std::string_view column) const {
    const Value* v = find(column);
    return v ? v->integer : 0;
}

void Record::read(const store::Statement& st) {
    int n = st.column_count();
    if (int(values_.size()) != n) {
        values_.assign(std::size_t(n), {});
        for (int i = 0; i < n; ++i) values_[std::size_t(i)].name = st.column_name(i);
    }
    for (int i = 0; i < n; ++i) {
        Value& v = values_[std::size_t(i)];
        v.text = st.text(i);
        v.number = st.real(i);
        v.integer = st.integer(i);
    }
}

RowSource rows_from(store::Statement& st) {
    return [&st](Record& r) {
        if (!st.step()) return false;
        r.read(st);
        return true;
    };
}

RowSource rows_from_query(store::Database& db, const std::string& sql, const SqlValues& params) {
    auto st = std::make_shared<store::Statement>(db, sql);
    bind_values(*st, params);
    return [st](Record& r) {
        if (!st->step()) return false;
        r.read(*st);
        return true;
    };
}

RowSource rows_from(std::vector<Record> rows) {
    auto data = std::make_shared<std::vector<Record>>(std::move(rows));
    auto next = std::make_shared<std::size_t>(0);
    return [data, next](Record& r) {
        if (*next >= data->size()) return false;
        r = (*data)[(*next)++];
        return true;
    };
}

}  // namespace ui::report
