#include "support/ui/gui_support.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <fstream>

#include "platform/char_case.h"
#include "platform/cp932.h"

namespace quilsk::test {

std::string Sjis(const char* utf8) { return Cp932Literal(utf8); }

CTestSettings::CTestSettings() : m_store(std::make_unique<CSettingsStore>(Dir() / "quilsk.ini")) {}

std::filesystem::path CTestSettings::Dir() const { return std::filesystem::path(m_dir.path().toStdString()); }

bool CTestSettings::FileExists() const { return std::filesystem::exists(m_store->Path()); }

std::string CTestSettings::Bytes() const
{
    std::ifstream in(m_store->Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> CTestSettings::KeysOf(std::string_view section) const
{
    std::vector<std::string> keys;
    const std::string content = Bytes();
    bool inSection = false;
    size_t begin = 0;
    while (begin < content.size()) {
        size_t end = content.find('\n', begin);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inSection = EqualsIgnoreCaseA(line.substr(1, line.find(']') - 1), section);
            continue;
        }
        const size_t equals = line.find('=');
        if (inSection && equals != std::string::npos) keys.push_back(line.substr(0, equals));
    }
    return keys;
}

std::string CTestSettings::Get(std::string_view section, std::string_view key) const
{
    return m_store->GetString(section, key, "<missing>", CSettingsStore::kWhole);
}

void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is one key press of two UTF-16 units.
        const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units), Qt::NoModifier);
        i += units - 1;
    }
}

void TypeOver(QLineEdit* field, const QString& text)
{
    field->selectAll();
    TypeText(field, text);
}

namespace {

QPoint RowCentre(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

}  // namespace

void ClickRow(QListWidget* list, int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row)); }

void DoubleClickRow(QListWidget* list, int row)
{
    // The view acts on a double click only on the row the button went down on.
    const QPoint centre = RowCentre(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

QStringList RowTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

void MakeFile(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x\r\n";
}

}  // namespace quilsk::test
