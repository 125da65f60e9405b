#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"
#include "support/test_host.h"
#include "support/test_support.h"

namespace quilsk::test {

// A settings file, dictionary files in a temporary directory, one document and
// the request its searches run with (the defaults of an empty settings file).
class SearchFixture : public ::testing::Test {
protected:
    // One scanning thread, so that pumps and refreshes come at fixed points.
    SearchFixture() { request.scanThreads = 1; }

    // Writes a dictionary file (cp932 bytes) under the temporary directory.
    void AddFile(const std::string& relative, const std::string& bytes) { WriteBytes(dir / relative, bytes); }
    // The cp932 directory string for a subdirectory, with its trailing '/'.
    std::string DirOf(const std::string& relative) const;
    void Register(Category category, const std::string& relativeDir, const std::string& mask);
    void Set(const char* section, const char* key, const std::string& value) { ASSERT_TRUE(store.WriteString(section, key, value)); }
    void SetKeywords(const std::string& keyword1, const std::string& keyword2 = "");

    // Runs a search with `request` and returns the result lines.
    std::vector<std::string> Search();
    std::vector<std::string> Lines() const;

    CTempDir dir;
    CSettingsStore store{dir / "quilsk.ini"};
    CAppState app;
    CTestHost host;
    CZelklexDoc doc{app, store, host, "Zelkle1"};
    SearchRequest request;
};

}  // namespace quilsk::test
