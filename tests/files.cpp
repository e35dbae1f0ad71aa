#include "tests/files.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = m_saved;
    small.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_handler);
}

SecondUser::SecondUser() {
    m_root = geteuid() == 0;
    if (!m_root)
        return;
    m_gid = getegid();
    m_groups.resize(size_t(qMax(getgroups(0, nullptr), 0)));
    if (!m_groups.empty())
        m_groups.resize(size_t(qMax(getgroups(int(m_groups.size()), m_groups.data()), 0)));
    m_active = setgroups(0, nullptr) == 0 && setegid(kId) == 0 && seteuid(kId) == 0;
    EXPECT_TRUE(m_active) << "could not act as the second user";
}

SecondUser::~SecondUser() {
    if (!m_root)
        return;
    EXPECT_EQ(seteuid(0), 0);
    EXPECT_EQ(setegid(m_gid), 0);
    EXPECT_EQ(setgroups(m_groups.size(), m_groups.data()), 0);
}
