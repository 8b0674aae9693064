// Device detection and hot-plug of the main window: Detect Device, the drive
// scan, the identity string with its zero adjustment, device events and the
// reconnect poll. All of it runs on the user-interface thread; the readers
// only load FDeviceHandle, which is swapped under its own lock.

// Before any Qt header: SimOptions has a member that Qt's "signals" keyword
// macro would rewrite.
#include "device/sim/SimulatedInstrument.h"

#include <QKeySequence>
#include <QShortcut>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "Myconst.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "device/HotplugEvent.h"
#include "device/InstrumentProbe.h"
#include "device/ScsiCommands.h"
#include "device/SptiCommands.h"
#include "device/ZeroAdjust.h"

#ifdef _WIN32
#include "DeviceChangeFilter.h"
#endif

namespace {

constexpr std::size_t kSampleBufferBytes = 16384;

DeviceLink DrivesOnly(std::shared_ptr<DriveAccess> drives) {
    DeviceLink device;
    device.drives = std::move(drives);
    return device;
}

void EnsureSampleBuffer() {
    if (!gSampleBufferAllocated || gSampleBuffer == nullptr) {
        gSampleBuffer = std::make_unique<std::uint8_t[]>(kSampleBufferBytes);
        gSampleBufferAllocated = true;
    }
}

}  // namespace

TForm1::TForm1(std::shared_ptr<DriveAccess> drives, QWidget* parent)
    : TForm1(DrivesOnly(std::move(drives)), parent) {}

void TForm1::SetUpSimulatorKeys() {
    if (simulator_ == nullptr) {
        return;
    }
    auto* unplug = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), this);
    unplug->setObjectName(QStringLiteral("UnplugShortcut"));
    connect(unplug, &QShortcut::activated, this, [this] { simulator_->Unplug(); });
    auto* replug = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this);
    replug->setObjectName(QStringLiteral("ReplugShortcut"));
    connect(replug, &QShortcut::activated, this, [this] { simulator_->Replug(); });
}

void TForm1::Button3Click() {
    gDeviceFound = false;
    gDeviceDrive = 0;
    EnsureSampleBuffer();
    ProbeDrives();
    if (gDeviceDrive != 0) {
        Edit2->setText(Myconst::SetFindDevice.Text());
        ReadIdentityString();
    } else {
        Edit2->setText(Myconst::SetNoDevice.Text());
    }
}

void TForm1::ProbeDrives() {
    EnsureSampleBuffer();
    if (discovery_ != nullptr) {
        discovery_->RefreshDrives();
    }
    std::shared_ptr<ScsiTransport> found;
    if (drives_ != nullptr) {
        std::vector<InstrumentDrive> instruments =
            ProbeInstrumentDrives(*drives_, gSampleBuffer.get(), /*firstOnly=*/true);
        if (!instruments.empty()) {
            found = std::move(instruments.front().handle);
            gDeviceDrive = instruments.front().drive;
            gDeviceFound = true;
        }
    }
    FDeviceHandle.store(std::move(found));
}

void TForm1::ReadIdentityString() {
    if (discovery_ == nullptr) {
        return;
    }
    const IdentityScan scan = discovery_->ScanIdentities();
    if (!scan.ok()) {
        std::fprintf(stderr, "IOCTL_STORAGE_GET_DEVICE_NUMBER Error: %ld\n", scan.error);
        return;
    }
    if (const std::optional<std::string> window = FirstZeroAdjustWindow(scan)) {
        ParseZeroAdjust(*window);
    }
}

void TForm1::ParseZeroAdjust(std::string_view window) {
    const ZeroAdjustUpdate update = ::ParseZeroAdjust(window);
    float zero0 = FZeroAdjust0;
    float zero1 = FZeroAdjust1;
    update.ApplyTo(zero0, zero1);
    FZeroAdjust0 = zero0;
    FZeroAdjust1 = zero1;
    if (!update.ok()) {
        ShowMessage(Myconst::SmsgZeroAdjustInvalid.Text().arg(
            QString::fromLatin1(window.data(), static_cast<qsizetype>(window.size())),
            QString::fromLatin1(update.badCode)));
    }
}

void TForm1::RegisterDeviceEvents() {
    // A new registration replaces the old, which is cancelled as it goes.
    FDeviceNotify.reset();
#ifdef _WIN32
    FDeviceNotify = std::make_shared<DeviceChangeFilter>(
        reinterpret_cast<HWND>(winId()), [this](const HotplugEvent& event) { OnDeviceChange(event); });
#else
    if (hotplug_ == nullptr || hotplug_->Fd() < 0) {
        return;
    }
    auto notifier = std::make_shared<QSocketNotifier>(hotplug_->Fd(), QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &TForm1::ReadHotplugEvents);
    FDeviceNotify = std::move(notifier);
#endif
}

void TForm1::ReadHotplugEvents() {
    for (const HotplugEvent& event : hotplug_->ReadEvents()) {
        OnDeviceChange(event);
    }
}

void TForm1::OnDeviceChange(const HotplugEvent& event) {
    switch (ResponseToDeviceChange(event)) {
        case DeviceChangeResponse::Detect:
            Button3Click();
            break;
        case DeviceChangeResponse::DetectThenStop:
            // Detection first: the run stops with the device state already
            // showing that the instrument is gone.
            Button3Click();
            Button6Click();
            break;
        case DeviceChangeResponse::None:
            break;
    }
}

void TForm1::Timer3Timer() {
    EnsureSampleBuffer();
    if (gDeviceDrive != 0) {
        // The drive may have been given to another disk since: only the
        // instrument is taken back.
        std::shared_ptr<ScsiTransport> handle =
            drives_ != nullptr ? drives_->Open(static_cast<char>(gDeviceDrive)) : nullptr;
        if (handle != nullptr && !AnswersAsInstrument(*handle, gSampleBuffer.get())) {
            handle.reset();
        }
        const bool reopened = handle != nullptr;
        FDeviceHandle.store(std::move(handle));
        if (reopened) {
            return;
        }
        Edit2->setText(Myconst::SetNoDevice.Text());
        gDeviceDrive = 0;
        gDeviceFound = false;
        return;
    }
    ProbeDrives();
    if (gDeviceFound) {
        Edit2->setText(Myconst::SetFindDevice.Text());
    }
}
