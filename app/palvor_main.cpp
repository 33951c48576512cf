// The desktop program. The working directory at start is the data root.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <clocale>
#include <filesystem>

#include "core/app_state.h"
#include "core/main_window.h"
#include "core/startup.h"
#include "registry/community_window.h"
#include "store/sqlite.h"
#include "ui/app_icon.h"
#include "ui/qt_prompter.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    QApplication app(argc, argv);
    QApplication::setApplicationName("palvor");
    QApplication::setWindowIcon(ui::app_icon());
    // Qt's own dialogs (file chooser, print dialog) in Chinese.
    QTranslator qt_zh;
    if (qt_zh.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_zh);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (QFontDatabase::families().contains("WenQuanYi Zen Hei")) {
        QFont font("WenQuanYi Zen Hei");
        font.setPointSize(10);
        QApplication::setFont(font);
    }

    core::AppState state;
    state.set_directories(std::filesystem::current_path().string());
    store::Database db;
    ui::QtPrompter prompter(nullptr, &state);
    core::MainWindow window(state, db, prompter);
    if (!core::prepare_tables(state, db, prompter)) return 1;

    window.set_command("MItemCSH_XQXX",
                       [&] { window.add_child(new registry::CommunityWindow(state, db, prompter, &window)); });

    // Without a window manager "maximised" means nothing; start at the screen's size anyway.
    if (QScreen* screen = QApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
