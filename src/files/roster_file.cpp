#include "files/roster_file.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "app/atomic_file.h"
#include "files/record_reader.h"
#include "files/record_writer.h"

namespace veltora {

namespace {

constexpr int kRosterFileColumns[kRosterFileFields] = {kRosterNo, kRosterName, kRosterExtra, kRosterFourth};

}  // namespace

bool ReadRoster(Workspace& ws, const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;

    ws.ResetForRosterLoad();
    RecordReader reader(in);
    int n = 0;
    while (n < kMaxRosterRows && !reader.NoMoreRecords()) {
        ++n;
        const auto fields = reader.ReadRecord(kRosterFileFields);
        for (int i = 0; i < kRosterFileFields; ++i) ws.roster.SetCell(n, kRosterFileColumns[i], fields[i]);
    }
    ws.rosterCount = static_cast<std::int16_t>(n);
    ws.resultCount = static_cast<std::int16_t>(n);
    return true;
}

bool WriteRoster(const Workspace& ws, const std::filesystem::path& path) {
    std::string bytes;
    const int rows = std::min<int>(ws.rosterCount, ws.roster.MaxRows());
    for (int r = 1; r <= rows; ++r) {
        bytes += QuotedRecordLine({Trimmed(ws.roster.Cell(r, kRosterNo)), ws.roster.Cell(r, kRosterName),
                                   ws.roster.Cell(r, kRosterExtra), ws.roster.Cell(r, kRosterFourth)});
    }
    return WriteFileAtomically(path, bytes);
}

}  // namespace veltora
