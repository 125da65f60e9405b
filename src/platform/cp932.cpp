#include "platform/cp932.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <stdexcept>

namespace quilsk {

namespace {

// One converter per direction and thread, opened on first use and kept.
class CIconv {
public:
    CIconv(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~CIconv() { iconv_close(m_cd); }
    CIconv(const CIconv&) = delete;
    CIconv& operator=(const CIconv&) = delete;

    // Converts as much as it can; returns false at an invalid or incomplete
    // sequence, leaving `in` at it.
    bool Convert(const char*& in, size_t& inLeft, std::string& out)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932)
{
    thread_local CIconv converter("UTF-8", "CP932");
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    const char* in = cp932.data();
    size_t left = cp932.size();
    while (!converter.Convert(in, left, out)) {
        out += "\xEF\xBF\xBD";
        ++in;
        --left;
    }
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8)
{
    thread_local CIconv converter("CP932", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    const char* in = utf8.data();
    size_t left = utf8.size();
    if (!converter.Convert(in, left, out)) return std::nullopt;
    return out;
}

std::optional<std::string> EucJpToUtf8(std::string_view eucJp)
{
    thread_local CIconv converter("UTF-8", "EUC-JP");
    std::string out;
    out.reserve(eucJp.size() * 3 / 2);
    const char* in = eucJp.data();
    size_t left = eucJp.size();
    if (!converter.Convert(in, left, out)) return std::nullopt;
    return out;
}

std::string Cp932Literal(std::string_view utf8)
{
    auto converted = Utf8ToCp932(utf8);
    if (!converted) std::abort();
    return *converted;
}

}  // namespace quilsk
