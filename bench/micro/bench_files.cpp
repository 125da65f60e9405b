#include "bench_files.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace quilsk::microbench {

namespace {

class CBenchDir {
public:
    CBenchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quilsk-microbench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
        m_path = pattern;
    }
    ~CBenchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CBenchDir(const CBenchDir&) = delete;
    CBenchDir& operator=(const CBenchDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace

std::filesystem::path WriteBenchFile(std::string_view name, std::string_view bytes)
{
    static const CBenchDir dir;
    const std::filesystem::path path = dir.Path() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return path;
}

}  // namespace quilsk::microbench
