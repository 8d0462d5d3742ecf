#pragma once
// The recognition engine: from one sheet image to the darkness of every template cell and
// the examinee number. One Recogniser persists between sheets because some of its values
// deliberately carry over: the orientation when a sheet's corners tie, and the cells and
// side points outside the current template. All other values are rewritten per sheet and
// stay readable afterwards (also after a failure) for display and diagnostics.
#include <array>
#include <cstdint>
#include <string>

#include "recognition/darkness_matrix.h"
#include "recognition/grey_level.h"
#include "recognition/raster.h"
#include "recognition/recognition_types.h"
#include "template/template_model.h"

namespace veltora {

// The stage a sheet reached; after a failure, the stage that failed.
enum class RecognitionStage {
    kNone,           // no sheet recognised yet
    kTemplate,       // the template breaks the limits of the data model
    kImage,          // empty image or a side beyond 32767 pixels
    kCoarseBorder,   // a side of the frame not found walking out from the centre
    kFineBorder,     // a side's samples did not give two agreeing half-lines
    kCorners,        // a corner outside the image
    kOrientation,    // no sheet has shown its orientation mark yet
    kSidePoints,     // the grid could not be placed along the sides
    kMarks,          // cells could not be measured
    kShading,        // the shading correction overflowed
    kDone,           // recognised
};

class Recogniser {
public:
    // Recognises one sheet with the template: true when the sheet could be read. On
    // success LastExamineeNo() holds the number read; on failure it keeps its value.
    bool RecogniseSheet(const Raster& image, const TemplateModel& model);

    // ---- Stages, in the order the driver runs them. Public so that each can be checked on
    // its own; they work on the image given to BeginSheet, which must outlive the calls.
    void BeginSheet(const Raster& image);
    void EndSheet();
    std::int16_t GreyAt(int x, int y) const { return GreyOf(image_ != nullptr ? image_->ColourAt(x, y) : -1); }
    void CalibrateMiddleRow();
    ProbeResult EdgeProbe(Point16 p, int dx, int dy, int n);
    ProbeResult FollowEdge(Point16 p, int a, int b, int n, int offX, int offY);
    bool DetectBorder();
    ProbeResult CoarseFind(Side side, Point16 from);
    bool FineFind(Side side, Point16 from);
    bool LocateCorners();
    bool SideMidPoints();
    bool DetectOrientation();
    bool ComputeSidePoints(Side side, const TemplateModel& model);
    bool ReadMarks(const TemplateModel& model);
    Point16 RefineCentre(Point16 p, int w);
    std::int16_t CellMeanGrey(Point16 p);
    bool FlattenShading(const TemplateModel& model);
    void GridStatistics(const TemplateModel& model);
    // True when a value of the current sheet did not fit its 16-bit storage or a division
    // had no defined result; the sheet is then not recognisable.
    bool ValueOutOfRange() const { return valueOutOfRange_; }

    // ---- Values of the last sheet.
    RecognitionStage Stage() const { return stage_; }
    // The side that failed in the border stages.
    Side FailedSide() const { return failedSide_; }
    const std::string& LastExamineeNo() const { return lastExamineeNo_; }
    int ImageWidth() const { return imageWidth_; }
    int ImageHeight() const { return imageHeight_; }
    std::int16_t SampleStep() const { return sampleStep_; }
    std::int16_t EdgeStrength() const { return edgeStrength_; }
    std::int16_t BrightestGrey() const { return brightestGrey_; }
    std::int16_t DarkestGrey() const { return darkestGrey_; }
    Point16 StartPoint() const { return startPoint_; }
    double CoarseWidth() const { return coarseWidth_; }
    double CoarseHeight() const { return coarseHeight_; }
    // Left, right, top, bottom: the coarse points, later the mid-points of the sides.
    const ProbeResult& CoarsePoint(Side side) const { return coarsePoints_[Index(side)]; }
    // Half-lines 1..8: left upper, left lower, right upper, right lower, top left, top
    // right, bottom left, bottom right.
    const LineRecord& BorderLine(int number) const { return borderLines_[static_cast<std::size_t>(number)]; }
    const Corner& CornerTL() const { return cornerTL_; }
    const Corner& CornerTR() const { return cornerTR_; }
    const Corner& CornerBL() const { return cornerBL_; }
    const Corner& CornerBR() const { return cornerBR_; }
    std::int16_t Orientation() const { return orientation_; }
    const SidePointArray& SidePoints(Side side) const { return sidePoints_[Index(side)]; }
    double CellWidth() const { return cellWidth_; }
    double CellHeight() const { return cellHeight_; }
    const DarknessMatrix& Darkness() const { return darkness_; }
    const GridLevels& Levels() const { return levels_; }

private:
    static constexpr std::size_t Index(Side side) { return static_cast<std::size_t>(side); }
    bool Fail(RecognitionStage stage);
    bool Fail(RecognitionStage stage, Side side);
    // Stores a value in 16 bits, noting a value that does not fit.
    std::int16_t Store16(long long value);
    std::int16_t Nearest16(double value) {
        if (value > -32769.0 && value < 32768.0) {
            const long long nearest = NearestInteger(value);
            if (nearest >= INT16_MIN && nearest <= INT16_MAX) return static_cast<std::int16_t>(nearest);
        }
        return Store16(value < 0 ? INT16_MIN - 1LL : INT16_MAX + 1LL);  // NaN too: the sheet fails
    }
    ProbeResult Probe(int x, int y, bool found);
    bool RunStages(const TemplateModel& model);
    void MeasureCell(int i, int j, int column, int row);

    const Raster* image_ = nullptr;
    bool valueOutOfRange_ = false;
    RecognitionStage stage_ = RecognitionStage::kNone;
    Side failedSide_ = Side::kLeft;
    std::string lastExamineeNo_;

    int imageWidth_ = 0;
    int imageHeight_ = 0;
    std::int16_t sampleStep_ = 1;
    std::int16_t edgeStrength_ = 0;
    std::int16_t brightestGrey_ = 0;
    std::int16_t darkestGrey_ = 0;

    double maxAngleDifference_ = 0;
    double maxCrossingOffset_ = 0;
    Point16 startPoint_;
    double coarseWidth_ = 0;
    double coarseHeight_ = 0;
    std::array<ProbeResult, 4> coarsePoints_{};
    std::array<LineRecord, 9> borderLines_{};  // 1..8

    Corner cornerTL_, cornerTR_, cornerBL_, cornerBR_;
    std::int16_t orientation_ = kOrientationUnknown;
    std::array<SidePointArray, 4> sidePoints_{};

    double cellWidth_ = 0;
    double cellHeight_ = 0;
    DarknessMatrix darkness_;
    GridLevels levels_;
};

}  // namespace veltora
