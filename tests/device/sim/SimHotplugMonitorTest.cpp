#include "device/sim/SimHotplugMonitor.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <thread>

namespace {

bool Readable(const HotplugMonitor& monitor) {
    pollfd fd{monitor.Fd(), POLLIN, 0};
    return poll(&fd, 1, 0) == 1 && (fd.revents & POLLIN) != 0;
}

SimOptions Identity(const char* window) {
    SimOptions options;
    options.identityWindow = window;
    options.paced = false;
    return options;
}

TEST(SimHotplugMonitorTest, UnplugAndReplugBecomeRemovalAndArrivalOfTheInstrument) {
    auto sim = std::make_shared<SimulatedInstrument>(Identity("OSC13_20"));
    const auto monitor = SimHotplugMonitor::Create(sim);
    ASSERT_NE(monitor, nullptr);
    EXPECT_FALSE(Readable(*monitor));

    sim->Unplug();
    sim->Replug();
    ASSERT_TRUE(Readable(*monitor));
    const std::vector<HotplugEvent> events = monitor->ReadEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].action, HotplugAction::RemoveComplete);
    EXPECT_EQ(events[1].action, HotplugAction::Arrival);
    for (const HotplugEvent& event : events) {
        EXPECT_EQ(event.headerType, kDeviceInterfaceHeader);
        EXPECT_EQ(event.name, LowerAscii(sim->IdentityString()));
        EXPECT_NE(event.name.find("oscilloscope"), std::string::npos);
        EXPECT_NE(event.name.find("osc13_20"), std::string::npos);
    }
    EXPECT_EQ(ResponseToDeviceChange(events[0]), DeviceChangeResponse::DetectThenStop);
    EXPECT_EQ(ResponseToDeviceChange(events[1]), DeviceChangeResponse::Detect);

    // Read once, the events are gone and the descriptor is quiet again.
    EXPECT_FALSE(Readable(*monitor));
    EXPECT_TRUE(monitor->ReadEvents().empty());
}

TEST(SimHotplugMonitorTest, OnlyChangesOfThePlugAreEvents) {
    auto sim = std::make_shared<SimulatedInstrument>(Identity("OSC80"));
    const auto monitor = SimHotplugMonitor::Create(sim);
    sim->Replug();  // already plugged in
    EXPECT_FALSE(Readable(*monitor));
    sim->Unplug();
    sim->Unplug();
    EXPECT_EQ(monitor->ReadEvents().size(), 1u);
}

TEST(SimHotplugMonitorTest, EventsFromAnotherThreadWakeTheReader) {
    auto sim = std::make_shared<SimulatedInstrument>(Identity("OSC80"));
    const auto monitor = SimHotplugMonitor::Create(sim);
    constexpr int kCycles = 200;
    std::thread plugger([&] {
        for (int i = 0; i < kCycles; ++i) {
            sim->Unplug();
            sim->Replug();
        }
    });
    std::vector<HotplugEvent> events;
    while (events.size() < 2 * kCycles) {
        pollfd fd{monitor->Fd(), POLLIN, 0};
        ASSERT_GE(poll(&fd, 1, -1), 0);
        for (HotplugEvent& event : monitor->ReadEvents()) {
            events.push_back(std::move(event));
        }
    }
    plugger.join();
    ASSERT_EQ(events.size(), 2u * kCycles);
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].action, i % 2 == 0 ? HotplugAction::RemoveComplete : HotplugAction::Arrival) << i;
    }
}

TEST(SimHotplugMonitorTest, AnInstrumentOutlivingItsMonitorStillPlugs) {
    auto sim = std::make_shared<SimulatedInstrument>(Identity("OSC80"));
    SimHotplugMonitor::Create(sim).reset();
    sim->Unplug();
    EXPECT_FALSE(sim->IsPlugged());
    sim->Replug();
    EXPECT_TRUE(sim->IsPlugged());
}

}  // namespace
