#include "terminal/index_build_progress.h"

#include "platform/file_system.h"

namespace quilsk {

void ShowIndexBuildProgress(CProgressBar& bar, const IndexBuildProgress& p)
{
    if (!bar.Enabled()) return;
    switch (p.step) {
    case IndexBuildProgress::Step::Reading:
        bar.Show({p.path, p.fileIndex, p.fileCount, p.bytesDone, p.byteCount}, "reading");
        break;
    case IndexBuildProgress::Step::Writing:
    case IndexBuildProgress::Step::Replacing: {
        // These paths are native; the bar shows cp932 text.
        const std::string name = FromNativePath(p.path).value_or("");
        const bool writing = p.step == IndexBuildProgress::Step::Writing;
        bar.Show({name, p.fileIndex, p.fileCount, 0, 0}, writing ? "writing" : "replacing");
        break;
    }
    }
}

}  // namespace quilsk
