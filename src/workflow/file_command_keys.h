#pragma once
// Language keys (section "main") of the messages the file commands return.
#include <string_view>

namespace veltora {

inline constexpr std::string_view kFileSavedKey = "WENJIANYIBAOCUN";
inline constexpr std::string_view kBadFileNameKey = "WENJIANMINGCHUCUO";
inline constexpr std::string_view kBadSetNameKey = "wenjianmingchongfucaozuoquxiao";
inline constexpr std::string_view kLastEntryKey = "ZUIHOUYITIAOJILUBUNENGSHANCHU";
inline constexpr std::string_view kConfirmDeleteKey = "NINSHIFOUQUEDINGYAOSHANCHUDANGQIANJILU";
inline constexpr std::string_view kBlankSetKey = "BUYUNXUSHANCHUKONGDECHENGJIWENJIAN";
// A save or delete that failed is reported instead of passing silently for success.
inline constexpr std::string_view kSaveFailedKey = "WENJIANBAOCUNSHIBAI";
inline constexpr std::string_view kDeleteFailedKey = "WENJIANSHANCHUSHIBAI";

}  // namespace veltora
