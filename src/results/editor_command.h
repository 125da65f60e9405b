#pragma once

#include <string>
#include <string_view>

#include "results/command_line_split.h"

// The command line that opens the user's editor at a file and line: where a
// tag-form result line came from, and the user's template with its macros "%F"
// (or "%f") for the file and "%R" (or "%r") for the line number. cp932 text.

namespace quilsk {

struct EditorTarget {
    std::string file;
    std::string lineNumber;
};

// The tag of a result line: the first ") " closes it, the nearest "(" before
// that opens it; the file is what precedes the "(", the line number what stands
// between the parentheses without its leading blanks. Both are empty when the
// line has no tag.
EditorTarget ParseResultTag(std::string_view line);

// Splits the template into arguments first and only then replaces the macros
// inside them, so a file name with blanks or shell characters stays one
// argument. The first "%f" of the template (else its first "%F") becomes the
// file and the first "%r" (else "%R") the line number; every other occurrence
// stays as written, and the replacements are never searched for macros.
// Without a file macro the file becomes one more argument at the end. A
// template without any word yields no arguments.
// `convertTemplate`, when given, converts the template's own text (not the
// target's file and line number, which are inserted as they are): the program
// gets its words in the form of the file system, the file as it is named on disk.
using TemplateConversion = std::string (*)(std::string_view);
CommandLineWords ExpandEditorTemplate(std::string_view commandTemplate, const EditorTarget& target,
                                      TemplateConversion convertTemplate = nullptr);

}  // namespace quilsk
