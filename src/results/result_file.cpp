#include "results/result_file.h"

#include "platform/atomic_file.h"
#include "platform/file_system.h"
#include "platform/regular_file.h"
#include "results/result_list.h"

namespace quilsk {

namespace {

void EndWithCrLf(std::string& line)
{
    if (line.ends_with("\r\n")) return;
    if (line.ends_with('\n')) line.insert(line.size() - 1, 1, '\r');
    else if (line.ends_with('\r')) line += '\n';
    else line += "\r\n";
}

}  // namespace

// Line by line through the writer's buffer: a copy of a list of millions of
// lines would double the memory it takes.
Status SaveResultFile(const CExStringList& results, std::string_view cp932Path)
{
    CAtomicFileWriter writer;
    if (Status begun = writer.Begin(ToNativePath(cp932Path)); !begun) return begun;
    for (const std::string_view line : results) writer.Write(line);
    return writer.Commit();
}

Status LoadResultFile(std::string_view cp932Path, CExStringList& results)
{
    // Opened once, as every file the engine reads: what is checked is what is read.
    const std::filesystem::path path = ToNativePath(cp932Path);
    std::string failure;
    const std::optional<std::string> content = ReadRegularFile(path, failure);
    if (!content) return Status::Failure(path.string() + ": " + failure);

    CExStringList loaded;
    for (size_t start = 0; start < content->size();) {
        const size_t lf = content->find('\n', start);
        const size_t end = lf == std::string::npos ? content->size() : lf + 1;
        std::string line = content->substr(start, end - start);
        EndWithCrLf(line);
        loaded.Append(std::move(line));
        start = end;
    }
    loaded.UpdateLongestLength();
    results = std::move(loaded);
    return {};
}

}  // namespace quilsk
