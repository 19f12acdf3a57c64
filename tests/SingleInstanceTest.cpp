#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <unistd.h>

#include <functional>
#include <memory>

namespace {

constexpr int Patience = 5000;

// Where the lock may live: $XDG_RUNTIME_DIR when it is a folder, else a
// folder of the user's own under the temp folder.
struct LockPlace {
    const char* name;
    std::function<void(QProcessEnvironment&, const QString& scratch)> prepare;
    std::function<QString(const QString& scratch)> lockFolder;
};

void PrintTo(const LockPlace& place, std::ostream* os)
{
    *os << place.name;
}

QString UserTempFolder(const QString& scratch)
{
    return scratch + "/tmp/solvane-" + QString::number(::getuid());
}

const LockPlace LockPlaces[] = {
    {"RuntimeDir",
     [](QProcessEnvironment& env, const QString& scratch) { env.insert("XDG_RUNTIME_DIR", scratch + "/run"); },
     [](const QString& scratch) { return scratch + "/run"; }},
    {"TempFolderWithoutRuntimeDir",
     [](QProcessEnvironment& env, const QString&) { env.remove("XDG_RUNTIME_DIR"); }, UserTempFolder},
    {"TempFolderWhenRuntimeDirIsAFile",
     [](QProcessEnvironment& env, const QString& scratch) {
         QFile file(scratch + "/not-a-folder");
         file.open(QIODevice::WriteOnly);
         env.insert("XDG_RUNTIME_DIR", file.fileName());
     },
     UserTempFolder},
};

class SingleInstanceTest : public testing::TestWithParam<LockPlace> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_scratch.isValid());
        QDir(m_scratch.path()).mkpath("run");
        QDir(m_scratch.path()).mkpath("tmp");
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("TMPDIR", m_scratch.path() + "/tmp");
        GetParam().prepare(m_env, m_scratch.path());
    }

    void TearDown() override
    {
        for (auto& process : m_processes) {
            process->kill();
            process->waitForFinished(Patience);
        }
    }

    QProcess& Start()
    {
        m_processes.push_back(std::make_unique<QProcess>());
        QProcess& process = *m_processes.back();
        process.setProcessEnvironment(m_env);
        process.start(SINGLE_INSTANCE_PROBE, {MutexName});
        EXPECT_TRUE(process.waitForStarted(Patience));
        return process;
    }

    static bool Claimed(QProcess& process)
    {
        return process.waitForReadyRead(Patience) && process.readAll() == "claimed\n";
    }

    static void ExpectEndsAtOnceSilently(QProcess& process)
    {
        ASSERT_TRUE(process.waitForFinished(Patience));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_TRUE(process.readAll().isEmpty());
    }

    static constexpr const char* MutexName = "SolvaneMutex";

    QTemporaryDir m_scratch;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

TEST_P(SingleInstanceTest, SecondCopyEndsAtOnceAndKilledCopyLeavesNoStaleLock)
{
    QProcess& first = Start();
    ASSERT_TRUE(Claimed(first));
    EXPECT_TRUE(QFileInfo::exists(GetParam().lockFolder(m_scratch.path()) + "/SolvaneMutex.lock"));

    ExpectEndsAtOnceSilently(Start());

    first.kill();
    ASSERT_TRUE(first.waitForFinished(Patience));
    EXPECT_EQ(first.exitStatus(), QProcess::CrashExit);

    QProcess& next = Start();
    EXPECT_TRUE(Claimed(next));
}

INSTANTIATE_TEST_SUITE_P(Places, SingleInstanceTest, testing::ValuesIn(LockPlaces),
                         [](const testing::TestParamInfo<LockPlace>& info) { return info.param.name; });

}
