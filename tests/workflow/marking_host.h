#pragma once
// A scripted host that also records what the marking commands report while they run.
#include <functional>
#include <string>
#include <vector>

#include "scripted_host.h"

namespace veltora::test {

class MarkingHost : public ScriptedHost {
public:
    std::vector<std::string> progress;  // "done/total text" of every Progress call
    std::vector<std::string> tips;
    int imagesShown = 0;
    bool lastImageEmpty = true;
    std::function<void()> onEvents;     // runs when the command lets events through

    void Progress(int done, int total, const std::string& text) override {
        progress.push_back(std::to_string(done) + "/" + std::to_string(total) + " " + text);
    }
    void ProcessEvents() override {
        if (onEvents) onEvents();
    }
    void ShowTip(const std::string& text) override { tips.push_back(text); }
    void ShowSheetImage(const Raster& image) override {
        ++imagesShown;
        lastImageEmpty = image.Empty();
    }
};

}  // namespace veltora::test
