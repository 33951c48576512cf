#include <gtest/gtest.h>

#include "store/errors.h"
#include "store/gbk.h"
#include "store/sqlite.h"

TEST(Gbk, RoundTripAndLengths) {
    std::string text = "小区A-1号";
    std::string bytes = gbk::from_utf8(text);
    EXPECT_EQ(bytes.size(), 9u);
    EXPECT_EQ(std::string("\xD0\xA1", 2), bytes.substr(0, 2));  // 小
    EXPECT_EQ(gbk::to_utf8(bytes), text);
    EXPECT_EQ(gbk::byte_length(text), 9u);
}

TEST(Gbk, CutNeverSplitsACharacter) {
    EXPECT_EQ(gbk::cut("小区名称", 5), "小区");
    EXPECT_EQ(gbk::cut("a小区", 4), "a小");
    EXPECT_EQ(gbk::cut("abc", 10), "abc");
    EXPECT_EQ(gbk::cut("小", 1), "");
}

TEST(Gbk, InvalidBytesAreRefused) {
    std::string out;
    EXPECT_FALSE(gbk::try_to_utf8(std::string("\xD0", 1), out));         // truncated pair
    EXPECT_FALSE(gbk::try_to_utf8(std::string("\xFF\xFF", 2), out));     // no such code
    EXPECT_THROW(gbk::to_utf8(std::string("a\xD0", 2)), palvor::Error);
}

TEST(Gbk, CollationOrdersByPinyin) {
    store::Database db(":memory:");
    db.exec("CREATE TABLE t (name TEXT); INSERT INTO t VALUES ('张家花园'),('阳光小区'),('安居苑'),('Zone'),('博雅园');");
    auto st = db.prepare("SELECT name FROM t ORDER BY name COLLATE GBK");
    std::vector<std::string> got;
    while (st.step()) got.push_back(st.text(0));
    EXPECT_EQ(got, (std::vector<std::string>{"Zone", "安居苑", "博雅园", "阳光小区", "张家花园"}));
}
