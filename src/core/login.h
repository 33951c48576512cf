#pragma once
// Logging in: at most three attempts; the user is looked up by exact name with bound values.
#include <functional>
#include <string>

namespace store {
class Database;
}
namespace ui {
class Prompter;
}

namespace core {

struct AppState;

struct Credentials {
    std::string name;      // as typed
    std::string password;  // as typed, never trimmed
};

// Shows the login window (the same one every attempt, so typed texts stay); false when cancelled.
using CredentialSource = std::function<bool(Credentials&)>;

// Checks one attempt. On success sets login_nameid, login_name and is_system_user.
bool check_credentials(AppState& state, store::Database& db, const Credentials& c);

// Up to three attempts, "登录失败!" after each failed one. True when a user logged in.
bool login(AppState& state, store::Database& db, ui::Prompter& prompter, const CredentialSource& ask);

}  // namespace core
