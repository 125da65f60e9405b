#include "desktop/index_builder_run.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

QString LastLine(const QString& output)
{
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

}  // namespace

QString BuilderReport(bool started, int exitCode, const QString& output, qint64 elapsedMs)
{
    if (!started) return UiText::tr("インデックス作成プログラムを起動できませんでした。\n") + output;
    if (exitCode != 0) {
        const QString reason = LastLine(output);
        return UiText::tr("インデックスを作成できませんでした。\n") +
               (reason.isEmpty() ? UiText::tr("終了コード %1").arg(exitCode) : reason);
    }
    static const QRegularExpression summary(QStringLiteral("(\\d+) files, (\\d+) words"));
    const QRegularExpressionMatch counts = summary.match(output);
    const QString seconds = QString::number(static_cast<double>(elapsedMs) / 1000.0, 'f', 1);
    if (!counts.hasMatch()) return UiText::tr("インデックスを作成しました (%1 秒)。").arg(seconds);
    return UiText::tr("インデックスを作成しました。\nファイル: %1\n単語: %2\n時間: %3 秒")
        .arg(counts.captured(1), counts.captured(2), seconds);
}

CIndexBuilderRun::CIndexBuilderRun(QObject* parent) : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const QString output = QString::fromUtf8(m_process.readAll());
        const int code = status == QProcess::NormalExit ? exitCode : -1;
        emit finished(code == 0, BuilderReport(true, code == -1 ? 1 : code, output, m_clock.elapsed()));
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        emit finished(false, BuilderReport(false, 0, m_process.program() + ": " + m_process.errorString(), 0));
    });
}

bool CIndexBuilderRun::Start(const std::vector<std::string>& command)
{
    if (IsRunning() || command.empty()) return false;
    QStringList arguments;
    for (size_t i = 1; i < command.size(); ++i) arguments << QFile::decodeName(QByteArray::fromStdString(command[i]));
    m_clock.start();
    m_process.start(QFile::decodeName(QByteArray::fromStdString(command.front())), arguments);
    return true;
}

}  // namespace quilsk
