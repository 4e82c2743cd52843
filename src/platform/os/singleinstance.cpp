#include "platform/os/singleinstance.h"

#include <QDir>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace os
{

#ifdef _WIN32
SingleInstance::SingleInstance(const QString& name)
{
    m_handle = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(name.utf16()));
    m_acquired = m_handle && GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance()
{
    // The handle lives as long as the process, as the system mutex does.
}
#else
SingleInstance::SingleInstance(const QString& name)
{
    const QString path = QDir::tempPath() + QLatin1Char('/') + name + QStringLiteral(".lock");
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    m_acquired = m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

SingleInstance::~SingleInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
#endif

} // namespace os
