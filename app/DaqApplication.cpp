#include "DaqApplication.h"

#include <QMessageBox>

#include <exception>

DaqApplication::DaqApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool DaqApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        // Anything else is shown the same way, with an empty message.
        ShowException(QString());
    }
    return false;
}

void DaqApplication::ShowException(const QString& message) {
    if (reporter_) {
        reporter_(message);
        return;
    }
    QMessageBox::critical(activeWindow(), applicationName(), message);
}
