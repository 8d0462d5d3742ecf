#include "app/app_context.h"

#include "app/program_folder.h"

namespace veltora {

namespace fs = std::filesystem;

AppContext::AppContext(fs::path programFolder)
    : programFolder_(std::move(programFolder)),
      languageTable_(ResolvePath(programFolder_, "Language.txt")),
      lastImageFolder_(programFolder_) {
    // Exactly "Chinese": the comparison is case-sensitive, so "chinese" is another language.
    uiIsChinese_ = languageTable_.Read("info", "Language") == "Chinese";
    applicationTitle_ = uiIsChinese_ ? "Veltora" : "Karvex";
}

fs::path AppContext::Path(std::string_view relative) const { return ResolvePath(programFolder_, relative); }

fs::path AppContext::LanguageFile() const { return languageTable_.File(); }
fs::path AppContext::RegFile() const { return Path("sys/reg.cho"); }
fs::path AppContext::SysFile() const { return Path("sys/sys.cho"); }
fs::path AppContext::HelpFile() const { return Path("help/index.html"); }

std::string AppContext::LangText(std::string_view section, std::string_view key) const {
    return languageTable_.Read(section, key);
}

std::string AppContext::MakerWebAddress() const { return "https://veltora.example"; }

}  // namespace veltora
