#pragma once

#include <QApplication>

namespace ui
{

// The application object. Errors that a handler does not catch are stopped
// here, at event delivery, and shown in the error box captioned with the
// application title; the program goes on.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Loads Qt's own Chinese texts so its buttons and dialogs speak Chinese too.
    void installChineseTranslations();
};

// Shows the error box of the default handler for the current exception.
void reportException(const std::exception& e);

} // namespace ui
