#include "support/argument_recorder.h"

#include <chrono>
#include <fstream>
#include <thread>

namespace quilsk::test {

namespace {

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

CArgumentRecorder::CArgumentRecorder(const std::filesystem::path& dir)
    : m_program(dir / "record-arguments"), m_record(dir / "record.txt")
{
    std::filesystem::create_directories(dir);
    const std::string temp = ShellQuoted(m_record.string() + ".tmp");
    std::ofstream(m_program, std::ios::binary)
        << "#!/bin/sh\n{ nice; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > " + temp + " && mv " + temp + " " +
               ShellQuoted(m_record.string()) + "\n";
    std::filesystem::permissions(m_program, std::filesystem::perms::owner_all);
}

std::optional<std::vector<std::string>> CArgumentRecorder::WaitForRecord() const
{
    // The program runs detached, so its record can only be awaited by polling.
    for (int attempt = 0; attempt < 3000 && !std::filesystem::exists(m_record); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!std::filesystem::exists(m_record)) return std::nullopt;
    std::vector<std::string> lines;
    std::ifstream in(m_record, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace quilsk::test
