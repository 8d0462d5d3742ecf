#include "files/file_lists.h"

#include <string>

#include "app/profile.h"
#include "app/rounding.h"
#include "app/text_to_number.h"
#include "files/file_names.h"

namespace veltora {

namespace {

constexpr std::string_view kUserSection = "USER";
constexpr std::string_view kPaperKey = "SHIJUAN";
constexpr std::string_view kRosterKey = "MINGCE";

FileList ListWithBlank(const AppContext& ctx, std::string_view folder, std::string_view extension) {
    FileList list;
    list.entries.emplace_back(kBlankDocument);
    for (auto& name : ListFiles(ctx.Path(folder), extension)) list.entries.push_back(std::move(name));
    return list;
}

FileList TemplateList(const AppContext& ctx) {
    FileList list;
    for (auto& name : ListFiles(ctx.Path(kTemplateFolder), kTemplateExtension)) {
        const std::size_t at = FindIgnoringCase(name, kTemplateExtension);
        // A file named only ".DTK" keeps its whole name rather than an empty one.
        list.entries.push_back(at > 0 ? name.substr(0, at) : std::move(name));
    }
    return list;
}

// The entry a remembered value names, or -1 when it names none.
int RememberedPosition(const std::string& value, const FileList& list) {
    const double number = TextToNumber(value);
    const auto position = NearestInt16(number);
    const int count = static_cast<int>(list.entries.size());
    if (!position || number >= count || *position < 0 || *position >= count) return -1;
    return *position;
}

}  // namespace

const std::string& FileList::SelectedEntry() const {
    static const std::string none;
    return HasSelection() ? entries[static_cast<std::size_t>(selected)] : none;
}

int FileList::Add(std::string entry) {
    entries.push_back(std::move(entry));
    return static_cast<int>(entries.size()) - 1;
}

bool FileList::RemoveAndSelectFirst(int position) {
    if (position < 0 || position >= static_cast<int>(entries.size())) return false;
    entries.erase(entries.begin() + position);
    selected = entries.empty() ? -1 : 0;
    return true;
}

FileLists FillFileLists(const AppContext& ctx) {
    FileLists lists;
    lists.papers = ListWithBlank(ctx, kPaperFolder, kPaperExtension);
    lists.rosters = ListWithBlank(ctx, kRosterFolder, kRosterExtension);
    lists.templates = TemplateList(ctx);

    // A user settings file without a paper position (first start) defers to the defaults.
    auto settings = ctx.RegFile();
    std::string paperValue = ReadProfile(kUserSection, kPaperKey, settings);
    if (TextToNumber(paperValue) == 0) {
        settings = ctx.SysFile();
        paperValue = ReadProfile(kUserSection, kPaperKey, settings);
    }
    lists.papers.selected = RememberedPosition(paperValue, lists.papers);
    lists.rosters.selected = RememberedPosition(ReadProfile(kUserSection, kRosterKey, settings), lists.rosters);

    lists.scoreSets = ListWithBlank(ctx, kScoreFolder, kScoreSetExtension);
    lists.scoreSets.selected = 0;
    return lists;
}

bool SaveListPositions(const AppContext& ctx, const FileLists& lists) {
    const auto settings = ctx.RegFile();
    const bool paperSaved = WriteProfile(kUserSection, kPaperKey, std::to_string(lists.papers.selected), settings);
    const bool rosterSaved = WriteProfile(kUserSection, kRosterKey, std::to_string(lists.rosters.selected), settings);
    return paperSaved && rosterSaved;
}

}  // namespace veltora
