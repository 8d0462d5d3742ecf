// The recognition driver: the stages of one sheet in their fixed order.
#include "recognition/examinee_number.h"
#include "recognition/recogniser.h"
#include "template/template_validation.h"

namespace veltora {

bool Recogniser::RecogniseSheet(const Raster& image, const TemplateModel& model) {
    if (!ValidateTemplate(model).empty()) return Fail(RecognitionStage::kTemplate);
    if (image.Empty() || image.Width() > kMaxImageSide || image.Height() > kMaxImageSide)
        return Fail(RecognitionStage::kImage);

    BeginSheet(image);
    const bool recognised = RunStages(model);
    EndSheet();
    return recognised;
}

bool Recogniser::RunStages(const TemplateModel& model) {
    CalibrateMiddleRow();
    for (SidePointArray& points : sidePoints_)
        for (int i = SidePointArray::kFirst; i <= kMaxCellIndex; ++i) points[i].set = false;

    // A stage fails by its own answer or by a value that did not fit its storage.
    const auto passed = [this](bool ok, RecognitionStage stage) { return ok && !valueOutOfRange_ ? true : Fail(stage); };
    if (!DetectBorder()) return false;  // records the side and pass that failed
    if (valueOutOfRange_) return Fail(RecognitionStage::kFineBorder);
    if (!passed(LocateCorners(), RecognitionStage::kCorners)) return false;
    if (!passed(SideMidPoints(), RecognitionStage::kCorners)) return false;
    DetectOrientation();
    if (!passed(orientation_ != kOrientationUnknown, RecognitionStage::kOrientation)) return false;
    for (const Side side : kAllSides)
        if (!passed(ComputeSidePoints(side, model), RecognitionStage::kSidePoints)) return false;
    if (!passed(ReadMarks(model), RecognitionStage::kMarks)) return false;
    if (!passed(FlattenShading(model), RecognitionStage::kShading)) return false;
    GridStatistics(model);
    lastExamineeNo_ = ReadExamineeNumber(darkness_, model);
    stage_ = RecognitionStage::kDone;
    return true;
}

bool Recogniser::Fail(RecognitionStage stage) {
    stage_ = stage;
    return false;
}

bool Recogniser::Fail(RecognitionStage stage, Side side) {
    failedSide_ = side;
    return Fail(stage);
}

}  // namespace veltora
