#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "results/result_list.h"

namespace quilsk::cli {

enum class OutputForm { Utf8, Utf8Highlighted, Raw };

// Writes result lines one by one: as stored (Raw), or as UTF-8 lines ending in
// LF with the spans between ESC bytes in reverse video (Utf8Highlighted) or with
// the ESC bytes left out (Utf8). Lines are gathered and written a megabyte at a
// time; after the first write error nothing more is written.
class CResultWriter {
public:
    CResultWriter(std::FILE* out, OutputForm form) : m_out(out), m_form(form) {}

    // False once a write failed.
    bool Add(std::string_view line);
    // Writes what is gathered and flushes; the errno of the first write error,
    // 0 when everything was written.
    int Finish();

private:
    bool WriteGathered();

    std::FILE* m_out;
    OutputForm m_form;
    std::string m_buffer;
    int m_error = 0;
};

// Writes every line of `lines` as CResultWriter does; returns what Finish gives.
int WriteResults(std::FILE* out, const CExStringList& lines, OutputForm form);

}  // namespace quilsk::cli
