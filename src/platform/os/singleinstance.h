#pragma once

#include <QString>

namespace os
{

// A machine-wide guard under a fixed name. The system lets go of it when the
// process ends in any way, so a crashed copy never blocks the next start.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process already holds the name.
    bool acquired() const { return m_acquired; }

private:
    bool m_acquired = false;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace os
