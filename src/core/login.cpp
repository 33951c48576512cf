#include "core/login.h"

#include "core/app_state.h"
#include "core/messages.h"
#include "core/text_helpers.h"
#include "store/passwd.h"
#include "store/sqlite.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace core {
bool check_credentials(AppState& state, store::Database& db, const Credentials& c) {
    std::string name = trim(c.name);
    auto st = db.prepare("SELECT name, passwd FROM passwd WHERE nameid = ?1");
    st.bind(1, name);
    if (!st.step()) return false;
    state.login_name = st.text(0);
    if (store::password_digest(c.password) != st.integer(1)) return false;
    state.login_nameid = name;
    state.is_system_user = name == "SYSTEM";
    return true;
}

bool login(AppState& state, store::Database& db, ui::Prompter& prompter, const CredentialSource& ask) {
    Credentials c;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!ask(c)) return false;
        if (check_credentials(state, db, c)) return true;
        prompter.inform(ui::caption::kFailed, msg::kLoginFailed, ui::Icon::Error);
    }
    return false;
}

}  // namespace core
