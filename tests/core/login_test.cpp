#include <gtest/gtest.h>

#include "core/login.h"
#include "store/passwd.h"
#include "support/data_root_fixture.h"

using testing_support::DataRoot;

namespace {

// Answers the login window from a list of attempts; runs out as a cancel.
core::CredentialSource attempts(std::vector<core::Credentials> list, int* shown) {
    return [list, shown, i = std::size_t(0)](core::Credentials& c) mutable {
        ++*shown;
        if (i >= list.size()) return false;
        c = list[i++];
        return true;
    };
}

}  // namespace

TEST(Login, DefaultUsersLogInWithAnEmptyPassword) {
    for (std::string name : {"USER", "SYSTEM", "  SYSTEM "}) {
        DataRoot root;
        int shown = 0;
        EXPECT_TRUE(core::login(root.state, root.db, root.prompter, attempts({{name, ""}}, &shown)));
        EXPECT_EQ(root.state.is_system_user, name.find("SYSTEM") != std::string::npos);
        EXPECT_EQ(root.state.login_nameid, name.find("SYSTEM") != std::string::npos ? "SYSTEM" : "USER");
        EXPECT_TRUE(root.prompter.messages.empty());
    }
}

TEST(Login, ThreeWrongAttemptsFail) {
    DataRoot root;
    int shown = 0;
    EXPECT_FALSE(core::login(root.state, root.db, root.prompter,
                             attempts({{"USER", "x"}, {"NOBODY", ""}, {"USER", " "}, {"USER", ""}}, &shown)));
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(root.prompter.texts(), (std::vector<std::string>(3, "登录失败!")));
    EXPECT_EQ(root.prompter.last_caption(), "失败");
    EXPECT_EQ(root.state.login_nameid, "");
}

TEST(Login, RightPasswordOnTheThirdAttempt) {
    DataRoot root;
    root.db.prepare("UPDATE passwd SET passwd = ?1, name = '张三' WHERE nameid = 'USER'").bind(1, store::password_digest("abc")).run();
    int shown = 0;
    EXPECT_TRUE(core::login(root.state, root.db, root.prompter,
                            attempts({{"USER", "abc "}, {"USER", "ab"}, {"USER", "abc"}}, &shown)));
    EXPECT_EQ(root.state.login_name, "张三");
    EXPECT_EQ(root.prompter.messages.size(), 2u);
}

TEST(Login, TypedNamesNeverReachTheSqlText) {
    DataRoot root;
    int shown = 0;
    EXPECT_FALSE(core::login(root.state, root.db, root.prompter,
                             attempts({{"x' OR '1'='1", ""}, {"'; DROP TABLE passwd; --", ""}}, &shown)));
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM passwd"), 2);
}

TEST(Login, CancelEndsAtOnce) {
    DataRoot root;
    int shown = 0;
    EXPECT_FALSE(core::login(root.state, root.db, root.prompter, attempts({}, &shown)));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(root.prompter.messages.empty());
}
