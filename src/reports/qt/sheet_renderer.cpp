#include "reports/qt/sheet_renderer.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cctype>

#include "app/atomic_file.h"
#include "reports/qt/pencil_mark.h"
#include "template/template_loader.h"
#include "template/template_validation.h"

namespace veltora {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kOutlineShare = 0.035;   // bubble outline width, share of the pitch
constexpr double kLetterShare = 0.55;     // letter height, share of the bubble diameter
constexpr double kNumberShare = 0.45;     // question-number height, share of the pitch
constexpr double kTitleHeight = 4.5;      // mm
constexpr double kLabelHeight = 2.8;      // mm
constexpr double kPdfResolution = 1200;   // dots per inch of the PDF's drawing units

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

QColor Ink(const InkColour& ink) { return QColor(ink.red, ink.green, ink.blue); }

GridCell ItemCell(const ItemLayout& item, int position) {
    return item.orientation == 1 ? GridCell{item.x, item.y + position} : GridCell{item.x + position, item.y};
}

// Millimetres on the paper to the painter's device units.
class Canvas {
public:
    Canvas(QPainter& painter, const SheetSpec& design, double dotsPerInch)
        : painter_(painter), design_(design), scale_(dotsPerInch / kMmPerInch) {}

    QPainter& Painter() { return painter_; }
    const SheetSpec& Design() const { return design_; }
    double Length(double mm) const { return mm * scale_; }
    QPointF Point(double xMm, double yMm) const { return {xMm * scale_, yMm * scale_}; }
    QPointF Centre(GridCell cell) const {
        const PointMm centre = CellCentreMm(design_.layout, cell.column, cell.row);
        return Point(centre.x, centre.y);
    }
    QSizeF Pitch() const { return {Length(design_.layout.pitchX), Length(design_.layout.pitchY)}; }

    void Text(const QString& text, QPointF centre, double heightMm, const QColor& colour, bool bold = false) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(Length(heightMm)))));
        font.setBold(bold);
        painter_.setFont(font);
        painter_.setPen(colour);
        const double big = Length(1000);
        painter_.drawText(QRectF(centre.x() - big / 2, centre.y() - big / 2, big, big), Qt::AlignCenter, text);
    }
    void LeftText(const QString& text, QPointF baseline, double heightMm, const QColor& colour) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(Length(heightMm)))));
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(baseline, text);
    }

private:
    QPainter& painter_;
    const SheetSpec& design_;
    double scale_;
};

void DrawFrame(Canvas& canvas) {
    const SheetSpec& design = canvas.Design();
    const RectMm inner = FrameInnerMm(design.layout, design.model);
    const double t = design.layout.frameThickness;
    QPainterPath frame;
    frame.setFillRule(Qt::OddEvenFill);
    frame.addRect(QRectF(canvas.Point(inner.left - t, inner.top - t), canvas.Point(inner.right + t, inner.bottom + t)));
    frame.addRect(QRectF(canvas.Point(inner.left, inner.top), canvas.Point(inner.right, inner.bottom)));
    const QColor ink = Ink(design.layout.frameInk);
    canvas.Painter().fillPath(frame, ink);

    // The orientation mark touches the frame in its inner top-right corner.
    const double mark = design.layout.markSize;
    canvas.Painter().fillRect(QRectF(canvas.Point(inner.right - mark, inner.top), canvas.Point(inner.right, inner.top + mark)),
                              ink);

    const double side = design.layout.calibrationSize * std::min(design.layout.pitchX, design.layout.pitchY);
    const QPointF centre = canvas.Centre({design.layout.calibrationColumn, design.layout.calibrationRow});
    const double half = canvas.Length(side) / 2;
    canvas.Painter().fillRect(QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half), ink);
}

void DrawBubble(Canvas& canvas, GridCell cell, const QString& letter) {
    const SheetSpec& design = canvas.Design();
    const QSizeF pitch = canvas.Pitch();
    const double outline = kOutlineShare * std::min(pitch.width(), pitch.height());
    const QSizeF size = pitch * design.layout.bubbleSize;
    const QPointF centre = canvas.Centre(cell);
    QPainter& painter = canvas.Painter();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink(design.layout.bubbleInk), outline));
    painter.drawEllipse(centre, size.width() / 2 - outline / 2, size.height() / 2 - outline / 2);
    if (!letter.isEmpty()) {
        const double heightMm = kLetterShare * design.layout.bubbleSize * std::min(design.layout.pitchX, design.layout.pitchY);
        canvas.Text(letter, centre, heightMm, Ink(design.layout.letterInk));
    }
}

void DrawQuestions(Canvas& canvas) {
    const SheetSpec& design = canvas.Design();
    const TemplateModel& model = design.model;
    const double numberHeight = kNumberShare * std::min(design.layout.pitchX, design.layout.pitchY);
    for (int q = 1; q <= model.questionsTotal; ++q) {
        const ItemLayout& item = model.questions[q];
        canvas.Text(QString::fromStdString(model.questionNames[q]), canvas.Centre(ItemCell(item, -1)), numberHeight,
                    Ink(design.layout.numberInk), true);
        for (int k = 1; k <= item.fills; ++k)
            DrawBubble(canvas, ItemCell(item, k - 1),
                       QString::fromStdString(Trimmed(model.returnTable[item.returnSet][k])));
    }
}

void DrawExamineeBlock(Canvas& canvas) {
    const SheetSpec& design = canvas.Design();
    const TemplateModel& model = design.model;
    if (model.idDigitNumber < 1) return;
    // The bubbles stay unlabelled: printed digits inside them would make a blank digit read
    // as filled. The digits are printed once beside the first column instead.
    for (int d = 1; d <= model.idDigitNumber; ++d)
        for (int k = 0; k < kIdDigitCells; ++k) DrawBubble(canvas, ItemCell(model.digits[d], k), QString());
    const ItemLayout& first = model.digits[1];
    ItemLayout labels = first;
    if (first.orientation == 1) --labels.x;
    else --labels.y;
    const double height = kNumberShare * std::min(design.layout.pitchX, design.layout.pitchY);
    for (int k = 0; k < kIdDigitCells; ++k)
        canvas.Text(QString::fromStdString(Trimmed(model.returnTable[first.returnSet][k + 1])),
                    canvas.Centre(ItemCell(labels, k)), height, Ink(design.layout.numberInk), true);

    // The caption stands above the block's top row, outside the frame when the block is inside.
    const int topRow = std::min<int>(first.y, 1);
    const PointMm topLeft = CellCentreMm(design.layout, labels.x, topRow);
    const double aboveFrame = design.layout.gridTop - design.layout.frameThickness - 1.5;
    const double captionY = topRow >= 1 ? aboveFrame : topLeft.y - design.layout.pitchY / 2 - 1.5;
    canvas.LeftText(QStringLiteral("Examinee No. / KaoHao"), canvas.Point(topLeft.x - design.layout.pitchX / 2, captionY),
                    kLabelHeight, Ink(design.layout.frameInk));
}

void DrawHeading(Canvas& canvas) {
    const SheetSpec& design = canvas.Design();
    const double centreX = design.layout.paperWidth / 2;
    canvas.Text(QString::fromStdString(design.layout.title), canvas.Point(centreX, 15), kTitleHeight, Qt::black, true);
    canvas.Text(QStringLiteral("Use a soft pencil and fill each chosen bubble completely."), canvas.Point(centreX, 22),
                kLabelHeight, Qt::black);
}

void DrawSheet(QPainter& painter, const SheetSpec& design, double dotsPerInch) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Canvas canvas(painter, design, dotsPerInch);
    DrawHeading(canvas);
    DrawFrame(canvas);
    DrawQuestions(canvas);
    DrawExamineeBlock(canvas);

    PencilMarker marker(design.seed);
    const QSizeF bubble = canvas.Pitch() * design.layout.bubbleSize;
    for (const GridCell& cell : design.marks) marker.Fill(painter, canvas.Centre(cell), bubble, design.fillShare);
}

}  // namespace

std::optional<SheetSpec> MakeSheetSpec(const AppContext& context, std::string_view name, std::string& error) {
    SheetSpec design;
    if (!LoadTemplate(context, name, design.model)) {
        error = "no template named \"" + Trimmed(name) + "\" in " + context.Path("DaTiKa").string();
        return std::nullopt;
    }
    const std::vector<std::string> problems = ValidateTemplate(design.model);
    if (!problems.empty()) {
        error = "template \"" + Trimmed(name) + "\" is unusable: " + problems.front();
        return std::nullopt;
    }
    auto layout = LoadPrintLayout(context, name, design.model, error);
    if (!layout) {
        error = "template \"" + Trimmed(name) + "\" cannot be printed: " + error;
        return std::nullopt;
    }
    design.layout = *layout;
    return design;
}

std::vector<std::string> SplitAnswers(std::string_view text) {
    std::vector<std::string> answers;
    if (text.empty()) return answers;
    for (;;) {
        const std::size_t comma = text.find(',');
        answers.push_back(Trimmed(text.substr(0, comma)));
        if (comma == std::string_view::npos) return answers;
        text.remove_prefix(comma + 1);
    }
}

bool MarkAnswers(SheetSpec& design, const std::vector<std::string>& answers, std::string& error) {
    const TemplateModel& model = design.model;
    if (answers.size() > static_cast<std::size_t>(std::max<int>(model.questionsTotal, 0))) {
        error = std::to_string(answers.size()) + " answers given, but the template has " +
                std::to_string(model.questionsTotal) + " questions";
        return false;
    }
    std::vector<GridCell> marks;
    for (std::size_t index = 0; index < answers.size(); ++index) {
        const ItemLayout& item = model.questions[index + 1];
        for (const char letter : answers[index]) {
            const auto& entries = model.returnTable[item.returnSet];
            int option = 0;
            for (int k = 1; k <= item.fills && option == 0; ++k) {
                const std::string text = Trimmed(entries[k]);
                if (text.size() == 1 && std::toupper(static_cast<unsigned char>(text[0])) ==
                                            std::toupper(static_cast<unsigned char>(letter)))
                    option = k;
            }
            if (option == 0) {
                error = "question " + std::to_string(index + 1) + " has no option \"" + std::string(1, letter) + "\"";
                return false;
            }
            marks.push_back(ItemCell(item, option - 1));
        }
    }
    design.marks.insert(design.marks.end(), marks.begin(), marks.end());
    return true;
}

bool MarkExamineeNumber(SheetSpec& design, std::string_view number, std::string& error) {
    const TemplateModel& model = design.model;
    if (number.size() > static_cast<std::size_t>(std::max<int>(model.idDigitNumber, 0))) {
        error = "examinee number \"" + std::string(number) + "\" has more digits than the template's " +
                std::to_string(model.idDigitNumber);
        return false;
    }
    std::vector<GridCell> marks;
    for (std::size_t index = 0; index < number.size(); ++index) {
        const ItemLayout& digit = model.digits[index + 1];
        const auto& entries = model.returnTable[digit.returnSet];
        int cell = -1;
        for (int k = 0; k < kIdDigitCells && cell < 0; ++k)
            if (Trimmed(entries[k + 1]) == std::string(1, number[index])) cell = k;
        if (cell < 0) {
            error = "examinee-number digit " + std::to_string(index + 1) + " has no cell for \"" +
                    std::string(1, number[index]) + "\"";
            return false;
        }
        marks.push_back(ItemCell(digit, cell));
    }
    design.marks.insert(design.marks.end(), marks.begin(), marks.end());
    return true;
}

QSize SheetPixelSize(const SheetSpec& design) {
    const double scale = design.dpi / kMmPerInch;
    return {static_cast<int>(std::lround(design.layout.paperWidth * scale)),
            static_cast<int>(std::lround(design.layout.paperHeight * scale))};
}

QPointF CellCentrePixels(const SheetSpec& design, GridCell cell) {
    const PointMm centre = CellCentreMm(design.layout, cell.column, cell.row);
    const double scale = design.dpi / kMmPerInch;
    return {centre.x * scale, centre.y * scale};
}

QImage RenderSheet(const SheetSpec& design) {
    QImage image(SheetPixelSize(design), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawSheet(painter, design, design.dpi);
    return image;
}

bool WriteSheetPdf(const SheetSpec& design, const std::filesystem::path& file) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kPdfResolution));
        writer.setPageSize(QPageSize(QSizeF(design.layout.paperWidth, design.layout.paperHeight), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QString::fromStdString(design.layout.title));
        QPainter painter(&writer);
        if (!painter.isActive()) return false;
        DrawSheet(painter, design, kPdfResolution);
    }
    return WriteFileAtomically(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace veltora
