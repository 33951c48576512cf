#include <gtest/gtest.h>

#include "core/text_helpers.h"

using namespace core;

TEST(TextHelpers, CutByCharacters) {
    struct Case {
        const char* s;
        int n;
        const char* right;
        const char* left;
    } cases[] = {
        {"2004-03-15", 2, "15", "20"},
        {"2004-03-15", 20, "2004-03-15", "2004-03-15"},
        {"abc", 0, "c", "a"},
        {"abc", -5, "c", "a"},
        {"abc", 3, "abc", "abc"},
        {"", 3, "", ""},
        {"", 0, "", ""},
        {"小区信息", 2, "信息", "小区"},  // characters, not bytes
        {"小区a", 1, "a", "小"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(right_part(c.s, c.n), c.right) << c.s << " " << c.n;
        EXPECT_EQ(left_part(c.s, c.n), c.left) << c.s << " " << c.n;
    }
}

TEST(TextHelpers, LastPosAndDirPart) {
    struct Case {
        const char* s;
        const char* sub;
        int pos;
    } cases[] = {
        {"a\\b\\c", "\\", 4}, {"abc", "x", 0}, {"abc", "", 0},      {"", "a", 0},
        {"abab", "ab", 3},    {"aaa", "aa", 2}, {"小区\\幢", "\\", 3}, {"ab", "abc", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(last_pos(c.s, c.sub), c.pos) << c.s << " / " << c.sub;

    EXPECT_EQ(dir_part("c:\\x\\y.arj"), "c:\\x\\");
    EXPECT_EQ(dir_part("y.arj"), "");
    EXPECT_EQ(dir_part("/home/u/y.arj"), "");  // only a backslash ends a directory part
    EXPECT_EQ(dir_part("下载\\数据.arj"), "下载\\");
}

TEST(TextHelpers, KeyFilters) {
    for (int key : std::initializer_list<int>{'0', '5', '9', 13, 8}) EXPECT_TRUE(is_digit_key(key)) << key;
    for (int key : std::initializer_list<int>{'.', 'a', ' ', '-', 0x4E00, 127, 9}) EXPECT_FALSE(is_digit_key(key)) << key;

    EXPECT_FALSE(is_decimal_key("1.5", '.'));
    EXPECT_TRUE(is_decimal_key("15", '.'));
    EXPECT_TRUE(is_decimal_key("", '.'));
    for (int key : std::initializer_list<int>{'7', 13, 8}) EXPECT_TRUE(is_decimal_key("1.5", key)) << key;
    for (int key : std::initializer_list<int>{'a', '-', ','}) EXPECT_FALSE(is_decimal_key("15", key)) << key;
}
