#include "results/copy_text.h"

#include "results/result_list.h"

namespace quilsk {

CopyText BuildCopyText(const CExStringList& results)
{
    CopyText copy;
    for (const std::string_view line : results) {
        if (copy.text.size() + line.size() >= kCopyTextLimit) {
            copy.linesLeftOut = true;
            break;
        }
        copy.text += line;
    }
    return copy;
}

}  // namespace quilsk
