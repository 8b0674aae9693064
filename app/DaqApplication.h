#pragma once

#include <QApplication>

#include <functional>

// The application object. An exception that escapes an event handler is
// caught here, where Qt hands every event over, and shown like any other
// error of the program; the loop then goes on. Letting it pass would end
// the program, since Qt cannot carry exceptions through its event loop.
class DaqApplication : public QApplication {
    Q_OBJECT

public:
    using Reporter = std::function<void(const QString& message)>;

    DaqApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error: a message box titled with the application name, or
    // the reporter set below.
    void ShowException(const QString& message);

    // Replaces the message box, for tests; an empty reporter restores it.
    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

private:
    Reporter reporter_;
};
