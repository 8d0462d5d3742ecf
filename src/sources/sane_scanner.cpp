#include "sources/sane_scanner.h"

#include <algorithm>
#include <cstring>

#include <sane/sane.h>

#include "app/text_to_number.h"
#include "recognition/image_file.h"

namespace veltora {

namespace {

std::string StatusText(SANE_Status status) { return sane_strstatus(status); }

// Grey or one colour channel of sample x of a line at the frame's depth, scaled to 0..255.
unsigned SampleAt(const std::vector<SANE_Byte>& line, int depth, int index) {
    switch (depth) {
    case 1: return (line[index / 8] >> (7 - index % 8)) & 1 ? 0u : 255u;  // 1 = black
    case 16: {
        std::uint16_t value;
        std::memcpy(&value, line.data() + 2 * index, 2);  // machine byte order
        return value >> 8;
    }
    default: return line[index];
    }
}

}  // namespace

struct SaneScanner::State {
    bool initialised = false;
    std::string chosen;
    SANE_Handle handle = nullptr;
    std::string openName;

    void Close() {
        if (!handle) return;
        sane_cancel(handle);
        sane_close(handle);
        handle = nullptr;
        openName.clear();
    }

    // The chosen device, opened once and kept open so a feeder's pages follow each other.
    SANE_Status Open(std::string& error) {
        if (handle && openName == chosen) return SANE_STATUS_GOOD;
        Close();
        const SANE_Status status = sane_open(chosen.c_str(), &handle);
        if (status != SANE_STATUS_GOOD) {
            handle = nullptr;
            error = "cannot open scanner " + chosen + ": " + StatusText(status);
            return status;
        }
        openName = chosen;
        return status;
    }

    // Reads the frames of one page into `page`; NoPage on any failure.
    ScanResult Read() {
        ScanResult result;
        Raster page;
        bool first = true;
        for (;;) {
            const SANE_Status started = sane_start(handle);
            if (started != SANE_STATUS_GOOD) {
                result.error = StatusText(started);
                sane_cancel(handle);
                return result;
            }
            SANE_Parameters p;
            if (sane_get_parameters(handle, &p) != SANE_STATUS_GOOD || p.lines <= 0 ||
                !ImageSizeAcceptable(p.pixels_per_line, p.lines) || p.bytes_per_line <= 0 ||
                (p.depth != 1 && p.depth != 8 && p.depth != 16)) {
                result.error = "unsupported scan parameters";
                sane_cancel(handle);
                return result;
            }
            if (first) page = Raster(p.pixels_per_line, p.lines, 0);
            first = false;
            if (page.Width() != p.pixels_per_line || page.Height() != p.lines) {
                result.error = "frames of different size";
                sane_cancel(handle);
                return result;
            }
            std::vector<SANE_Byte> line(static_cast<std::size_t>(p.bytes_per_line));
            for (int y = 0; y < p.lines; ++y) {
                std::size_t filled = 0;
                while (filled < line.size()) {
                    SANE_Int got = 0;
                    const SANE_Status status =
                        sane_read(handle, line.data() + filled, static_cast<SANE_Int>(line.size() - filled), &got);
                    if (status != SANE_STATUS_GOOD) {
                        result.error = status == SANE_STATUS_EOF ? "page shorter than announced" : StatusText(status);
                        sane_cancel(handle);
                        return result;
                    }
                    filled += static_cast<std::size_t>(got);
                }
                std::uint32_t* out = page.Row(y);
                for (int x = 0; x < p.pixels_per_line; ++x) {
                    switch (p.format) {
                    case SANE_FRAME_RGB:
                        out[x] = SampleAt(line, p.depth, 3 * x) | SampleAt(line, p.depth, 3 * x + 1) << 8 |
                                 SampleAt(line, p.depth, 3 * x + 2) << 16;
                        break;
                    case SANE_FRAME_RED: out[x] = (out[x] & 0xFFFF00u) | SampleAt(line, p.depth, x); break;
                    case SANE_FRAME_GREEN: out[x] = (out[x] & 0xFF00FFu) | SampleAt(line, p.depth, x) << 8; break;
                    case SANE_FRAME_BLUE: out[x] = (out[x] & 0x00FFFFu) | SampleAt(line, p.depth, x) << 16; break;
                    default: out[x] = SampleAt(line, p.depth, x) * 0x010101u;
                    }
                }
            }
            // Let the backend finish the frame (it answers end of data).
            SANE_Byte rest[64];
            SANE_Int got = 0;
            while (sane_read(handle, rest, sizeof rest, &got) == SANE_STATUS_GOOD) {
            }
            if (p.last_frame) break;
        }
        result.outcome = ScanResult::Outcome::Page;
        result.page = std::move(page);
        return result;
    }
};

SaneScanner::SaneScanner() : state_(std::make_unique<State>()) {
    SANE_Int version = 0;
    state_->initialised = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
}

SaneScanner::~SaneScanner() {
    state_->Close();
    if (state_->initialised) sane_exit();
}

bool SaneScanner::Available() const { return state_->initialised; }

std::vector<ScannerDevice> SaneScanner::ListDevices() {
    std::vector<ScannerDevice> devices;
    const SANE_Device** list = nullptr;
    if (!state_->initialised || sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list) return devices;
    for (; *list; ++list) {
        const SANE_Device& d = **list;
        devices.push_back({d.name ? d.name : "", std::string(d.vendor ? d.vendor : "") + " " + (d.model ? d.model : "")});
    }
    return devices;
}

void SaneScanner::Choose(const std::string& deviceName) {
    if (!deviceName.empty()) state_->chosen = deviceName;
}

const std::string& SaneScanner::Chosen() const { return state_->chosen; }

bool SaneScanner::ChooseFirstIfNone(std::string& error) {
    if (!state_->chosen.empty()) return true;
    const auto devices = ListDevices();
    if (devices.empty()) {
        error = "no scanner found";
        return false;
    }
    state_->chosen = devices.front().name;
    return true;
}

bool SaneScanner::SetOption(const std::string& name, const std::string& value) {
    std::string error;
    if (!ChooseFirstIfNone(error) || state_->Open(error) != SANE_STATUS_GOOD) return false;
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(state_->handle, i);
        if (!d) return false;
        if (!d->name || name != d->name) continue;
        SANE_Int info = 0;
        SANE_Status status;
        switch (d->type) {
        case SANE_TYPE_STRING: {
            std::vector<char> text(std::max<std::size_t>(static_cast<std::size_t>(d->size), value.size() + 1), '\0');
            std::copy(value.begin(), value.end(), text.begin());
            status = sane_control_option(state_->handle, i, SANE_ACTION_SET_VALUE, text.data(), &info);
            break;
        }
        case SANE_TYPE_BOOL:
        case SANE_TYPE_INT: {
            SANE_Word word = d->type == SANE_TYPE_BOOL ? (value == "yes" || value == "true" || value == "1")
                                                       : static_cast<SANE_Word>(TextToNumber(value));
            status = sane_control_option(state_->handle, i, SANE_ACTION_SET_VALUE, &word, &info);
            break;
        }
        case SANE_TYPE_FIXED: {
            SANE_Word word = SANE_FIX(TextToNumber(value));
            status = sane_control_option(state_->handle, i, SANE_ACTION_SET_VALUE, &word, &info);
            break;
        }
        default: return false;
        }
        return status == SANE_STATUS_GOOD;
    }
}

ScanResult SaneScanner::AcquirePage() {
    ScanResult result;
    result.outcome = ScanResult::Outcome::Unavailable;
    if (!state_->initialised) {
        result.error = "the scanner library could not be started";
        return result;
    }
    if (!ChooseFirstIfNone(result.error)) return result;
    if (state_->Open(result.error) != SANE_STATUS_GOOD) return result;
    return state_->Read();
}

}  // namespace veltora
