#pragma once
// Language keys (section "main") of the marking commands: the status words stored in the
// marking list and the texts the commands show.
#include <string_view>

namespace veltora {

inline constexpr std::string_view kStatusNormalKey = "ZHENGCHANG";
inline constexpr std::string_view kStatusUnreadableKey = "WUFASHIBEI";
inline constexpr std::string_view kStatusDuplicateKey = "KAOHAOCHONGFU";
inline constexpr std::string_view kStatusInvalidKey = "KAOHAOBUHEFA";

inline constexpr std::string_view kSheetCountKey = "datikawenjianzongshu";
inline constexpr std::string_view kChooseImageFolderKey = "XUANZETUXIANGWENJIANSUOZAIWENJIANJIA";
inline constexpr std::string_view kOpenImageFileKey = "DAKAIWENJIAN";
inline constexpr std::string_view kMarkingDoneKey = "YUEJUANCHULIWANBI";
inline constexpr std::string_view kCheckSheetKey = "QINGJIANCHADATIKAHETUXIANGSHEBEIBINGCHONGXINSHURU";
inline constexpr std::string_view kSheetFileMissingKey = "GAIDATIKAWENJIANBUCUNZAIWUFAYUEJUAN";
inline constexpr std::string_view kImportImagesFirstKey = "QINGXIANDAORUTUXIANG";
inline constexpr std::string_view kAlsoDeleteFileKey = "SHIFOUYAOSHANCHUTUXIANGWENJIAN";
inline constexpr std::string_view kSheetDeletedKey = "GAIDATIKAYISHANCHU";
inline constexpr std::string_view kAllSheetsClearedKey = "QUANBUDATIKAWENJIANYISHANCHU";
// The marking list is full (10000 sheets): the images beyond it were not added.
inline constexpr std::string_view kSheetListFullKey = "DATIKASHUBUNENGCHAOGUO10000";

// The filter of the open-file dialog of MarkFile.
inline constexpr std::string_view kImageFileFilter = "Picture Files (*.JPG;*.BMP)";

}  // namespace veltora
