#include "support/search_fixture.h"

#include "platform/file_system.h"

namespace quilsk::test {

std::string SearchFixture::DirOf(const std::string& relative) const
{
    std::string path = *FromNativePath(dir.Path());
    if (!relative.empty()) path += "/" + relative;
    return path + "/";
}

void SearchFixture::Register(Category category, const std::string& relativeDir, const std::string& mask)
{
    ASSERT_TRUE(WriteRegistration(store, category, {DirOf(relativeDir), mask}));
}

void SearchFixture::SetKeywords(const std::string& keyword1, const std::string& keyword2)
{
    request.keyword1 = keyword1;
    request.keyword2 = keyword2;
}

std::vector<std::string> SearchFixture::Search()
{
    DeriveRequestValues(request);
    doc.Search(request);
    return Lines();
}

std::vector<std::string> SearchFixture::Lines() const
{
    return {doc.Results().begin(), doc.Results().end()};
}

}  // namespace quilsk::test
