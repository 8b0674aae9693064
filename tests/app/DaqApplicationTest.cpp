#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>

#include <stdexcept>

#include "DaqApplication.h"

namespace {

// An object whose event handler fails the way a handler of the program might.
class Failing : public QObject {
public:
    enum class Kind { Standard, Other, None };
    explicit Failing(Kind kind) : kind_(kind) {}
    int handled = 0;

    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) {
            return QObject::event(e);
        }
        ++handled;
        if (kind_ == Kind::Standard) {
            throw std::invalid_argument("'1.2.3' is not a valid floating point value");
        }
        if (kind_ == Kind::Other) {
            throw 42;
        }
        return true;
    }

private:
    Kind kind_;
};

class DaqApplicationTest : public ::testing::Test {
protected:
    DaqApplicationTest() : app(*static_cast<DaqApplication*>(QCoreApplication::instance())) {
        app.SetReporter([this](const QString& message) { shown << message; });
    }
    ~DaqApplicationTest() override { app.SetReporter({}); }

    DaqApplication& app;
    QStringList shown;
};

TEST_F(DaqApplicationTest, ShowsTheMessageOfAnEscapedException) {
    Failing target(Failing::Kind::Standard);
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&target, &event));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], QStringLiteral("'1.2.3' is not a valid floating point value"));
}

TEST_F(DaqApplicationTest, ShowsAnyOtherExceptionWithAnEmptyMessage) {
    Failing target(Failing::Kind::Other);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].isEmpty());
}

TEST_F(DaqApplicationTest, GoesOnDeliveringEventsAfterwards) {
    Failing failing(Failing::Kind::Standard);
    Failing fine(Failing::Kind::None);
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&fine, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(failing.handled, 1);
    EXPECT_EQ(fine.handled, 1);
    EXPECT_EQ(shown.size(), 1);
}

TEST_F(DaqApplicationTest, HandlersThatSucceedShowNothing) {
    Failing fine(Failing::Kind::None);
    QEvent event(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&fine, &event));
    EXPECT_TRUE(shown.isEmpty());
}

}  // namespace
