#pragma once
// The program's icon, drawn rather than shipped as a file.
#include <QIcon>

namespace ui {

QIcon app_icon();

}  // namespace ui
