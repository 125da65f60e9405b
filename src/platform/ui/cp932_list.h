#pragma once

#include <string>
#include <string_view>

class QListWidget;
class QListWidgetItem;

// List entries that show a cp932 text and keep its bytes, so what the user
// picks is the exact text the engine listed.

namespace quilsk {

QListWidgetItem* AddCp932Item(QListWidget* list, std::string_view cp932);
std::string ItemCp932(const QListWidgetItem* item);

}  // namespace quilsk
