#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <string>
#include <vector>

// The index builder started from the help menu, watched to its end so that the
// user learns whether the index was built (files, words, time) or why not.

namespace quilsk {

// The message for a builder run: `started` false when the program could not be
// started (`output` then says why), else its exit code and what it printed.
QString BuilderReport(bool started, int exitCode, const QString& output, qint64 elapsedMs);

class CIndexBuilderRun : public QObject {
    Q_OBJECT

public:
    explicit CIndexBuilderRun(QObject* parent = nullptr);

    // Starts the program and its arguments; false while an earlier run goes on.
    bool Start(const std::vector<std::string>& command);
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }

signals:
    void finished(bool succeeded, const QString& report);

private:
    QProcess m_process;
    QElapsedTimer m_clock;
};

}  // namespace quilsk
