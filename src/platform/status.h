#pragma once

#include <string>
#include <utility>

// What an operation that can fail gives back: success, or why it failed, in
// words for the user. The engine never shows a failure itself; its caller
// passes the reason on, and the host decides how it is shown (a message box in
// the desktop application, one line on stderr in the command-line tools).
// [[nodiscard]]: a failure is never dropped without a decision.

namespace quilsk {

class [[nodiscard]] Status {
public:
    // Success.
    Status() = default;
    // `reason`: UTF-8, one line, never empty.
    static Status Failure(std::string reason) { return Status(std::move(reason)); }

    bool Ok() const { return m_reason.empty(); }
    explicit operator bool() const { return Ok(); }
    // Empty on success.
    const std::string& Reason() const { return m_reason; }

    // The same failure with what was being done before its reason.
    Status Within(const std::string& context) const { return Ok() ? *this : Failure(context + ": " + m_reason); }

private:
    explicit Status(std::string reason) : m_reason(reason.empty() ? std::string("failed") : std::move(reason)) {}

    std::string m_reason;
};

}  // namespace quilsk
