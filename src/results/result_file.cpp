#include "results/result_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "platform/atomic_file.h"
#include "platform/file_system.h"
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

std::string SaveResultFile(const CExStringList& results, std::string_view cp932Path)
{
    size_t size = 0;
    for (const std::string& line : results) size += line.size();
    std::string content;
    content.reserve(size);
    for (const std::string& line : results) content += line;
    return WriteFileAtomically(ToNativePath(cp932Path), content);
}

std::string LoadResultFile(std::string_view cp932Path, CExStringList& results)
{
    const std::filesystem::path path = ToNativePath(cp932Path);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return path.string() + ": " + std::strerror(errno);
    if (!S_ISREG(st.st_mode)) return path.string() + ": not a regular file";
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content) return path.string() + ": cannot be read";

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
