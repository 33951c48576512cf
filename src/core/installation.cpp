#include "core/installation.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>
#include <filesystem>
#include <set>

#include "core/app_state.h"
#include "core/startup_tables.h"
#include "store/catalogue.h"
#include "store/sqlite.h"

namespace fs = std::filesystem;

// The code tables' reference content is compiled in; a resource of a static library must be
// initialised by name, outside any namespace.
static void init_code_resources() { Q_INIT_RESOURCE(codes); }

namespace core {
namespace {

const char* kDirectories[] = {"palvor_tables", "palvor_emptydb", "palvor_bakfiles", "update",
                              "download/xzjbxx/data", "download/xzjcyw/data", "upload/ywbp",
                              "temp", "temp1"};

// Templates are written to a new file and renamed over the old one, so a data root never sees a
// half-written templates database.
void write_templates(const AppState& state) {
    std::string path = state.templates_db_path();
    std::string tmp = path + ".new";
    fs::remove(tmp);
    {
        store::Database db(tmp);
        store::Transaction tx(db);
        std::set<std::string> done;
        for (const auto& t : startup_tables()) {
            const store::TableDef& def = store::table(t.live);
            if (done.insert(def.template_name).second) db.exec(store::create_table_sql(def, def.template_name));
            // Blank copy under the live name.
            db.exec(store::create_table_sql(def, t.live));
        }
        tx.commit();
    }
    fs::rename(tmp, path);
}

std::vector<std::string> split_csv_line(const QString& line) {
    std::vector<std::string> out;
    QString cur;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        QChar c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cur += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cur += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out.push_back(cur.toStdString());
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur.toStdString());
    return out;
}

void write_background(const std::string& path) {
    if (fs::exists(path)) return;
    QImage img(1280, 800, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(33, 82, 140));
    g.setColorAt(1, QColor(150, 190, 225));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(255, 255, 255, 230));
    QFont f("WenQuanYi Zen Hei");
    f.setPixelSize(64);
    f.setBold(true);
    p.setFont(f);
    p.drawText(img.rect().adjusted(0, -80, 0, -80), Qt::AlignCenter, QString::fromUtf8("公共维修基金管理系统"));
    f.setPixelSize(30);
    f.setBold(false);
    p.setFont(f);
    p.drawText(img.rect().adjusted(0, 60, 0, 60), Qt::AlignCenter, QString::fromUtf8("单位版"));
    p.end();
    img.save(QString::fromStdString(path), "BMP");
}

}  // namespace

void install_missing_code_tables(const std::string& tables_db_path) {
    init_code_resources();
    store::Database db(tables_db_path);
    store::Transaction tx(db);
    for (const auto& def : store::catalogue()) {
        if (def.kind != store::TableKind::Code || db.table_exists(def.name)) continue;
        db.exec(store::create_table_sql(def, def.name));
        QFile file(QString::fromStdString(":/codes/" + def.name + ".csv"));
        if (!file.open(QIODevice::ReadOnly)) continue;
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        std::vector<std::string> header = split_csv_line(in.readLine());
        std::string sql = "INSERT INTO " + store::quote_identifier(def.name) + " (";
        std::string values;
        for (std::size_t i = 0; i < header.size(); ++i) {
            sql += (i ? ", " : "") + store::quote_identifier(header[i]);
            values += (i ? ", ?" : "?") + std::to_string(i + 1);
        }
        auto insert = db.prepare(sql + ") VALUES (" + values + ")");
        while (!in.atEnd()) {
            QString line = in.readLine();
            if (line.trimmed().isEmpty()) continue;
            auto fields = split_csv_line(line);
            insert.reset();
            for (std::size_t i = 0; i < header.size(); ++i) {
                const store::Column* col = def.column(header[i]);
                std::string v = i < fields.size() ? fields[i] : "";
                if (col && col->type == store::ColumnType::Float)
                    insert.bind(int(i + 1), std::stod(v.empty() ? "0" : v));
                else if (col && col->type == store::ColumnType::Integer)
                    insert.bind(int(i + 1), std::int64_t(std::stoll(v.empty() ? "0" : v)));
                else
                    insert.bind(int(i + 1), v);
            }
            insert.run();
        }
    }
    tx.commit();
}

void install_data_root(const std::string& dir) {
    AppState state;
    state.set_directories(fs::absolute(dir).lexically_normal().string());
    for (const char* d : kDirectories) fs::create_directories(fs::path(state.data_root) / d);
    write_templates(state);
    install_missing_code_tables(state.tables_db_path());
    write_background(state.data_root + "palvorback.bmp");
}

}  // namespace core
