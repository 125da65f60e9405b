#include "desktop/status_texts.h"

#include "platform/host.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

// "done/total MB", or KB for files that small.
QString Share(std::uint64_t done, std::uint64_t total)
{
    const double unit = total >= 1000000 ? 1e6 : 1e3;
    return QStringLiteral("%1/%2 %3")
        .arg(QString::number(static_cast<double>(done) / unit, 'f', 1),
             QString::number(static_cast<double>(total) / unit, 'f', 1),
             unit == 1e6 ? QStringLiteral("MB") : QStringLiteral("KB"));
}

}  // namespace

QString ResultCountText(size_t lines, bool stopped)
{
    const QString count = UiText::tr("%n 件", nullptr, static_cast<int>(lines));
    return stopped ? count + UiText::tr("（検索を途中で中止しました）") : count;
}

QString ScanProgressText(const ScanProgress& progress)
{
    return UiText::tr("検索中: ファイル %1/%2, %3, %4 件 - %5")
        .arg(progress.fileIndex + 1)
        .arg(progress.fileCount)
        .arg(Share(progress.bytesDone, progress.byteCount))
        .arg(progress.hits)
        .arg(ToQString(progress.path));
}

}  // namespace quilsk
