#pragma once
// Scanner access through SANE: list the devices, keep the user's choice for the run and
// acquire exactly one page at a time. An empty feeder, a cancel or a device error is "no
// page"; a missing device is reported with a reason for the caller's message, never a crash.
#include <memory>
#include <string>
#include <vector>

#include "recognition/raster.h"

namespace veltora {

struct ScannerDevice {
    std::string name;         // SANE device name, e.g. "test:0"
    std::string description;  // vendor and model
};

struct ScanResult {
    enum class Outcome {
        Page,         // `page` holds the acquired page
        NoPage,       // feeder empty, cancelled or device error: the acquisition loop ends
        Unavailable,  // no scanner library or device: `error` says why
    };
    Outcome outcome = Outcome::NoPage;
    Raster page;
    std::string error;
};

class SaneScanner {
public:
    SaneScanner();   // starts the SANE library for the life of the object
    ~SaneScanner();  // closes the device and ends the library
    SaneScanner(const SaneScanner&) = delete;
    SaneScanner& operator=(const SaneScanner&) = delete;

    bool Available() const;
    std::vector<ScannerDevice> ListDevices();

    // The device later acquisitions use; an empty name keeps the previous choice (a
    // cancelled selection changes nothing). Without a choice the first device is used.
    void Choose(const std::string& deviceName);
    const std::string& Chosen() const;

    // Sets an option of the chosen device by its SANE name ("source", "resolution",
    // "mode"); the text is read as the option's type. False when refused.
    bool SetOption(const std::string& name, const std::string& value);

    ScanResult AcquirePage();

private:
    bool ChooseFirstIfNone(std::string& error);

    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace veltora
