// libFuzzer target: any bytes as an index file. The loader and the walkers must
// neither crash nor hang, and they must agree: loading the bytes and writing the
// tree back keeps exactly what a walk over the bytes hands over.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "index/index_file_reader.h"
#include "index/index_tree.h"
#include "platform/binary_reader.h"
#include "platform/char_case.h"
#include "support/index_test_support.h"

namespace {

using namespace quilsk;
using namespace quilsk::test;

void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "index_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    CIndexFileReader reader;
    reader.OpenBytes(bytes);
    CRunCollector all;
    const WalkResult walk = reader.VisitPrefix("", all);
    Require(walk.words == all.runs.size(), "word count of the prefix walk");

    CBinaryReader in;
    in.OpenBytes(bytes);
    CStringTreeIndex tree;
    const IndexLoad load = tree.Load(in);
    if (!reader.HasSupportedVersion()) {
        Require(load == IndexLoad::UnsupportedVersion && all.runs.empty(), "unsupported version");
        return 0;
    }
    Require((load == IndexLoad::Damaged) == walk.damaged, "loader and walker disagree on damage");

    WalkResult rewalk;
    Require(AllRuns(WriteToString(tree), &rewalk) == all.runs, "loaded tree differs from the walk");
    Require(!rewalk.damaged, "a written tree reads as damaged");

    if (!all.runs.empty()) {
        const WordRun& first = all.runs.front();
        CRunCollector found;
        reader.FindExact(ToUpperA(first.word), found);
        Require(found.runs.size() == 1 && found.runs.front() == first, "find-exact misses the first word");
        CRunCollector prefixed;
        reader.VisitPrefix(first.word.substr(0, 1), prefixed);
        Require(!prefixed.runs.empty() && prefixed.runs.front() == first, "visit-prefix misses the first word");
    }
    return 0;
}
