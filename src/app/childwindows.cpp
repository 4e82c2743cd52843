#include "app/navigation.h"

#include <QHash>
#include <functional>

// One line per window class that opens inside the main frame.

namespace app {

QWidget* createChildWindow(const QString& className)
{
    static const QHash<QString, std::function<QWidget*()>> factories = {
        // {QStringLiteral("Tleixing"), [] { return new Tleixing; }},
    };
    const auto it = factories.find(className);
    return it == factories.end() ? nullptr : it.value()();
}

} // namespace app
