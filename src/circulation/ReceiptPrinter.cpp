// SPDX-License-Identifier: MIT
#include "circulation/ReceiptPrinter.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

// A device name (LPTn, COMn) or a typed path.
struct Target {
    QString path;
    bool device = false;
};

Target target(const QString &port)
{
    static const QRegularExpression form(QStringLiteral("^(LPT|COM)([1-9][0-9]*)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(port);
    if (!m.hasMatch())
        return {port, false};
    const int n = m.captured(2).toInt() - 1;
    if (m.captured(1).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("/dev/ttyS%1").arg(n), true};
    const QString usb = QStringLiteral("/dev/usb/lp%1").arg(n);
    return {QFile::exists(usb) ? usb : QStringLiteral("/dev/lp%1").arg(n), true};
}

// Receipts are written one at a time; the counter's thread never waits for this.
std::mutex g_deviceMutex;
std::mutex g_stateMutex;
std::condition_variable g_idle;
int g_pending = 0;

struct Job {
    std::mutex m;
    std::condition_variable cv;
    bool finished = false;
    bool ok = false;
    QString error;
};

void startJob(const QString &port, const QByteArray &bytes, const std::shared_ptr<Job> &job)
{
    {
        std::lock_guard<std::mutex> lock(g_stateMutex);
        ++g_pending;
    }
    std::thread([port, bytes, job] {
        QString error;
        bool ok;
        {
            std::lock_guard<std::mutex> device(g_deviceMutex);
            ok = ReceiptPrinter::write(port, bytes, &error);
        }
        if (job) {
            std::lock_guard<std::mutex> lock(job->m);
            job->finished = true;
            job->ok = ok;
            job->error = error;
            job->cv.notify_all();
        }
        std::lock_guard<std::mutex> lock(g_stateMutex);
        --g_pending;
        g_idle.notify_all();
    }).detach();
}

} // namespace

namespace ReceiptPrinter {

QString devicePath(const QString &port)
{
    return target(port).path;
}

bool write(const QString &port, const QByteArray &bytes, QString *error)
{
    const Target t = target(port);
    const QByteArray path = QFile::encodeName(t.path);
    // Non-blocking open: a serial line without carrier or a pipe without reader
    // answers at once instead of hanging; writing then blocks normally.
    int flags = O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (!t.device)
        flags |= O_CREAT | O_TRUNC;
    const int fd = path.isEmpty() ? -1 : ::open(path.constData(), flags, 0644);
    if (fd < 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(t.path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const int current = ::fcntl(fd, F_GETFL);
    if (current >= 0)
        ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (error)
                *error = QStringLiteral("%1: %2").arg(t.path, QString::fromLocal8Bit(std::strerror(errno)));
            ::close(fd);
            return false;
        }
        data += n;
        left -= n;
    }
    if (::close(fd) != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(t.path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

void send(const QString &port, const QByteArray &bytes)
{
    startJob(port, bytes, nullptr);
}

bool waitForIdle(int msecs)
{
    std::unique_lock<std::mutex> lock(g_stateMutex);
    return g_idle.wait_for(lock, std::chrono::milliseconds(msecs), [] { return g_pending == 0; });
}

bool sendAndWait(const QString &port, const QByteArray &bytes, int msecs, QString *error)
{
    auto job = std::make_shared<Job>();
    startJob(port, bytes, job);
    std::unique_lock<std::mutex> lock(job->m);
    if (!job->cv.wait_for(lock, std::chrono::milliseconds(msecs), [&] { return job->finished; })) {
        if (error)
            *error = QStringLiteral("打印机没有响应");
        return false;
    }
    if (error)
        *error = job->error;
    return job->ok;
}

} // namespace ReceiptPrinter
